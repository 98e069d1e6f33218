#pragma once
// Windows only: a memory device context with one bitmap selected for its
// lifetime, for drawing into or copying from a bitmap.

#include <windows.h>

#include "framework/base/GdiObject.h"

namespace lanvero {

// False when the bitmap could not be selected (a null or invalid handle, or
// a bitmap selected into another device context at the time): drawing from
// it would copy the context's default one-pixel bitmap instead.
class BitmapDC {
 public:
  explicit BitmapDC(HBITMAP bitmap) : dc_(CreateCompatibleDC(nullptr)), bitmap_(bitmap), selected_(dc_.Get(), bitmap) {}
  HDC Get() const { return dc_.Get(); }
  explicit operator bool() const { return dc_ && bitmap_ && GetCurrentObject(dc_.Get(), OBJ_BITMAP) == bitmap_; }

 private:
  framework::UniqueDC dc_;
  HBITMAP bitmap_;
  framework::SelectGuard selected_;
};

}  // namespace lanvero
