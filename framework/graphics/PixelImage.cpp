#include "framework/graphics/PixelImage.h"

#include <algorithm>

namespace lanvero {

PixelImage::PixelImage(int32_t width, int32_t height, Pixel fill) {
  if (width <= 0 || height <= 0) return;
  width_ = width;
  height_ = height;
  pixels_.assign(static_cast<std::size_t>(width) * height, fill);
}

PixelImage PixelImage::FromView(const PixelView& view) {
  if (view.IsEmpty()) return {};
  PixelImage image(view.width, view.height);
  for (int32_t y = 0; y < view.height; ++y) {
    const Pixel* source = view.pixels + static_cast<std::size_t>(y) * view.stride;
    std::copy(source, source + view.width, image.Row(y).begin());
  }
  return image;
}

}  // namespace lanvero
