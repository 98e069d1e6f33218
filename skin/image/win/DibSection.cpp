#include "skin/image/win/DibSection.h"

#include <algorithm>

namespace lanvero {
namespace {

BITMAPINFO TopDown32(int32_t width, int32_t height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace

DibSection DibSection::Create(int32_t width, int32_t height) {
  DibSection dib;
  if (width <= 0 || height <= 0 || int64_t{width} * height > (int64_t{1} << 26)) return dib;
  const BITMAPINFO info = TopDown32(width, height);
  void* bits = nullptr;
  framework::UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return dib;
  dib.bitmap_ = std::move(bitmap);
  dib.bits_ = static_cast<Pixel*>(bits);
  dib.width_ = width;
  dib.height_ = height;
  return dib;
}

DibSection DibSection::FromImage(const PixelImage& image) {
  DibSection dib = Create(image.Width(), image.Height());
  if (!dib.IsEmpty()) std::ranges::copy(image.Pixels(), dib.bits_);
  return dib;
}

PixelImage DibSection::ToImage() const {
  if (IsEmpty()) return {};
  GdiFlush();
  return PixelImage::FromView(View());
}

framework::UniqueBitmap DibSection::Release() {
  bits_ = nullptr;
  width_ = height_ = 0;
  return framework::UniqueBitmap(bitmap_.Release());
}

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || GetObjectW(bitmap, sizeof info, &info) == 0) return {0, 0};
  return {info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight};
}

PixelImage ReadBitmapPixels(HBITMAP bitmap) {
  const SIZE size = BitmapSize(bitmap);
  PixelImage image(size.cx, size.cy);
  if (image.IsEmpty()) return image;
  BITMAPINFO info = TopDown32(size.cx, size.cy);
  const framework::UniqueDC screen_compatible(CreateCompatibleDC(nullptr));
  if (GetDIBits(screen_compatible.Get(), bitmap, 0, static_cast<UINT>(size.cy), image.Pixels().data(), &info,
                DIB_RGB_COLORS) == 0) {
    return {};
  }
  for (Pixel& p : image.Pixels()) p &= 0x00FFFFFF;
  return image;
}

}  // namespace lanvero
