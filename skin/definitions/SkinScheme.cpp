#include "skin/definitions/SkinScheme.h"

#include <cstdint>
#include <optional>

#include "skin/definitions/SkinDefinitionReader.h"
#include "skin/ini/AnsiText.h"
#include "skin/ini/QuickIni.h"

namespace lanvero {

namespace {

struct SchemeKey {
  int index;
  const char* key;
  Color fallback;  // kFromButtonFace: the value just read for index 3
};

constexpr Color kFromButtonFace = 0xFFFFFFFF;
constexpr Color kPresetFallback = SystemColor(8);
constexpr Color kCustomFallback = 0xFFFFFF;

// Reading order; index 13 ("Menubar") falls back on index 3, read before it.
constexpr std::array<SchemeKey, 16> kSchemeKeys{{
    {0, "WindowText", SystemColor(8)},
    {3, "ButtonFace", SystemColor(15)},
    {18, "Scrollbar", SystemColor(0)},
    {11, "HilightText", SystemColor(14)},
    {12, "Hilight", SystemColor(13)},
    {13, "Menubar", kFromButtonFace},
    {16, "Menu", SystemColor(4)},
    {15, "MenuText", SystemColor(7)},
    {4, "ButtonText", SystemColor(18)},
    {5, "ButtonHilight", SystemColor(20)},
    {6, "Buttonlight", SystemColor(20)},
    {7, "ButtonShadow", SystemColor(16)},
    {8, "ButtonDkShadow", SystemColor(21)},
    {14, "MenuBarText", SystemColor(7)},
    {1, "TitleTextActive", SystemColor(9)},
    {2, "TitleTextNoActive", SystemColor(19)},
}};

// A run of decimal digits as a 32-bit signed value; empty when it overflows.
std::optional<int64_t> DigitsValue(std::string_view digits) {
  int64_t value = 0;
  for (char c : digits) {
    value = value * 10 + (c - '0');
    if (value > INT32_MAX) return std::nullopt;
  }
  return value;
}

}  // namespace

// Numbers are runs of digits; any other character ends a run. A run that
// does not fit 32 bits is not taken and stays pending, so it swallows every
// digit after it. Only a third number may end the text without a
// separator. Each component keeps its value modulo 256.
Color ParseRGB(std::string_view text) {
  text = TrimControl(text);
  if (text.empty()) return 0;
  std::array<int64_t, 3> rgb{};
  int j = 0;  // the number being collected: 0 red, 1 green, 2 blue
  std::string digits;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      digits.push_back(c);
      continue;
    }
    if (digits.empty()) continue;
    if (const auto value = DigitsValue(digits)) {
      if (j < 3) rgb[static_cast<std::size_t>(j)] = *value;
      ++j;
      digits.clear();
    }
  }
  if (j == 2) rgb[2] = DigitsValue(digits).value_or(0);
  return static_cast<Color>(rgb[0] % 256) | static_cast<Color>(rgb[1] % 256) << 8 |
         static_cast<Color>(rgb[2] % 256) << 16;
}

Color ReadColorText(std::string_view text, Color fallback) { return text.empty() ? fallback : ParseRGB(text); }

void ReadColorScheme(const TQuickIni& ini, const std::vector<std::string>& sectionNames, SkinColorScheme& scheme) {
  for (const SchemeKey& row : kSchemeKeys) {
    const auto i = static_cast<std::size_t>(row.index);
    const std::string text = ini.ReadString("Colours", row.key, "");
    scheme.hasColors[i] = !text.empty();
    const Color fallback = row.fallback == kFromButtonFace ? scheme.Colors[kSchemeButtonFace] : row.fallback;
    scheme.Colors[i] = ReadColorText(text, fallback);
  }
  scheme.ColorPreset.clear();
  for (const std::string& name : sectionNames) {
    const std::string upper = UpperAscii(name);
    if (upper == "COLOURS" || !upper.starts_with("COLOUR")) continue;
    scheme.ColorPreset.push_back(ReadColorText(ini.ReadString(name, "color", ""), kPresetFallback));
  }
  for (int i = 0; i < kPresetColorCount; ++i) {
    const std::string key = "Color" + std::to_string(i);
    scheme.PresetColors[static_cast<std::size_t>(i)] =
        ReadColorText(ini.ReadString("Customcolors", key, ""), kCustomFallback);
  }
}

bool GetPrecolor(const SkinColorScheme& scheme, Color& acolor, int32_t n) {
  if (n < 0 || static_cast<std::size_t>(n) >= scheme.ColorPreset.size()) return false;
  acolor = scheme.ColorPreset[static_cast<std::size_t>(n)];
  return true;
}

}  // namespace lanvero
