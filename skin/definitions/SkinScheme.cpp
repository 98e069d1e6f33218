#include "skin/definitions/SkinScheme.h"

#include <cstdint>
#include <optional>

#include "skin/definitions/SkinDefinitionReader.h"
#include "skin/ini/AnsiText.h"

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
RGBReading ReadRGB(std::string_view text) {
  RGBReading reading;
  text = TrimControl(text);
  std::string digits;
  auto take = [&reading](int64_t value) {
    if (reading.components.size() < 3) {
      reading.components.push_back(value);
    } else {
      ++reading.extraNumbers;
    }
  };
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      digits.push_back(c);
      continue;
    }
    if (digits.empty()) continue;
    if (const auto value = DigitsValue(digits)) {
      take(*value);
      digits.clear();
    } else {
      reading.overlong = true;
    }
  }
  // A number at the very end counts only in third place; first or second,
  // it is dropped.
  if (!digits.empty()) {
    const auto last = DigitsValue(digits);
    if (!last) reading.overlong = true;
    if (reading.components.size() == 2) {
      take(last.value_or(0));
    } else if (reading.components.size() == 3 && last) {
      ++reading.extraNumbers;
    }
  }
  for (std::size_t i = 0; i < reading.components.size(); ++i) {
    reading.color |= static_cast<Color>(reading.components[i] % 256) << (8 * i);
  }
  return reading;
}

Color ReadColorText(std::string_view text, Color fallback) { return text.empty() ? fallback : ParseRGB(text); }

void ReadColorScheme(const SkinDefinitionReader& in, SkinColorScheme& scheme) {
  for (const SchemeKey& row : kSchemeKeys) {
    const auto i = static_cast<std::size_t>(row.index);
    scheme.hasColors[i] = in.Has("Colours", row.key);
    const Color fallback = row.fallback == kFromButtonFace ? scheme.Colors[kSchemeButtonFace] : row.fallback;
    scheme.Colors[i] = in.ColorKey("Colours", row.key, fallback);
  }
  scheme.ColorPreset.clear();
  for (const std::string& name : in.SectionNames()) {
    const std::string upper = UpperAscii(name);
    if (upper == "COLOURS" || !upper.starts_with("COLOUR")) continue;
    scheme.ColorPreset.push_back(in.ColorKey(name, "color", kPresetFallback));
  }
  for (int i = 0; i < kPresetColorCount; ++i) {
    const std::string key = "Color" + std::to_string(i);
    scheme.PresetColors[static_cast<std::size_t>(i)] = in.ColorKey("Customcolors", key, kCustomFallback);
  }
}

bool GetPrecolor(const SkinColorScheme& scheme, Color& acolor, int32_t n) {
  if (n < 0 || static_cast<std::size_t>(n) >= scheme.ColorPreset.size()) return false;
  acolor = scheme.ColorPreset[static_cast<std::size_t>(n)];
  return true;
}

}  // namespace lanvero
