#include "tools/skintool/CheckText.h"

#include "skin/ini/QuickIni.h"

namespace lanvero::skintool {

std::string Cite(const KeyRecord& key) {
  std::string cite = "[" + key.section + "] " + key.key;
  return key.text.empty() ? cite + " (absent)" : cite + "=" + key.text;
}

std::string KeptValue(const FieldHistory& history) {
  const KeyRecord& source = history.source;
  const std::string value = std::to_string(history.value);
  if (source.text.empty()) return source.key + " (absent: " + value + ")";
  const std::string written = source.key + "=" + source.text;
  if (history.Written()) return written;
  if (!IniInteger(source.text)) return written + " (not a number: " + value + ")";
  if (history.rule == FieldRule::Capped) return written + " (capped at " + value + ")";
  return written + " (the engine uses " + value + ")";
}

std::string Extent(int32_t pixels, bool height) {
  return std::to_string(pixels) + (height ? "-pixel-high" : "-pixel-wide");
}

}  // namespace lanvero::skintool
