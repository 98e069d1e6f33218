#include <array>

#include "skin/image/SysColors.h"

namespace lanvero {
namespace {

constexpr Color Rgb(uint8_t r, uint8_t g, uint8_t b) { return Color{r} | (Color{g} << 8) | (Color{b} << 16); }

// The classic Windows scheme, indices 0 (scroll bar) to 30 (menu bar).
constexpr std::array<Color, 31> kClassicScheme = {
    Rgb(212, 208, 200), Rgb(58, 110, 165),  Rgb(10, 36, 106),   Rgb(128, 128, 128), Rgb(212, 208, 200),
    Rgb(255, 255, 255), Rgb(0, 0, 0),       Rgb(0, 0, 0),       Rgb(0, 0, 0),       Rgb(255, 255, 255),
    Rgb(212, 208, 200), Rgb(212, 208, 200), Rgb(128, 128, 128), Rgb(10, 36, 106),   Rgb(255, 255, 255),
    Rgb(212, 208, 200), Rgb(128, 128, 128), Rgb(128, 128, 128), Rgb(0, 0, 0),       Rgb(212, 208, 200),
    Rgb(255, 255, 255), Rgb(64, 64, 64),    Rgb(212, 208, 200), Rgb(0, 0, 0),       Rgb(255, 255, 225),
    Rgb(181, 181, 181), Rgb(0, 0, 128),     Rgb(166, 202, 240), Rgb(192, 192, 192), Rgb(49, 106, 197),
    Rgb(212, 208, 200)};

}  // namespace

Color SystemColorRgb(int index) {
  if (index < 0 || index >= static_cast<int>(kClassicScheme.size())) return 0;
  return kClassicScheme[static_cast<std::size_t>(index)];
}

}  // namespace lanvero
