#pragma once
// Small pictures written as rows of letters: each letter is its own pixel
// value, '#' is the magenta key. Lets tests state exact pixel results.

#include <string>
#include <vector>

#include "framework/graphics/PixelImage.h"

namespace lanvero::test {

inline Pixel PixelOfLetter(char c) {
  return c == '#' ? kMagentaKey : static_cast<Pixel>(static_cast<unsigned char>(c));
}

inline PixelImage ImageFromRows(const std::vector<std::string>& rows) {
  PixelImage image(static_cast<int32_t>(rows.front().size()), static_cast<int32_t>(rows.size()));
  for (int32_t y = 0; y < image.Height(); ++y)
    for (int32_t x = 0; x < image.Width(); ++x) image.Set(x, y, PixelOfLetter(rows[y][x]));
  return image;
}

inline std::vector<std::string> RowsOf(const PixelImage& image) {
  std::vector<std::string> rows;
  for (int32_t y = 0; y < image.Height(); ++y) {
    std::string row;
    for (Pixel p : image.Row(y)) row += p == kMagentaKey ? '#' : (p < 128 && p >= 32 ? static_cast<char>(p) : '?');
    rows.push_back(row);
  }
  return rows;
}

}  // namespace lanvero::test
