#include <gtest/gtest.h>

#include <sstream>

#include "tests/skin/TestData.h"
#include "tests/tools/skintool/RunSkintool.h"
#include "tools/skintool/BitmapCheck.h"
#include "tools/skintool/SkinToolCommands.h"

namespace lanvero::skintool {
namespace {

using lanvero::testing::Bytes;
namespace fs = std::filesystem;

void WriteFolder(const fs::path& folder, const std::vector<PackageMember>& members) {
  fs::create_directories(folder);
  for (const PackageMember& member : members) WriteFileBytes(folder / member.name, member.data);
}

int RunSkintool(const std::string& arguments) { return lanvero::testing::RunSkintool(arguments).status; }

TEST(Skintool, PackThenUnpackReturnsEveryMember) {
  lanvero::testing::ScratchFolder scratch;
  const auto members = lanvero::testing::SampleSkinMembers();
  WriteFolder(scratch.Path() / "in", members);
  WriteFileBytes(scratch.Path() / "in" / "readme.txt", Bytes("not packed"));
  const fs::path skin = scratch.Path() / "blue.skn";
  ASSERT_EQ(RunSkintool("pack " + (scratch.Path() / "in").string() + " -o " + skin.string() + " --version 60000"), 0);
  ASSERT_EQ(RunSkintool("unpack " + skin.string() + " -o " + (scratch.Path() / "out").string()), 0);
  for (const PackageMember& member : members) {
    EXPECT_EQ(ReadFileBytes(scratch.Path() / "out" / member.name), member.data) << member.name;
  }
  EXPECT_FALSE(fs::exists(scratch.Path() / "out" / "readme.txt"));
  EXPECT_EQ(OpenSkin(skin).header.Version, 60000);

  std::ostringstream listing;
  ListSkin(skin, listing);
  EXPECT_NE(listing.str().find("version 60000\nmembers 3\n"), std::string::npos) << listing.str();
  EXPECT_EQ(RunSkintool("check " + skin.string()), 1);  // the sample has no window frame
}

TEST(Skintool, PackingIsDeterministicAndNeedsOneIni) {
  lanvero::testing::ScratchFolder scratch;
  WriteFolder(scratch.Path() / "a", lanvero::testing::SampleSkinMembers());
  const auto members = ReadMemberFolder(scratch.Path() / "a", nullptr);
  ASSERT_EQ(members.size(), 3u);
  EXPECT_EQ(members[0].name, "Blue_Button.bmp");
  EXPECT_EQ(members[1].name, "chosenos.ini");

  WriteFileBytes(scratch.Path() / "a" / "second.ini", Bytes("[X]"));
  EXPECT_THROW(ReadMemberFolder(scratch.Path() / "a", nullptr), ToolError);
  EXPECT_EQ(RunSkintool("pack " + (scratch.Path() / "a").string() + " -o " + (scratch.Path() / "x.skn").string()), 1);
  EXPECT_EQ(RunSkintool("pack"), 2);
  EXPECT_EQ(RunSkintool("frobnicate x"), 2);
}

TEST(Skintool, UnpackRefusesNamesThatLeaveTheFolder) {
  lanvero::testing::ScratchFolder scratch;
  const fs::path skin = scratch.Path() / "evil.skn";
  WriteFileBytes(skin, BuildSkinFile({{"../escape.ini", Bytes("x")}, {"ok.bmp", Bytes("y")}}));
  std::ostringstream notes;
  EXPECT_EQ(UnpackSkin(skin, scratch.Path() / "out", notes), 1);
  EXPECT_FALSE(fs::exists(scratch.Path() / "escape.ini"));
  EXPECT_NE(notes.str().find("../escape.ini"), std::string::npos);
}

TEST(BitmapCheck, AcceptsWellFormedBitmapsOnly) {
  std::vector<uint8_t> bitmap = lanvero::testing::BitmapFile(5, 3);
  EXPECT_EQ(BitmapProblem(bitmap), std::nullopt);
  std::vector<uint8_t> cut(bitmap.begin(), bitmap.end() - 1);
  EXPECT_NE(BitmapProblem(cut), std::nullopt);
  std::vector<uint8_t> deep = bitmap;
  deep[28] = 7;  // bits per pixel
  EXPECT_NE(BitmapProblem(deep), std::nullopt);
  std::vector<uint8_t> huge = bitmap;
  huge[21] = 0x7F;  // width far beyond the data
  EXPECT_NE(BitmapProblem(huge), std::nullopt);
  EXPECT_NE(BitmapProblem(Bytes("BM")), std::nullopt);
}

}  // namespace
}  // namespace lanvero::skintool
