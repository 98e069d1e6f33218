#pragma once
// Regions from skin images.

#include "framework/base/GdiObject.h"
#include "framework/graphics/PixelImage.h"

namespace lanvero {

// The region of the opaque pixels of an image (magenta, with a tolerance of
// one on green, is transparent), moved by (x, y); an image without opaque
// pixels gives an empty region. Rectangles are batched into regions of at
// most 2,000 before they are joined.
framework::UniqueRegion BitmapToRegion(const PixelView& pixels, int32_t x, int32_t y);

}  // namespace lanvero
