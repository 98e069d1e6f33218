#pragma once
// Portable half of cutting a window region from a skin image: the opaque
// pixels of an image as one-pixel-high runs, row by row.

#include <cstdint>
#include <vector>

#include "framework/graphics/PixelImage.h"

namespace lanvero {

// Magenta with a tolerance of one on green: (255, 0, 255) and (255, 1, 255)
// are transparent, (254, 0, 255) is not.
bool IsRegionKey(Pixel pixel);

// Every maximal run of non-transparent pixels of each row, left to right,
// top to bottom, moved by (dx, dy).
std::vector<Rect> OpaqueRuns(const PixelView& image, int32_t dx, int32_t dy);

}  // namespace lanvero
