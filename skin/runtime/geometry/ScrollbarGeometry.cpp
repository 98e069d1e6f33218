#include "skin/runtime/geometry/ScrollbarGeometry.h"

#include <algorithm>

namespace lanvero {
namespace {

constexpr int32_t kMinimumThumb = 8;
constexpr int64_t kEmptyRange = 9999999;

// a * b / c rounded to the nearest, -1 when c is 0 (as the system's MulDiv).
int32_t MulDivRounded(int64_t a, int64_t b, int64_t c) {
  if (c == 0) return -1;
  const int64_t product = a * b;
  const int64_t half = (c < 0 ? -c : c) / 2;
  const int64_t rounded = ((product < 0) != (c < 0)) ? (product - half) / c : (product + half) / c;
  return static_cast<int32_t>(rounded);
}

}  // namespace

ScrollPart HitScrollPart(int32_t along, int32_t arrowLength, ThumbExtent thumb, int32_t length) {
  if (along < arrowLength) return kPartFirstArrow;
  if (along < thumb.start) return kPartPageBefore;
  if (along < thumb.end) return kPartThumb;
  if (along < length - arrowLength) return kPartPageAfter;
  return kPartSecondArrow;
}

ThumbExtent ControlThumb(int32_t length, int32_t arrowLength, const ScrollRange& range) {
  int64_t span = static_cast<int64_t>(range.max) - range.min;
  if (span == 0) span = kEmptyRange;
  const int64_t offset = static_cast<int64_t>(range.pos) - range.min;
  const bool atStart = range.pos == range.min;
  ThumbExtent thumb;
  int32_t thumbLength = 0;
  if (range.page > 0) {
    const int32_t track = length - 2 * arrowLength;
    thumbLength = MulDivRounded(track, static_cast<int64_t>(range.page) - 1, span);
    if (thumbLength < kMinimumThumb) {
      thumbLength = kMinimumThumb;
      thumb.start = atStart ? arrowLength : MulDivRounded(track - kMinimumThumb, offset, span) + arrowLength;
    } else {
      thumb.start = atStart ? arrowLength : MulDivRounded(track, offset, span) + arrowLength;
    }
  } else {
    thumbLength = arrowLength;
    thumb.start = atStart ? arrowLength : MulDivRounded(length - 3 * arrowLength, offset, span) + arrowLength;
  }
  thumb.end = thumb.start + thumbLength;
  return thumb;
}

ThumbExtent TrackedThumb(ThumbExtent thumb, int32_t thumbAtPress, int32_t travel, int32_t arrowLength, int32_t length) {
  const int32_t thumbLength = thumb.Length();
  int32_t start = thumbAtPress + travel;
  start = std::min(start, length - arrowLength - thumbLength);
  start = std::max(start, arrowLength);
  return ThumbExtent{start, start + thumbLength};
}

int32_t DraggedPosition(int32_t offset, int32_t track, int32_t thumbLength, const ScrollRange& range) {
  offset = std::max(offset, 0);
  int64_t position = 0;
  if (range.page > 0) {
    offset = std::min(offset, track - thumbLength + 1);
    const int64_t span = static_cast<int64_t>(range.max) - range.min - range.page;
    position = static_cast<int64_t>(MulDivRounded(offset, span, track - thumbLength)) + range.min;
    const int64_t last = static_cast<int64_t>(range.max) - range.page;
    if (position >= last) position = last + 1;
  } else {
    offset = std::min(offset, track - thumbLength);
    position =
        static_cast<int64_t>(MulDivRounded(offset, static_cast<int64_t>(range.max) - range.min, track)) + range.min;
    position = std::min<int64_t>(position, range.max);
  }
  return static_cast<int32_t>(std::max<int64_t>(position, range.min));
}

int32_t ArrowLength(int32_t length, int32_t arrowLength) { return length < 2 * arrowLength ? length / 2 : arrowLength; }

}  // namespace lanvero
