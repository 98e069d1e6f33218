#include "skin/image/ImgUtil.h"

#include <algorithm>
#include <cmath>

#include "skin/image/SysColors.h"

namespace lanvero {

void ReplaceMagenta(PixelImage& image, Color color) {
  const Pixel replacement = PixelFromColor(ResolveColor(color));
  for (Pixel& p : image.Pixels()) {
    if ((p & 0x00FFFFFF) == kMagentaKey) p = replacement;
  }
}

void MirrorHorizontal(PixelImage& image) {
  for (int32_t y = 0; y < image.Height(); ++y) std::ranges::reverse(image.Row(y));
}

void FlipVertical(PixelImage& image) {
  for (int32_t top = 0, bottom = image.Height() - 1; top < bottom; ++top, --bottom) {
    std::ranges::swap_ranges(image.Row(top), image.Row(bottom));
  }
}

void RotateBitmapLeft(PixelImage& image) {
  const int32_t w = image.Width(), h = image.Height();
  PixelImage turned(h, w);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) turned.Set(y, w - 1 - x, image.At(x, y));
  image = std::move(turned);
}

void RotateBitmapRight(PixelImage& image) {
  const int32_t w = image.Width(), h = image.Height();
  PixelImage turned(h, w);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x) turned.Set(h - 1 - y, x, image.At(x, y));
  image = std::move(turned);
}

Color BlendColors(Color a, Color b, int32_t weight) {
  a = ResolveColor(a);
  b = ResolveColor(b);
  // 64-bit intermediate: weights are not range-checked by callers.
  const int64_t scale = weight < 100 ? 100 : 1000;
  Color mixed = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int64_t ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
    const int64_t channel = (ca * weight + cb * (scale - weight) + scale / 2) / scale;
    mixed |= (static_cast<Color>(channel) & 0xFF) << shift;
  }
  return mixed;
}

int32_t ColorSaturation(Color color) {
  color = ResolveColor(color);
  const int32_t r = color & 0xFF, g = (color >> 8) & 0xFF, b = (color >> 16) & 0xFF;
  if (r < 160 && g < 160 && b < 160) return 200;
  const int32_t largest = std::max({r, g, b}), smallest = std::min({r, g, b});
  // (mx - mn) / mx * 255 in one division, so that exact halves stay exact.
  const double scaled = static_cast<double>(largest - smallest) * 255.0 / largest;
  return static_cast<int32_t>(std::nearbyint(scaled));  // halves to even
}

void CopyBitmap(const PixelImage& source, PixelImage& destination) { destination = source; }

void FillSolid(PixelImage& image, const Rect& area, Color color) {
  const Rect visible = Intersect(area, image.Bounds());
  const Pixel p = PixelFromColor(ResolveColor(color));
  for (int32_t y = visible.top; y < visible.bottom; ++y) {
    std::ranges::fill(image.Row(y).subspan(visible.left, visible.Width()), p);
  }
}

PixelImage MakeDisabledGlyph(const PixelImage& glyph) {
  const Pixel face = PixelFromColor(SystemColorRgb(kSysColorButtonFace));
  const Pixel highlight = PixelFromColor(SystemColorRgb(kSysColorButtonHighlight));
  const Pixel shadow = PixelFromColor(SystemColorRgb(kSysColorButtonShadow));
  const int32_t w = glyph.Width(), h = glyph.Height();
  auto is_ink = [&](int32_t x, int32_t y) { return (glyph.At(x, y) & 0x00FFFFFF) == 0; };
  PixelImage result(w, h, face);
  for (int32_t y = 0; y + 1 < h; ++y)
    for (int32_t x = 0; x + 1 < w; ++x)
      if (is_ink(x, y)) result.Set(x + 1, y + 1, highlight);
  for (int32_t y = 0; y < h; ++y)
    for (int32_t x = 0; x < w; ++x)
      if (is_ink(x, y)) result.Set(x, y, shadow);
  return result;
}

namespace {

template <typename Char>
std::basic_string<Char> ReplaceFirstOf(std::basic_string_view<Char> text, std::basic_string_view<Char> old_part,
                                       std::basic_string_view<Char> new_part) {
  std::basic_string<Char> result(text);
  const auto at = old_part.empty() ? std::basic_string_view<Char>::npos : text.find(old_part);
  if (at != std::basic_string_view<Char>::npos) result.replace(at, old_part.size(), new_part);
  return result;
}

}  // namespace

std::wstring ReplaceFirst(std::wstring_view text, std::wstring_view old_part, std::wstring_view new_part) {
  return ReplaceFirstOf(text, old_part, new_part);
}

std::string ReplaceFirst(std::string_view text, std::string_view old_part, std::string_view new_part) {
  return ReplaceFirstOf(text, old_part, new_part);
}

}  // namespace lanvero
