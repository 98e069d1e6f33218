// Lanvero's command line: a skin file, no skin at all, and the mistakes a
// person makes (a missing file name, an unknown word).
#include <gtest/gtest.h>

#include "app/LanveroOptions.h"

namespace lanvero::app {
namespace {

TEST(LanveroOptions, NoArgumentsKeepTheStoredSkin) {
  const LanveroOptions options = ParseLanveroArguments({});
  EXPECT_TRUE(options.skinFile.empty());
  EXPECT_FALSE(options.noSkin);
  EXPECT_TRUE(options.error.empty());
}

TEST(LanveroOptions, SkinTakesAFileOrNone) {
  const LanveroOptions file = ParseLanveroArguments({L"--skin", L"C:\\skins\\none.skn"});
  EXPECT_EQ(file.skinFile, L"C:\\skins\\none.skn");
  EXPECT_FALSE(file.noSkin);
  const LanveroOptions none = ParseLanveroArguments({L"--skin", L"none"});
  EXPECT_TRUE(none.skinFile.empty());
  EXPECT_TRUE(none.noSkin);
  // The last choice counts.
  EXPECT_EQ(ParseLanveroArguments({L"--skin", L"none", L"--skin", L"a.skn"}).skinFile, L"a.skn");
  EXPECT_FALSE(ParseLanveroArguments({L"--skin", L"none", L"--skin", L"a.skn"}).noSkin);
}

TEST(LanveroOptions, MistakesAreNamed) {
  EXPECT_EQ(ParseLanveroArguments({L"--skin"}).error, L"--skin needs a file name, or none");
  EXPECT_EQ(ParseLanveroArguments({L"--skin", L"a.skn", L"/x"}).error, L"unknown argument /x");
  EXPECT_EQ(ParseLanveroArguments({L"a.skn"}).error, L"unknown argument a.skn");
}

}  // namespace
}  // namespace lanvero::app
