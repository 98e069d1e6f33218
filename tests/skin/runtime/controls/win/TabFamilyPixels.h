// Pixels of skinned controls for the tests of the tab, panel and range
// skinners: what a control paints through its own WM_PAINT into a bitmap,
// and what a skin frame built at a size looks like.
#pragma once

#include <windows.h>

#include "skin/image/win/BitmapDC.h"
#include "skin/image/win/DibSection.h"
#include "skin/image/win/SkinDraw.h"

namespace lanvero::testing {

// The window painted into a bitmap of its size through WM_PAINT with the
// bitmap's DC (the way printing and double-buffering parents ask), after
// `fill` was put under it.
inline DibSection PaintedBy(HWND window, Color fill = 0x00FF00) {
  RECT r{};
  GetWindowRect(window, &r);
  DibSection bitmap = DibSection::Create(r.right - r.left, r.bottom - r.top);
  BitmapDC dc(bitmap.Handle());
  FillSolid(dc.Get(), Rect{0, 0, bitmap.Width(), bitmap.Height()}, fill);
  SendMessageW(window, WM_PAINT, reinterpret_cast<WPARAM>(dc.Get()), 0);
  GdiFlush();
  return bitmap;
}

// One pixel as 0x00RRGGBB.
inline Color PixelAt(DibSection& bitmap, int x, int y) {
  GdiFlush();
  return bitmap.Pixels()[static_cast<size_t>(y) * bitmap.Width() + x] & 0xFFFFFF;
}

// Frame `frame` of `count` of `strip` built at width x height with the
// skin's nine-slice rules, as the skinners build it.
inline DibSection BuiltFrame(HBITMAP strip, const Margins& margins, int frame, int count, int width, int height,
                             bool tile = false) {
  return BuildSkinBitmap(Rect{0, 0, width, height}, strip, margins, frame, count, tile, false);
}

// A skin colour (0x00BBGGRR) as a pixel (0x00RRGGBB).
inline Color AsPixel(Color colorref) {
  return ((colorref & 0xFF) << 16) | (colorref & 0xFF00) | ((colorref >> 16) & 0xFF);
}

}  // namespace lanvero::testing
