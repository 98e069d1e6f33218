#pragma once
// Windows only: an owned 32-bit top-down DIB section whose pixels have the
// PixelImage layout (0x00RRGGBB), so the two convert by plain copying; and
// reading the pixels of any bitmap handle.

#include <windows.h>

#include <span>

#include "framework/base/GdiObject.h"
#include "framework/graphics/PixelImage.h"

namespace lanvero {

class DibSection {
 public:
  DibSection() = default;
  // A black width x height bitmap; empty for non-positive sizes or when
  // the platform refuses to create it.
  static DibSection Create(int32_t width, int32_t height);
  static DibSection FromImage(const PixelImage& image);

  bool IsEmpty() const { return !bitmap_; }
  HBITMAP Handle() const { return bitmap_.Get(); }
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  // Direct access; call GdiFlush() after drawing with GDI before reading.
  std::span<Pixel> Pixels() { return {bits_, static_cast<std::size_t>(width_) * height_}; }
  PixelView View() const { return {width_, height_, bits_, width_}; }
  PixelImage ToImage() const;
  // Hands the bitmap to another owner; this object becomes empty.
  framework::UniqueBitmap Release();

 private:
  framework::UniqueBitmap bitmap_;
  Pixel* bits_ = nullptr;
  int32_t width_ = 0;
  int32_t height_ = 0;
};

// Width and height of any bitmap; (0, 0) for a null or invalid handle.
SIZE BitmapSize(HBITMAP bitmap);
// The pixels of any bitmap (any depth, DIB section or not) as a PixelImage.
PixelImage ReadBitmapPixels(HBITMAP bitmap);

inline RECT ToRECT(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }
inline Rect FromRECT(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace lanvero
