// A decoded picture in memory: 24-bit pixels, blue-green-red, rows top to
// bottom without padding. The portable decoders produce it; bitmaps copy it
// into a DIB section.
#pragma once

#include <cstdint>
#include <vector>

namespace lanvero::framework {

struct PixelImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> bgr;  // width * height * 3 bytes

  uint8_t* Row(int y) { return bgr.data() + static_cast<size_t>(y) * static_cast<size_t>(width) * 3; }
  const uint8_t* Row(int y) const { return bgr.data() + static_cast<size_t>(y) * static_cast<size_t>(width) * 3; }
};

// Pictures larger than this in either direction, or in area, are refused.
inline constexpr int kMaxImageSide = 16384;
inline constexpr int64_t kMaxImagePixels = 64 * 1024 * 1024;

}  // namespace lanvero::framework
