#include "cipher/HexText.h"

namespace lanvero::cipher {
namespace {

int HexDigitValue(char digit) {
  if (digit >= '0' && digit <= '9') return digit - '0';
  if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
  if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
  return -1;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> ParseHexText(std::string_view hexText) {
  if (hexText.empty()) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  bytes.reserve((hexText.size() + 1) / 2);
  for (std::size_t position = 0; position < hexText.size(); position += 2) {
    int value = 0;
    for (std::size_t digit = position; digit < position + 2 && digit < hexText.size(); ++digit) {
      const int digitValue = HexDigitValue(hexText[digit]);
      if (digitValue < 0) return std::nullopt;
      value = value * 16 + digitValue;
    }
    bytes.push_back(static_cast<std::uint8_t>(value));
  }
  return bytes;
}

std::string FormatHexText(const std::vector<std::uint8_t>& bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  text.reserve(bytes.size() * 2);
  for (const std::uint8_t byte : bytes) {
    text.push_back(kDigits[byte >> 4]);
    text.push_back(kDigits[byte & 0xF]);
  }
  return text;
}

}  // namespace lanvero::cipher
