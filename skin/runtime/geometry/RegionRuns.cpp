#include "skin/runtime/geometry/RegionRuns.h"

namespace lanvero {

bool IsRegionKey(Pixel pixel) { return PixelRed(pixel) == 255 && PixelGreen(pixel) <= 1 && PixelBlue(pixel) == 255; }

std::vector<Rect> OpaqueRuns(const PixelView& image, int32_t dx, int32_t dy) {
  std::vector<Rect> runs;
  for (int32_t y = 0; y < image.height; ++y) {
    int32_t x = 0;
    while (x < image.width) {
      while (x < image.width && IsRegionKey(image.At(x, y))) ++x;
      const int32_t start = x;
      while (x < image.width && !IsRegionKey(image.At(x, y))) ++x;
      if (x > start) runs.push_back(Rect{start + dx, y + dy, x + dx, y + dy + 1});
    }
  }
  return runs;
}

}  // namespace lanvero
