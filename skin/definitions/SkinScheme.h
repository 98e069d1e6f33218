#pragma once
// The colour scheme of a skin: twenty colours for backgrounds, text and
// lines from the "Colours" section, with system colours as defaults, plus
// the preset colours. System colours stay symbolic (0xFF0000nn) and are
// resolved when drawing, so they follow the current system settings.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/graphics/PixelImage.h"

namespace lanvero {

class SkinDefinitionReader;

inline constexpr int kSchemeColorCount = 20;
inline constexpr int kPresetColorCount = 10;

// Scheme indexes the engine reads by name.
enum SchemeIndex : int {
  kSchemeWindowText = 0,
  kSchemeTitleTextActive = 1,
  kSchemeTitleTextNoActive = 2,
  kSchemeButtonFace = 3,
  kSchemeButtonText = 4,
  kSchemeButtonHilight = 5,
  kSchemeButtonlight = 6,
  kSchemeButtonShadow = 7,
  kSchemeButtonDkShadow = 8,
  kSchemeHilightText = 11,
  kSchemeHilight = 12,
  kSchemeMenubar = 13,
  kSchemeMenuBarText = 14,
  kSchemeMenuText = 15,
  kSchemeMenu = 16,
  kSchemeCaption = 17,
  kSchemeScrollbar = 18,
};

// The colour of a system colour index, kept symbolic.
constexpr Color SystemColor(int index) { return 0xFF000000u | static_cast<Color>(index); }

using TShemeColors = std::array<Color, kSchemeColorCount>;

struct SkinColorScheme {
  TShemeColors Colors{};
  std::array<bool, kSchemeColorCount> hasColors{};
  std::vector<Color> ColorPreset;
  std::array<Color, kPresetColorCount> PresetColors{};
};

// How a colour text reads: the colour, and what the reading passed over on
// the way (for tools that tell a skin author why a colour came out as it did).
struct RGBReading {
  Color color = 0;
  // Numbers taken as components, in order; a number after the third is
  // counted in `extraNumbers` and dropped.
  std::vector<int64_t> components;
  int extraNumbers = 0;
  // A run of digits too long for 32 bits stopped all reading after it.
  bool overlong = false;
};

// Three decimal numbers (red, green, blue) separated by any non-digits; see
// the .cpp for how odd texts read. Empty text gives 0.
RGBReading ReadRGB(std::string_view text);
inline Color ParseRGB(std::string_view text) { return ReadRGB(text).color; }
// `fallback` for empty text, else ParseRGB.
Color ReadColorText(std::string_view text, Color fallback);

// Reads scheme, presets and custom colours into `scheme`. Entries 9, 10,
// 17 and 19 are not touched (17 is the caption colour, set by the loader).
void ReadColorScheme(const SkinDefinitionReader& in, SkinColorScheme& scheme);

// ColorPreset[n] into `acolor` when n is a valid index; false otherwise.
bool GetPrecolor(const SkinColorScheme& scheme, Color& acolor, int32_t n);

}  // namespace lanvero
