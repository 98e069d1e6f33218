#pragma once
// A bitmap with a memory device context selected for its lifetime: the
// skinners compose a control in one and copy it to the screen with one
// BitBlt, so the control never shows half native, half skinned.

#include <windows.h>

#include "skin/image/win/BitmapDC.h"
#include "skin/image/win/DibSection.h"

namespace lanvero {

class OffscreenBitmap {
 public:
  OffscreenBitmap(int width, int height) : bitmap_(DibSection::Create(width, height)), dc_(bitmap_.Handle()) {}
  OffscreenBitmap(const OffscreenBitmap&) = delete;
  OffscreenBitmap& operator=(const OffscreenBitmap&) = delete;

  // False for an empty size or when the bitmap could not be made.
  explicit operator bool() const { return !bitmap_.IsEmpty() && static_cast<bool>(dc_); }
  HDC Dc() const { return dc_.Get(); }
  int Width() const { return bitmap_.Width(); }
  int Height() const { return bitmap_.Height(); }
  const DibSection& Bitmap() const { return bitmap_; }
  void CopyTo(HDC target, int x, int y) const {
    if (*this) BitBlt(target, x, y, Width(), Height(), Dc(), 0, 0, SRCCOPY);
  }

 private:
  DibSection bitmap_;
  BitmapDC dc_;
};

}  // namespace lanvero
