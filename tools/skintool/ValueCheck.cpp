#include "tools/skintool/ValueCheck.h"

#include <algorithm>

#include "skin/definitions/SkinScheme.h"
#include "tools/skintool/CheckText.h"

namespace lanvero::skintool {

namespace {

std::string RgbText(Color color) {
  return std::to_string(color & 0xFF) + " " + std::to_string((color >> 8) & 0xFF) + " " +
         std::to_string((color >> 16) & 0xFF);
}

// What the text loses on its way to a colour; empty when nothing.
std::string ColorProblem(const RGBReading& reading) {
  if (reading.overlong) return "a number too long for 32 bits stops the reading";
  if (reading.components.size() < 3) return "not three numbers (red, green, blue)";
  if (reading.extraNumbers > 0) return "more than three numbers; those after the third are dropped";
  const auto large = std::find_if(reading.components.begin(), reading.components.end(),
                                  [](int64_t component) { return component > 255; });
  if (large != reading.components.end()) return std::to_string(*large) + " is above 255 and taken modulo 256";
  return {};
}

void CheckColor(const KeyRecord& key, CheckResult& result) {
  const RGBReading reading = ReadRGB(key.text);
  const std::string problem = ColorProblem(reading);
  if (!problem.empty())
    result.Warning(Cite(key) + ": " + problem + "; the engine reads it as " + RgbText(reading.color));
}

std::string ReplacementText(const Replacement& r) {
  const std::string used = std::to_string(r.used);
  if (!r.rule) return "not used; the engine takes the frame count from " + r.replacingKey + " (" + used + ")";
  switch (*r.rule) {
    case FieldRule::Fixed: return "not used; the engine always cuts " + used + " frames from this image";
    case FieldRule::Capped:
      if (r.field == DefinitionField::Tile) return "only 0 and 1 have a meaning; the engine reads it as " + used;
      return "the engine caps it at " + used;
    case FieldRule::Chosen: return "a frame count of 0; the engine takes " + used + " instead";
  }
  return "the engine uses " + used;
}

// Tile flags below 0 stay as read; every skinner tests for 1 alone.
void CheckNegativeTiles(const LoadRecord& record, CheckResult& result) {
  for (const auto& [where, history] : record.Fields()) {
    if (where.second == DefinitionField::Tile && history.Written() && history.value < 0) {
      result.Warning(Cite(history.source) + ": only 0 and 1 have a meaning; the engine treats it like 0");
    }
  }
}

}  // namespace

void CheckValues(const LoadRecord& record, CheckResult& result) {
  for (const auto& [key, used] : record.notNumbers) {
    result.Warning(Cite(key) + ": not a number; the engine uses " + std::to_string(used));
  }
  for (const KeyRecord& key : record.colors) CheckColor(key, result);
  for (const Replacement& replacement : record.replacements) {
    result.Warning(Cite(replacement.written) + ": " + ReplacementText(replacement));
  }
  CheckNegativeTiles(record, result);
}

}  // namespace lanvero::skintool
