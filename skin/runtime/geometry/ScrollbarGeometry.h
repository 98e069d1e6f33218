#pragma once
// Where the parts of a skinned scroll bar lie, along its axis: which part a
// point hits, the thumb of a scroll bar control computed from its range,
// the thumb under the cursor while the native bar tracks it, and the
// position a dragged thumb stands for. Pure arithmetic, shared by the
// overlay panels and the drop-down list's own thumb dragging.

#include <cstdint>

namespace lanvero {

// The parts, numbered like the scroll codes the native bar reports.
enum ScrollPart : int32_t {
  kPartNone = -1,
  kPartFirstArrow = 0,   // SB_LINEUP
  kPartSecondArrow = 1,  // SB_LINEDOWN
  kPartPageBefore = 2,   // SB_PAGEUP
  kPartPageAfter = 3,    // SB_PAGEDOWN
  kPartThumb = 5,        // SB_THUMBTRACK
};

struct ThumbExtent {
  int32_t start = 0;  // pixels from the bar's start
  int32_t end = 0;
  int32_t Length() const { return end - start; }
  bool operator==(const ThumbExtent&) const = default;
};

// The part at `along` pixels from the bar's start.
ScrollPart HitScrollPart(int32_t along, int32_t arrowLength, ThumbExtent thumb, int32_t length);

struct ScrollRange {
  int32_t min = 0;
  int32_t max = 0;
  uint32_t page = 0;
  int32_t pos = 0;
};

// The thumb of a scroll bar control `length` pixels long with arrows of
// `arrowLength`, as the skin draws it (at least 8 pixels long when the bar
// has a page). An empty range counts as a very large one.
ThumbExtent ControlThumb(int32_t length, int32_t arrowLength, const ScrollRange& range);

// The thumb moved by the cursor's travel since the press, kept between
// the arrows.
ThumbExtent TrackedThumb(ThumbExtent thumb, int32_t thumbAtPress, int32_t travel, int32_t arrowLength, int32_t length);

// The position a thumb dragged `offset` pixels into a track `track` pixels
// long (the bar without its arrows) stands for; never beyond the last
// position a page allows (max - page + 1) nor below min.
int32_t DraggedPosition(int32_t offset, int32_t track, int32_t thumbLength, const ScrollRange& range);

// The length of the arrow buttons: `arrowLength`, or half the bar when it
// is shorter than two arrows.
int32_t ArrowLength(int32_t length, int32_t arrowLength);

}  // namespace lanvero
