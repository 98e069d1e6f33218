// Conversions between UTF-8 and UTF-16. Invalid input never fails: a
// malformed UTF-8 sequence or a lone surrogate becomes U+FFFD, so text
// from outside (command lines, files) can always be shown.
#pragma once

#include <string>
#include <string_view>

namespace lanvero::db {

std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

}  // namespace lanvero::db
