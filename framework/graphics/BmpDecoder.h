#pragma once
// Windows bitmap files (.bmp) of skin members, decoded to a PixelImage.
//
// Read: the file header, an info header of any version (or the older core
// header), 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed, bit-field
// and run-length (RLE8, RLE4) pixel data, bottom-up and top-down rows.
// Anything else, and any file that is cut short, claims absurd dimensions
// or points outside itself, decodes to an empty image: skin members come
// from outside the program, so decoding never trusts a size it has not
// checked against the bytes at hand.

#include <cstdint>
#include <span>
#include <vector>

#include "framework/graphics/PixelImage.h"

namespace lanvero {

// Largest image accepted (width x height), about 16 million pixels.
inline constexpr int64_t kMaxBmpPixels = int64_t{1} << 24;

// Images of more than `max_pixels` pixels are refused as well.
PixelImage DecodeBmp(std::span<const uint8_t> file, int64_t max_pixels = kMaxBmpPixels);

// A 24-bit bottom-up bitmap file of the image (an empty image gives an
// empty result).
std::vector<uint8_t> EncodeBmp24(const PixelImage& image);

}  // namespace lanvero
