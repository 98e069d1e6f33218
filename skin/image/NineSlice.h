#pragma once
// Geometry of skin image strips and of the pieces a frame is cut into when
// it is drawn at another size. The layouts are lists of source -> target
// rectangles shared by the software renderer (SkinRaster.h) and the
// device-context routines (win/SkinDraw.h), so both cut frames identically.
// Targets are relative to the destination's top-left corner.

#include <cstdint>
#include <vector>

#include "framework/graphics/PixelImage.h"

namespace lanvero {

// Frame `index` (numbered from 1) of a strip of `count` equal frames laid
// side by side, or stacked when `vertical`; frame sizes truncate. Empty
// when count < 1 or index is outside 1..count.
Rect StripFrame(int32_t strip_width, int32_t strip_height, int32_t index, int32_t count, bool vertical);

enum class SlicePart {
  TopLeft,
  BottomLeft,
  TopRight,
  LeftEdge,
  TopEdge,
  Centre,
  BottomRight,
  RightEdge,
  BottomEdge,
  LeftEnd,
  Middle,
  RightEnd,
  Whole
};
enum class PieceFill { Stretch, Tile };

struct SlicePiece {
  SlicePart part;
  Rect target;
  Rect source;
  PieceFill fill = PieceFill::Stretch;
  bool operator==(const SlicePiece&) const = default;
};

// Nine-slice pieces of `frame` (a rectangle of a strip of the given size)
// for a width x height destination, in drawing order: corners unscaled,
// edges stretched along their length, centre stretched or tiled. The order
// matters: tiles of the centre may run past it and the corners and edges
// drawn after it cover them. Margins wider than the destination on one axis
// count as 0 on that axis; negative margins count as 0. Pieces with an
// empty source or target, and pieces whose source would leave the strip
// (margins larger than the frame), are left out.
std::vector<SlicePiece> NineSlicePieces(int32_t width, int32_t height, const Rect& frame, Margins margins,
                                        bool tile_centre, int32_t strip_width, int32_t strip_height);

// Three-part horizontal frame: left end (margins.left wide) and right end
// (margins.right wide) stretched over the height, the middle of the frame
// stretched over the height and repeated from the left end on while it
// starts before the right end. A frame no wider than its ends has no middle.
std::vector<SlicePiece> TiledThreePartPieces(int32_t width, int32_t height, const Rect& frame, Margins margins,
                                             int32_t strip_width, int32_t strip_height);

// Three-part horizontal frame with a stretched middle; a destination
// narrower than the frame gets the whole frame stretched instead.
std::vector<SlicePiece> StretchedThreePartPieces(int32_t width, int32_t height, const Rect& frame, Margins margins,
                                                 int32_t strip_width, int32_t strip_height);

// The whole frame unscaled, centred in a width x height destination
// (offsets truncate towards zero; the frame may reach outside).
Rect CentredFrameTarget(int32_t width, int32_t height, const Rect& frame);

}  // namespace lanvero
