// Colour texts, and the colour scheme with its defaults and presets.

#include <gtest/gtest.h>

#include <algorithm>

#include "skin/definitions/SkinScheme.h"
#include "tests/skin/definitions/SkinBuilder.h"

namespace lanvero {
namespace {

using testing::ParseOrFail;
using testing::SkinBuilder;

TEST(ParseRGB, ReadsThreeNumbersWithAnySeparators) {
  EXPECT_EQ(ParseRGB("255 255 255"), 0xFFFFFFu);
  EXPECT_EQ(ParseRGB(" 255,255,255 "), 0xFFFFFFu);
  EXPECT_EQ(ParseRGB("216, 208,  200"), 0xC8D0D8u);
  EXPECT_EQ(ParseRGB("10-20-30"), 0x1E140Au);  // a minus sign only separates
}

TEST(ParseRGB, OddTextsKeepTheirDocumentedValues) {
  EXPECT_EQ(ParseRGB(""), 0u);
  EXPECT_EQ(ParseRGB("1 2"), 0x000001u);   // a pending second number is dropped
  EXPECT_EQ(ParseRGB("1 2 "), 0x000001u);  // trailing blanks are trimmed first
  EXPECT_EQ(ParseRGB("1 2,"), 0x000201u);
  EXPECT_EQ(ParseRGB("12"), 0u);
  EXPECT_EQ(ParseRGB("red"), 0u);
  EXPECT_EQ(ParseRGB("300 0 0"), 0x00002Cu);  // components modulo 256
  EXPECT_EQ(ParseRGB("1 2 3 4 5 6"), 0x030201u);
  EXPECT_EQ(ParseRGB("12345678901 1 2"), 0u);  // an overlong run swallows the rest
  EXPECT_EQ(ParseRGB("1 2 99999999999"), 0x000201u);
}

TEST(ParseRGB, ReadingTellsWhatWasPassedOver) {
  const RGBReading plain = ReadRGB("216 208 200");
  EXPECT_EQ(plain.components, (std::vector<int64_t>{216, 208, 200}));
  EXPECT_EQ(plain.extraNumbers, 0);
  EXPECT_FALSE(plain.overlong);
  EXPECT_EQ(ReadRGB("1 2").components, std::vector<int64_t>{1});  // the pending 2 is dropped
  EXPECT_EQ(ReadRGB("1 2,").components, (std::vector<int64_t>{1, 2}));
  EXPECT_TRUE(ReadRGB("grey").components.empty());
  EXPECT_EQ(ReadRGB("1 2 3 4 5").extraNumbers, 2);
  EXPECT_EQ(ReadRGB("300 0 0").components[0], 300);  // as written; the colour keeps 44
  const RGBReading overlong = ReadRGB("12345678901 1 2");
  EXPECT_TRUE(overlong.overlong);
  EXPECT_TRUE(overlong.components.empty());
  EXPECT_TRUE(ReadRGB("1 2 99999999999").overlong);
  EXPECT_EQ(ReadRGB("1 2 99999999999").color, 0x000201u);
}

TEST(ReadColorText, OnlyEmptyTextGivesTheDefault) {
  EXPECT_EQ(ReadColorText("", 0xFF000012), 0xFF000012u);
  EXPECT_EQ(ReadColorText("none", 0xFF000012), 0u);
}

TEST(ColorScheme, ReadsKeysAnyCaseAndFallsBackOnSystemColours) {
  SkinDefinitions d;
  ParseOrFail(SkinBuilder("[Colours]\nButtonFace=229 229 229\nBUTTONLIGHT=1 2 3\nTitleText=9 9 9\n").SkinFile(), d);
  EXPECT_EQ(d.Colors[kSchemeButtonFace], 0xE5E5E5u);
  EXPECT_TRUE(d.hasColors[kSchemeButtonFace]);
  EXPECT_EQ(d.Colors[kSchemeButtonlight], 0x030201u);
  // "Menubar" absent: the skin's own button face, but not marked as given.
  EXPECT_EQ(d.Colors[kSchemeMenubar], 0xE5E5E5u);
  EXPECT_FALSE(d.hasColors[kSchemeMenubar]);
  EXPECT_EQ(d.Colors[kSchemeWindowText], SystemColor(8));
  EXPECT_EQ(d.Colors[kSchemeButtonText], SystemColor(18));
  EXPECT_EQ(d.Colors[kSchemeTitleTextNoActive], SystemColor(19));
  EXPECT_EQ(d.Colors[kSchemeScrollbar], SystemColor(0));
  EXPECT_EQ(d.Colors[9], 0u);
  EXPECT_EQ(d.Colors[19], 0u);
}

TEST(ColorScheme, MissingSectionLeavesEveryDefault) {
  SkinDefinitions d;
  ParseOrFail(SkinBuilder("[Other]\nA=1\n").SkinFile(), d);
  EXPECT_TRUE(std::none_of(d.hasColors.begin(), d.hasColors.end(), [](bool has) { return has; }));
  EXPECT_EQ(d.Colors[kSchemeMenubar], SystemColor(15));
  EXPECT_EQ(d.Colors[kSchemeMenu], SystemColor(4));
}

TEST(ColorScheme, PresetsComeFromColourSectionsInFileOrder) {
  SkinDefinitions d;
  ParseOrFail(SkinBuilder("[Colour1]\ncolor=255 255 255\n[Colours]\nMenu=1 1 1\n[colourX]\nR=5\n"
                          "[Colour0]\ncolor=0 0 0\n[Customcolors]\nColor3=1 2 3\n")
                  .SkinFile(),
              d);
  ASSERT_EQ(d.ColorPreset.size(), 3u);
  EXPECT_EQ(d.ColorPreset[0], 0xFFFFFFu);
  EXPECT_EQ(d.ColorPreset[1], SystemColor(8));  // no "color" key
  EXPECT_EQ(d.ColorPreset[2], 0u);
  EXPECT_EQ(d.PresetColors[3], 0x030201u);
  EXPECT_EQ(d.PresetColors[0], 0xFFFFFFu);
  Color c = 7;
  EXPECT_TRUE(GetPrecolor(d, c, 0));
  EXPECT_EQ(c, 0xFFFFFFu);
  EXPECT_FALSE(GetPrecolor(d, c, 3));
  EXPECT_FALSE(GetPrecolor(d, c, -1));
  EXPECT_EQ(c, 0xFFFFFFu);
}

}  // namespace
}  // namespace lanvero
