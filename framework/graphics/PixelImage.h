#pragma once
// The portable pixel image of the framework and the skin engine: 24-bit
// colour held in 32-bit cells.
//
// Each pixel is one uint32_t whose value is 0x00RRGGBB, so that in memory
// (little-endian) the bytes run blue, green, red, unused. That is exactly a
// top-down 32-bit BI_RGB device-independent bitmap, which lets the Windows
// side hand the pixels to GDI without converting them; the unused byte is
// always written as 0 and ignored when read. Rows are contiguous with no
// padding. An image of width or height 0 is empty.

#include <cstdint>
#include <span>
#include <vector>

namespace lanvero {

using Pixel = uint32_t;  // 0x00RRGGBB

// A colour of the skin engine: 0x00BBGGRR (red in the low byte). A value
// with the top bit set names system colour (value & 0xFF).
using Color = uint32_t;

inline constexpr Color kMagentaKey = 0x00FF00FF;  // same bits as a Pixel
inline constexpr Color kNoColor = 0x1FFFFFFF;

constexpr bool IsSystemColor(Color color) { return (color & 0x80000000u) != 0; }
constexpr Pixel PixelFromRgb(uint8_t red, uint8_t green, uint8_t blue) {
  return (Pixel{red} << 16) | (Pixel{green} << 8) | blue;
}
constexpr uint8_t PixelRed(Pixel p) { return static_cast<uint8_t>(p >> 16); }
constexpr uint8_t PixelGreen(Pixel p) { return static_cast<uint8_t>(p >> 8); }
constexpr uint8_t PixelBlue(Pixel p) { return static_cast<uint8_t>(p); }
// Conversions between a plain RGB colour (no system colour) and a pixel.
constexpr Pixel PixelFromColor(Color rgb) {
  return PixelFromRgb(static_cast<uint8_t>(rgb), static_cast<uint8_t>(rgb >> 8), static_cast<uint8_t>(rgb >> 16));
}
constexpr Color ColorFromPixel(Pixel p) {
  return Color{PixelRed(p)} | (Color{PixelGreen(p)} << 8) | (Color{PixelBlue(p)} << 16);
}

// Left, top, right, bottom; right and bottom exclusive. A rectangle whose
// right is not beyond its left (or bottom not below its top) covers no pixel.
struct Rect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;

  constexpr int32_t Width() const { return right - left; }
  constexpr int32_t Height() const { return bottom - top; }
  constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
  constexpr Rect Offset(int32_t dx, int32_t dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  constexpr bool operator==(const Rect&) const = default;
};

constexpr Rect Intersect(const Rect& a, const Rect& b) {
  Rect r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top, a.right < b.right ? a.right : b.right,
         a.bottom < b.bottom ? a.bottom : b.bottom};
  return r.IsEmpty() ? Rect{} : r;
}

// Widths of the fixed left, top, right and bottom borders of a frame.
using Margins = Rect;

// Read-only access to pixels owned elsewhere (a PixelImage or a DIB section).
struct PixelView {
  int32_t width = 0;
  int32_t height = 0;
  const Pixel* pixels = nullptr;
  int32_t stride = 0;  // pixels from one row to the next

  bool IsEmpty() const { return width <= 0 || height <= 0 || pixels == nullptr; }
  Rect Bounds() const { return {0, 0, width, height}; }
  Pixel At(int32_t x, int32_t y) const { return pixels[static_cast<std::size_t>(y) * stride + x]; }
};

class PixelImage {
 public:
  PixelImage() = default;
  // A width x height image filled with `fill`; non-positive sizes give an
  // empty image.
  PixelImage(int32_t width, int32_t height, Pixel fill = 0);

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  bool IsEmpty() const { return width_ == 0; }
  Rect Bounds() const { return {0, 0, width_, height_}; }

  Pixel At(int32_t x, int32_t y) const { return pixels_[Index(x, y)]; }
  void Set(int32_t x, int32_t y, Pixel p) { pixels_[Index(x, y)] = p; }
  std::span<Pixel> Row(int32_t y) { return {pixels_.data() + Index(0, y), static_cast<std::size_t>(width_)}; }
  std::span<const Pixel> Row(int32_t y) const {
    return {pixels_.data() + Index(0, y), static_cast<std::size_t>(width_)};
  }
  std::span<Pixel> Pixels() { return pixels_; }
  std::span<const Pixel> Pixels() const { return pixels_; }
  PixelView View() const { return {width_, height_, pixels_.data(), width_}; }

  // A copy of the pixels seen through a view.
  static PixelImage FromView(const PixelView& view);
  void Clear() { *this = PixelImage(); }

  bool operator==(const PixelImage&) const = default;

 private:
  std::size_t Index(int32_t x, int32_t y) const { return static_cast<std::size_t>(y) * width_ + x; }

  int32_t width_ = 0;
  int32_t height_ = 0;
  std::vector<Pixel> pixels_;
};

}  // namespace lanvero
