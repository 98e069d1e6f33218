#pragma once
// Windows only: the drawing routines every skinner shares, on device
// contexts. Strips are any bitmap handles (they are selected into a memory
// device context of their own while drawing, so they must not be selected
// elsewhere at the time). The cutting of frames follows the layouts of
// NineSlice.h, exactly as the software renderer does.
//
// None of these routines throws: painting must go on when one piece fails,
// so failures (a bitmap that cannot be created, memory) draw nothing.

#include <windows.h>

#include "framework/graphics/PixelImage.h"
#include "skin/image/GradientTable.h"
#include "skin/image/win/DibSection.h"

namespace lanvero {

void FillSolid(HDC dc, const Rect& area, Color color) noexcept;
// One-pixel bands from `start` to `end`, only those inside the clip box.
void GradientFill(HDC dc, const Rect& area, Color start, Color end, GradientDirection direction) noexcept;

// Repeats `source_rect` of `source` over `area`; the last tiles may reach
// past it.
void TileDraw(HDC dc, const Rect& area, HBITMAP source, const Rect& source_rect) noexcept;

// A bitmap of the destination's size holding frame `index` of `count`
// scaled by the nine-slice rules (COLORONCOLOR stretching).
DibSection BuildSkinBitmap(const Rect& destination, HBITMAP strip, const Margins& margins, int32_t index, int32_t count,
                           bool tile_centre, bool vertical) noexcept;

void DrawSkinFrame(HDC dc, const Rect& destination, HBITMAP strip, const Margins& margins, int32_t index, int32_t count,
                   bool transparent, bool tile_centre, bool vertical) noexcept;
void DrawSkinFrameTiled(HDC dc, const Rect& destination, HBITMAP strip, const Margins& margins, int32_t index,
                        int32_t count, bool transparent, bool vertical) noexcept;
void DrawSkinFrameStretched(HDC dc, const Rect& destination, HBITMAP strip, int32_t index, int32_t count,
                            bool transparent) noexcept;
void DrawSkinFrameCentered(HDC dc, const Rect& destination, HBITMAP strip, int32_t index, int32_t count,
                           bool transparent) noexcept;
void DrawSkinFrame3(HDC dc, const Rect& destination, HBITMAP strip, const Margins& margins, int32_t index,
                    int32_t count, bool vertical) noexcept;

// Copies `bitmap` from its origin to `destination` (at most the bitmap's
// size), leaving the device context unchanged where the pixel is `key`.
void TransparentBlit(HDC dc, const Rect& destination, HBITMAP bitmap, Color key) noexcept;

// Paints the part of the parent window that lies under `control` into
// `dc`, whose origin is the control's top-left corner.
void DrawParentBackground(HWND control, HDC dc) noexcept;

// A copy of any bitmap as a 32-bit DIB section.
DibSection CopyBitmap(HBITMAP source) noexcept;
// The embossed "disabled" form of a glyph bitmap.
DibSection MakeDisabledGlyph(HBITMAP glyph) noexcept;

}  // namespace lanvero
