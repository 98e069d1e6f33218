// Jet 4 text encoding: Unicode compression with mixed runs.
#include <gtest/gtest.h>

#include "db/JetText.h"

namespace lanvero::db {
namespace {

std::u16string Decode(const std::vector<std::uint8_t>& bytes) {
  return DecodeJetText(ByteView(bytes.data(), bytes.size()));
}

TEST(JetText, DecodesCompressedRunsOfBothWidths) {
  // "ab", switch, U+5F20 U+59D3, switch, " z"
  EXPECT_EQ(Decode({0xFF, 0xFE, 'a', 'b', 0x00, 0x20, 0x5F, 0xD3, 0x59, 0x00, ' ', 'z'}), u"ab\u5F20\u59D3 z");
  // Starting with a wide character switches at once; a trailing half
  // character is dropped.
  EXPECT_EQ(Decode({0xFF, 0xFE, 0x00, 0x20, 0x5F, 0x41}), u"\u5F20");
  EXPECT_EQ(Decode({0xFF, 0xFE}), u"");
}

TEST(JetText, DecodesPlainUtf16AndRejectsOddLength) {
  EXPECT_EQ(Decode({'h', 0, 0x00, 0x4E}), u"h\u4E00");
  EXPECT_THROW(Decode({'h', 0, 'i'}), JetError);
}

TEST(JetText, EncodesCompressedOnlyWhenUnambiguousAndShorter) {
  const std::u16string mixed = u"\u5F20\u59D3 zhang";
  const std::vector<std::uint8_t> compressed = EncodeJetText(mixed, true);
  EXPECT_EQ(compressed[0], 0xFF);
  EXPECT_LT(compressed.size(), mixed.size() * 2);
  EXPECT_EQ(Decode(compressed), mixed);
  // U+4E00 has a zero low byte, which would read as a run switch.
  const std::u16string ambiguous = u"\u4E00 yi yi yi";
  EXPECT_EQ(EncodeJetText(ambiguous, true).size(), ambiguous.size() * 2);
  EXPECT_EQ(Decode(EncodeJetText(ambiguous, true)), ambiguous);
  // All wide: compression would not save space.
  EXPECT_EQ(EncodeJetText(u"\u5F20\u738B", true).size(), 4u);
  EXPECT_EQ(EncodeJetText(u"abc", false).size(), 6u);
}

}  // namespace
}  // namespace lanvero::db
