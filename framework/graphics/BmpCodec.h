// Windows bitmap files (.bmp) without windows.h: uncompressed 1, 4, 8, 24
// and 32 bits per pixel and RLE8/RLE4-free files with BITMAPINFOHEADER or a
// later header. Every read is checked against the input's size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "framework/graphics/PixelImage.h"

namespace lanvero::framework {

// nullopt for anything that is not a supported, intact bitmap file.
std::optional<PixelImage> DecodeBmp(const uint8_t* data, size_t size);

// A 24-bit bottom-up bitmap file.
std::vector<uint8_t> EncodeBmp(const PixelImage& image);

}  // namespace lanvero::framework
