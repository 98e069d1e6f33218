#include "framework/graphics/Graphic.h"

#include <cstring>

#include "framework/core/ClassBuilder.h"
#include "framework/graphics/BmpDecoder.h"

namespace lanvero::framework {

const ClassInfo& TBitmap::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TBitmap>("TBitmap", &TPersistent::StaticClassInfo())
                                    .Binary("Data", &TBitmap::Data, &TBitmap::SetData)
                                    .Build();
  return info;
}

std::vector<uint8_t> TBitmap::Data() const { return Empty() ? std::vector<uint8_t>{} : EncodeBmp24(ToPixels()); }

void TBitmap::SetData(const std::vector<uint8_t>& bytes) {
  if (bytes.empty()) {
    SetSize(0, 0);
  } else {
    LoadFromBytes(bytes);
  }
  if (OnChange) OnChange();
}

void TBitmap::SetSize(int width, int height) {
  if (width < 0 || height < 0 || width > kMaxImageSide || height > kMaxImageSide) {
    throw FrameworkError(L"Invalid bitmap size " + std::to_wstring(width) + L" x " + std::to_wstring(height));
  }
  if (canvas_) canvas_->SelectBitmap(nullptr);
  bitmap_.Reset();
  bits_ = nullptr;
  width_ = height_ = stride_ = 0;
  if (width == 0 || height == 0) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) throw FrameworkError(L"Out of system resources: cannot create a bitmap");
  bitmap_.Reset(bitmap);
  bits_ = static_cast<uint8_t*>(bits);
  width_ = width;
  height_ = height;
  stride_ = ((width * 3 + 3) / 4) * 4;
  if (canvas_) canvas_->SelectBitmap(bitmap_.Get());
}

UniqueBitmap TBitmap::ReleaseHandle() {
  if (canvas_) canvas_->SelectBitmap(nullptr);
  UniqueBitmap handle(bitmap_.Release());
  bits_ = nullptr;
  width_ = height_ = stride_ = 0;
  return handle;
}

uint8_t* TBitmap::ScanLine(int y) {
  if (!bits_ || y < 0 || y >= height_) throw FrameworkError(L"Scan line index out of range");
  GdiFlush();  // finish pending GDI drawing into the section first
  return bits_ + static_cast<size_t>(y) * static_cast<size_t>(stride_);
}

TCanvas& TBitmap::Canvas() {
  if (!canvas_) {
    canvas_ = std::make_unique<TMemoryCanvas>();
    if (bitmap_) canvas_->SelectBitmap(bitmap_.Get());
  }
  return *canvas_;
}

COLORREF TBitmap::TransparentColor() const {
  if (!bits_) return 0;
  GdiFlush();
  const uint8_t* p = bits_ + static_cast<size_t>(height_ - 1) * static_cast<size_t>(stride_);
  return RGB(p[2], p[1], p[0]);
}

void TBitmap::Draw(TCanvas& canvas, const RECT& rect) const {
  if (!bitmap_) return;
  // A bitmap is selected into one DC at a time: its canvas's, when it has one.
  UniqueDC ownDC(canvas_ ? nullptr : CreateCompatibleDC(canvas.Handle()));
  SelectGuard select(ownDC.Get(), ownDC ? bitmap_.Get() : nullptr);
  const HDC source = ownDC ? ownDC.Get() : canvas_->Handle();
  const int w = rect.right - rect.left;
  const int h = rect.bottom - rect.top;
  const int oldMode = SetStretchBltMode(canvas.Handle(), COLORONCOLOR);
  if (Transparent()) {
    TransparentBlt(canvas.Handle(), rect.left, rect.top, w, h, source, 0, 0, width_, height_, TransparentColor());
  } else {
    StretchBlt(canvas.Handle(), rect.left, rect.top, w, h, source, 0, 0, width_, height_, SRCCOPY);
  }
  SetStretchBltMode(canvas.Handle(), oldMode);
}

void TBitmap::LoadFromBytes(const std::vector<uint8_t>& bytes) {
  PixelImage image = DecodeBmp(bytes);
  if (image.IsEmpty()) throw FrameworkError(L"Bitmap image is not valid");
  LoadFromPixels(image);
}

bool TBitmap::LoadFromResourceName(HINSTANCE instance, const std::wstring& name) {
  UniqueBitmap loaded(
      static_cast<HBITMAP>(LoadImageW(instance, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  if (!loaded) {
    SetSize(0, 0);
    return false;
  }
  BITMAP description{};
  GetObjectW(loaded.Get(), sizeof description, &description);
  SetSize(description.bmWidth, description.bmHeight);
  UniqueDC source(CreateCompatibleDC(nullptr));
  SelectGuard select(source.Get(), loaded.Get());
  BitBlt(Canvas().Handle(), 0, 0, width_, height_, source.Get(), 0, 0, SRCCOPY);
  if (OnChange) OnChange();
  return true;
}

// The DIB section holds blue, green, red bytes; the pixel image holds
// 0x00RRGGBB cells.
void TBitmap::LoadFromPixels(const PixelImage& image) {
  SetSize(image.Width(), image.Height());
  for (int y = 0; y < height_; ++y) {
    uint8_t* out = ScanLine(y);
    for (const Pixel pixel : image.Row(y)) {
      *out++ = PixelBlue(pixel);
      *out++ = PixelGreen(pixel);
      *out++ = PixelRed(pixel);
    }
  }
}

PixelImage TBitmap::ToPixels() const {
  PixelImage image(width_, height_);
  GdiFlush();
  for (int y = 0; y < height_; ++y) {
    const uint8_t* in = bits_ + static_cast<size_t>(y) * static_cast<size_t>(stride_);
    for (Pixel& pixel : image.Row(y)) {
      pixel = PixelFromRgb(in[2], in[1], in[0]);
      in += 3;
    }
  }
  return image;
}

void TBitmap::Assign(const TPersistent& source) {
  const auto* bitmap = dynamic_cast<const TBitmap*>(&source);
  if (!bitmap) return TPersistent::Assign(source);
  LoadFromPixels(bitmap->ToPixels());
  SetTransparent(bitmap->Transparent());
}

}  // namespace lanvero::framework
