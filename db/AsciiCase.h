// ASCII-only case folding: names, keywords and `like` ignore the case of
// the letters A-Z and nothing else.
#pragma once

#include "common/AsciiCase.h"

namespace lanvero::db {

constexpr char16_t FoldAsciiCase(char16_t c) { return AsciiToLower(c); }

}  // namespace lanvero::db
