// Hexadecimal text <-> bytes, as the record cipher stores its ciphertext.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lanvero::cipher {

// Reads pairs of hexadecimal digits (either case), most significant digit
// first; an odd-length text ends in a one-digit byte. Empty text or any
// character that is not a hexadecimal digit gives nullopt.
std::optional<std::vector<std::uint8_t>> ParseHexText(std::string_view hexText);

// Upper-case hexadecimal digits, two per byte.
std::string FormatHexText(const std::vector<std::uint8_t>& bytes);

}  // namespace lanvero::cipher
