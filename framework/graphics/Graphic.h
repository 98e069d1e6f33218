// Pictures: the abstract graphic, the 24-bit bitmap with direct pixel access,
// the JPEG image, and TPicture which holds either and reads them from the
// binary "Data" property of stored layouts.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "framework/base/GdiObject.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/PixelImage.h"

namespace lanvero::framework {

// Pictures larger than this in either direction are refused.
inline constexpr int kMaxImageSide = 16384;

class TGraphic : public TPersistent {
 public:
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  bool Empty() const { return Width() == 0 || Height() == 0; }
  // Draws the whole picture stretched into `rect` of the canvas.
  virtual void Draw(TCanvas& canvas, const RECT& rect) const = 0;
  // Reads the picture from the bytes of its file format; throws on bad data.
  virtual void LoadFromBytes(const std::vector<uint8_t>& bytes) = 0;

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent) { transparent_ = transparent; }

 private:
  bool transparent_ = false;
};

class TBitmap : public TGraphic {
 public:
  TBitmap() = default;
  TBitmap(int width, int height) { SetSize(width, height); }
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  // A new blank (black) 24-bit DIB section; the old pixels are dropped.
  void SetSize(int width, int height);
  HBITMAP Handle() const { return bitmap_.Get(); }
  // Hands the DIB section to the caller; the bitmap becomes empty.
  UniqueBitmap ReleaseHandle();

  // Direct pixel access: row y (top = 0), 3 bytes per pixel, blue first.
  uint8_t* ScanLine(int y);
  int Stride() const { return stride_; }

  TCanvas& Canvas();
  void Draw(TCanvas& canvas, const RECT& rect) const override;
  void LoadFromBytes(const std::vector<uint8_t>& bytes) override;  // a .bmp file
  void LoadFromPixels(const PixelImage& image);
  // Reads a BITMAP resource of a module; false (and an empty bitmap) when
  // the module has no bitmap of that name.
  bool LoadFromResourceName(HINSTANCE instance, const std::wstring& name);
  PixelImage ToPixels() const;
  // The picture as the bytes of a .bmp file (the "Data" property); empty
  // bytes make the bitmap empty.
  std::vector<uint8_t> Data() const;
  void SetData(const std::vector<uint8_t>& bytes);
  std::function<void()> OnChange;
  // The colour drawn transparently when Transparent() is set; by default
  // the bottom-left pixel.
  COLORREF TransparentColor() const;
  void Assign(const TPersistent& source) override;

 private:
  UniqueBitmap bitmap_;
  uint8_t* bits_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;
  std::unique_ptr<TMemoryCanvas> canvas_;
};

class TJPEGImage : public TGraphic {
 public:
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  int Width() const override { return bitmap_.Width(); }
  int Height() const override { return bitmap_.Height(); }
  void Draw(TCanvas& canvas, const RECT& rect) const override { bitmap_.Draw(canvas, rect); }
  void LoadFromBytes(const std::vector<uint8_t>& bytes) override;  // a baseline or progressive JPEG
  const TBitmap& Bitmap() const { return bitmap_; }

 private:
  TBitmap bitmap_;
};

// Holds one graphic of any kind. Its "Data" property is the graphic's class
// name as a length-prefixed ASCII string followed by the file bytes.
class TPicture : public TPersistent {
 public:
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  TGraphic* Graphic() const { return graphic_.get(); }
  void SetGraphic(std::unique_ptr<TGraphic> graphic);
  int Width() const { return graphic_ ? graphic_->Width() : 0; }
  int Height() const { return graphic_ ? graphic_->Height() : 0; }

  std::vector<uint8_t> Data() const { return data_; }
  void SetData(const std::vector<uint8_t>& data);

  std::function<void()> OnChange;

 private:
  std::unique_ptr<TGraphic> graphic_;
  std::vector<uint8_t> data_;
};

// Decodes a JPEG file into pixels; nullopt when it is not a readable JPEG.
std::optional<PixelImage> DecodeJpeg(const uint8_t* data, size_t size);

}  // namespace lanvero::framework
