#pragma once
// Helpers for the 8-bit (ANSI code page) text of skin directories and INI
// files.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lanvero {

// Lower-cases ASCII letters only. Trail bytes of double-byte characters
// (lead bytes 0x81-0xFE, as in code page 936) are left alone, since they
// can fall into the ASCII letter range.
std::string AsciiLower(std::string_view text);
// Case-insensitive comparison of ASCII letters, double-byte aware as above.
bool SameTextIgnoringCase(std::string_view a, std::string_view b);
// Removes leading and trailing characters with codes 0x20 and below.
std::string_view TrimControl(std::string_view text);

// Splits at CR LF, lone CR or lone LF; a final line break adds no line.
std::vector<std::string> SplitLines(std::string_view text);

// A signed 32-bit number: optional sign, then decimal digits or "$" and
// hexadecimal digits (which may use all 32 bits). Anything else: empty.
std::optional<int32_t> ParseInt32(std::string_view text);

}  // namespace lanvero
