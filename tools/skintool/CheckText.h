#pragma once
// The words of check findings: how a key, a value and a size are named, so
// that every finding starts the same way ("[Section] Key=value: ...").

#include <cstdint>
#include <string>

#include "tools/skintool/LoadRecord.h"

namespace lanvero::skintool {

// "[Section] Key=text", or "[Section] Key (absent)".
std::string Cite(const KeyRecord& key);

// A field's key and the value the loader kept, for the middle of a
// sentence: "LeftWidth=30", "LeftWidth=9 (capped at 4)",
// "TileLeftMenu (absent: 1)", "LeftWidth=four (not a number: 0)".
std::string KeptValue(const FieldHistory& history);

// "60-pixel-high" or "16-pixel-wide".
std::string Extent(int32_t pixels, bool height);

}  // namespace lanvero::skintool
