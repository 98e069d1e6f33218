#pragma once
// Fixed prefix code for the upper 6 bits of a match distance code: canonical,
// assigned in increasing order of the value, 3 bits for 0, 4 bits for 1-3,
// 5 for 4-11, 6 for 12-23, 7 for 24-47 and 8 for 48-63.

#include <array>
#include <cstdint>

namespace lanvero::lzh {

struct PositionCodeTables {
  std::array<uint8_t, 64> encodeLength{};   // bits of the code for each upper value
  std::array<uint8_t, 64> encodeBits{};     // the code, left-aligned in a byte
  std::array<uint8_t, 256> decodeValue{};   // upper value for each leading byte
  std::array<uint8_t, 256> decodeLength{};  // code length for each leading byte
};

constexpr int PositionCodeLength(int upperValue) {
  if (upperValue < 1) return 3;
  if (upperValue < 4) return 4;
  if (upperValue < 12) return 5;
  if (upperValue < 24) return 6;
  if (upperValue < 48) return 7;
  return 8;
}

constexpr PositionCodeTables MakePositionCodeTables() {
  PositionCodeTables tables;
  unsigned code = 0;
  int previousLength = PositionCodeLength(0);
  for (int value = 0; value < 64; ++value) {
    const int length = PositionCodeLength(value);
    code <<= (length - previousLength);
    previousLength = length;
    const unsigned leftAligned = code << (8 - length);
    tables.encodeLength[value] = static_cast<uint8_t>(length);
    tables.encodeBits[value] = static_cast<uint8_t>(leftAligned);
    // Every byte starting with this code decodes to this value.
    for (unsigned tail = 0; tail < (1u << (8 - length)); ++tail) {
      tables.decodeValue[leftAligned | tail] = static_cast<uint8_t>(value);
      tables.decodeLength[leftAligned | tail] = static_cast<uint8_t>(length);
    }
    ++code;
  }
  return tables;
}

inline constexpr PositionCodeTables kPositionCode = MakePositionCodeTables();

static_assert(kPositionCode.encodeBits[1] == 0x20 && kPositionCode.encodeBits[4] == 0x50 &&
              kPositionCode.encodeBits[12] == 0x90 && kPositionCode.encodeBits[24] == 0xC0 &&
              kPositionCode.encodeBits[48] == 0xF0 && kPositionCode.encodeBits[63] == 0xFF);

}  // namespace lanvero::lzh
