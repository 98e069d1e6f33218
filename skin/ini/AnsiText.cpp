#include "skin/ini/AnsiText.h"

#include <limits>

#include "common/AsciiCase.h"

namespace lanvero {

namespace {

bool IsLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string AsciiLower(std::string_view text) {
  std::string result(text);
  for (std::size_t i = 0; i < result.size(); ++i) {
    if (IsLeadByte(static_cast<unsigned char>(result[i]))) {
      ++i;  // keep the trail byte as it is
      continue;
    }
    result[i] = AsciiToLower(result[i]);
  }
  return result;
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && AsciiLower(a) == AsciiLower(b);
}

std::string_view TrimControl(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= 0x20) ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 0x20) --end;
  return text.substr(begin, end - begin);
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      ++i;
      continue;
    }
    lines.emplace_back(text.substr(start, i - start));
    ++i;
    if (c == '\r' && i < text.size() && text[i] == '\n') ++i;
    start = i;
  }
  if (start < text.size()) lines.emplace_back(text.substr(start));
  return lines;
}

std::optional<int32_t> ParseInt32(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  const bool hex = !text.empty() && text[0] == '$';
  if (hex) text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  const uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  uint64_t value = 0;
  for (char c : text) {
    const int digit = hex ? HexDigit(c) : ((c >= '0' && c <= '9') ? c - '0' : -1);
    if (digit < 0) return std::nullopt;
    value = value * (hex ? 16 : 10) + static_cast<uint64_t>(digit);
    if (value > limit) return std::nullopt;
  }
  const auto bits = static_cast<uint32_t>(negative ? (0 - value) : value);
  return static_cast<int32_t>(bits);
}

}  // namespace lanvero
