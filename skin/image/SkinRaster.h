#pragma once
// Software drawing of skin frames into a PixelImage: the portable path of
// the drawing routines, used by tools and tests and as the reference the
// device-context routines are checked against. Stretching picks the
// nearest source pixel to the centre of each target pixel. Every routine
// clips to the destination image and never reads outside the source.

#include <cstdint>
#include <span>

#include "framework/graphics/PixelImage.h"
#include "skin/image/NineSlice.h"

namespace lanvero {

// Scales `source` of `from` onto `target` of `to`. A source rectangle not
// wholly inside `from`, or an empty one, draws nothing.
void StretchCopy(PixelImage& to, const Rect& target, const PixelView& from, const Rect& source);

// Repeats `source` of `from` from the top-left of `area` while tiles start
// inside it; the last row and column may reach past `area`. A source with a
// negative or zero extent draws nothing.
void TileDraw(PixelImage& to, const Rect& area, const PixelView& from, const Rect& source);

// Copies `from`, starting at its origin, to `area`, leaving the destination
// unchanged where the source pixel has the colour `key`.
void TransparentCopy(PixelImage& to, const Rect& area, const PixelView& from, Color key);

// Draws layout pieces (targets offset by `origin_x`, `origin_y`).
void DrawPieces(PixelImage& to, std::span<const SlicePiece> pieces, const PixelView& from, int32_t origin_x = 0,
                int32_t origin_y = 0);

// The frame `index` of `count` of `strip` scaled to the destination's size
// by the nine-slice rules (software counterpart of BuildSkinBitmap).
PixelImage BuildSkinImage(const Rect& destination, const PixelView& strip, const Margins& margins, int32_t index,
                          int32_t count, bool tile_centre, bool vertical);

// Software counterparts of the device-context drawing routines, drawing
// into `canvas` at `destination`. Empty destinations draw nothing;
// `transparent` leaves magenta pixels of the frame undrawn.
void DrawSkinFrame(PixelImage& canvas, const Rect& destination, const PixelView& strip, const Margins& margins,
                   int32_t index, int32_t count, bool transparent, bool tile_centre, bool vertical);
void DrawSkinFrameTiled(PixelImage& canvas, const Rect& destination, const PixelView& strip, const Margins& margins,
                        int32_t index, int32_t count, bool transparent, bool vertical);
void DrawSkinFrameStretched(PixelImage& canvas, const Rect& destination, const PixelView& strip, int32_t index,
                            int32_t count, bool transparent);
void DrawSkinFrameCentered(PixelImage& canvas, const Rect& destination, const PixelView& strip, int32_t index,
                           int32_t count, bool transparent);
void DrawSkinFrame3(PixelImage& canvas, const Rect& destination, const PixelView& strip, const Margins& margins,
                    int32_t index, int32_t count, bool vertical);

}  // namespace lanvero
