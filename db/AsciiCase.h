// ASCII-only case folding: names, keywords and `like` ignore the case of
// the letters A-Z and nothing else.
#pragma once

namespace lanvero::db {

constexpr char16_t FoldAsciiCase(char16_t c) {
  return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + (u'a' - u'A')) : c;
}

}  // namespace lanvero::db
