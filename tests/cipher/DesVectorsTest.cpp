// Known-answer tests of the DES core (FIPS 46-3 worked example and the NBS
// validation tables) and of the record-text layer built on it.
#include <gtest/gtest.h>

#include "cipher/HexText.h"
#include "cipher/Unit_DESCrypt.h"

namespace lanvero::cipher {
namespace {

DesBlock BlockFromHex(std::string_view hex) {
  const auto bytes = ParseHexText(hex);
  DesBlock block{};
  std::copy(bytes->begin(), bytes->end(), block.begin());
  return block;
}

struct Vector {
  const char* key;
  const char* plain;
  const char* cipher;
};

// Worked examples and rows of the NBS initial-permutation, variable-key,
// permutation and S-box known-answer tables.
constexpr Vector kVectors[] = {
    {"133457799BBCDFF1", "0123456789ABCDEF", "85E813540F0AB405"},
    {"0123456789ABCDEF", "4E6F772069732074", "3FA40E8A984D4815"},
    {"0E329232EA6D0D73", "8787878787878787", "0000000000000000"},
    {"0101010101010101", "8000000000000000", "95F8A5E5DD31D900"},
    {"0101010101010101", "4000000000000000", "DD7F121CA5015619"},
    {"0101010101010101", "0000000000000001", "166B40B44ABA4BD6"},
    {"8001010101010101", "0000000000000000", "95A8D72813DAA94D"},
    {"0101010101010102", "0000000000000000", "869EFD7F9F265A09"},
    {"1046913489980131", "0000000000000000", "88D55E54F54C97B4"},
    {"7CA110454A1A6E57", "01A1D6D039776742", "690F5B0D9A26939B"},
    {"0131D9619DC1376E", "5CD54CA83DEF57DA", "7A389D10354BD271"},
    {"FEDCBA9876543210", "0123456789ABCDEF", "ED39D950FA74BCC4"},
};

TEST(DesCore, MeetsPublishedVectorsBothWays) {
  for (const Vector& vector : kVectors) {
    const DesBlock keyBytes = BlockFromHex(vector.key);
    const DesKey key(keyBytes);
    const DesBlock plain = BlockFromHex(vector.plain);
    const DesBlock cipher = BlockFromHex(vector.cipher);
    EXPECT_EQ(CipherBlock(BuildKeySchedule(key, true), plain), cipher) << vector.key << " " << vector.plain;
    EXPECT_EQ(CipherBlock(BuildKeySchedule(key, false), cipher), plain) << vector.key << " " << vector.cipher;
  }
}

TEST(FoldKey, AddsCharactersOntoPositionModEight) {
  const DesKey folded = FoldKey("58205820");
  EXPECT_EQ(folded, (DesKey{'0', '5', '8', '2', '0', '5', '8', '2'}));
  DesKey nine = FoldKey("582058201");
  DesKey expected = folded;
  expected[1] = static_cast<std::uint8_t>(expected[1] + '1');
  EXPECT_EQ(nine, expected);
  EXPECT_EQ(FoldKey(""), DesKey{});
  // Sums wrap modulo 256.
  EXPECT_EQ(FoldKey(std::string(9, '\xF0'))[1], static_cast<std::uint8_t>(0xE0));
}

TEST(DecryptHexText, RoundTripsRecordText) {
  const std::string body = "\xD5\xC5\xD0\xD5<br>\r\nzhang1 line two<br>\r\n";
  const std::string hex = EncryptToHexText(body, "58205820");
  EXPECT_EQ(hex.size() % 16, 0u);
  EXPECT_EQ(hex.find_first_not_of("0123456789ABCDEF"), std::string::npos);
  EXPECT_EQ(DecryptHexText(hex, "58205820"), body);
  std::string lower = hex;
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  EXPECT_EQ(DecryptHexText(lower, "58205820"), body);
  // '9' differs from '0' in more than the ignored parity bit.
  EXPECT_NE(DecryptHexText(hex, "58205829"), body);
}

TEST(DecryptHexText, CutsAtFirstNulAndDropsPadding) {
  EXPECT_EQ(DecryptHexText(EncryptToHexText("abc", "k"), "k"), "abc");
  EXPECT_EQ(DecryptHexText(EncryptToHexText(std::string("abc\0def", 7), "k"), "k"), "abc");
  EXPECT_EQ(DecryptHexText(EncryptToHexText("12345678", "k"), "k"), "12345678");
}

TEST(DecryptHexText, ShortFinalBlockIsZeroPadded) {
  const std::string hex = EncryptToHexText("abcdefgh", "k");
  const KeySchedule decrypt = BuildKeySchedule(FoldKey("k"), false);
  DesBlock padded{0xAB, 0xCD, 0, 0, 0, 0, 0, 0};
  const DesBlock tail = CipherBlock(decrypt, padded);
  std::string expected = "abcdefgh" + std::string(tail.begin(), tail.end());
  expected.resize(std::min(expected.size(), expected.find('\0')));
  EXPECT_EQ(DecryptHexText(hex + "abcd", "k"), expected);
  // An odd-length text ends in a one-digit byte.
  padded = {0x0A, 0, 0, 0, 0, 0, 0, 0};
  const DesBlock odd = CipherBlock(decrypt, padded);
  std::string oddExpected(odd.begin(), odd.end());
  oddExpected.resize(std::min(oddExpected.size(), oddExpected.find('\0')));
  EXPECT_EQ(DecryptHexText("A", "k"), oddExpected);
}

TEST(DecryptHexText, InvalidHexGivesEmptyText) {
  EXPECT_EQ(DecryptHexText("", "58205820"), "");
  EXPECT_EQ(DecryptHexText("GZ", "58205820"), "");
  const std::string hex = EncryptToHexText("abcdefgh", "58205820");
  EXPECT_EQ(DecryptHexText(hex + " 1", "58205820"), "");
  EXPECT_EQ(DecryptHexText("0x12", "58205820"), "");
}

}  // namespace
}  // namespace lanvero::cipher
