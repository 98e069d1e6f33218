// A skin file named by a person: files that hold no package, packages the
// check refuses and the built skins; a refused package never replaces the
// skin in use unless it is to be worn anyway, and a file without a package
// is never worn; the message names the first reasons only.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "skin/codec/ByteStream.h"
#include "skin/definitions/SkinData.h"
#include "skin/filecheck/SkinFileCheck.h"
#include "skin/filecheck/SkinFileUse.h"
#include "tests/skin/TestData.h"
#include "tests/skin/definitions/SkinBuilder.h"

namespace lanvero {
namespace {

namespace fs = std::filesystem;
using testing::ScratchFolder;
using testing::SkinBuilder;

fs::path BuiltSkin(const char* name) {
  const char* binary = std::getenv("LANVERO_BINARY_DIR");
  return (binary ? fs::path(binary) : fs::path()) / "assets" / "skins" / (std::string(name) + ".skn");
}

class SkinFileUseTest : public ::testing::Test {
 protected:
  std::wstring Write(const char* name, const std::vector<uint8_t>& bytes) {
    const fs::path file = scratch_.Path() / name;
    WriteFileBytes(file, bytes);
    return file.wstring();
  }
  // A package the engine reads but the check refuses: no window frame.
  std::wstring FramelessSkin() {
    return Write("frameless.skn", SkinBuilder("[TitlebarSkin]\nSkinName=Frameless\n[Scrollbar]\nImage=s.bmp\n")
                                      .Bitmap("s.bmp", 23, 4)
                                      .SkinFile());
  }

  ScratchFolder scratch_;
};

TEST_F(SkinFileUseTest, FilesWithoutAPackageAreNotReadableAndSayWhy) {
  const SkinFileVerdict missing = CheckSkinFileAt((scratch_.Path() / "gone.skn").wstring());
  EXPECT_FALSE(missing.readable);
  EXPECT_EQ(missing.problems, std::vector<std::wstring>{L"there is no such file"});

  const fs::path huge = scratch_.Path() / "huge.skn";
  WriteFileBytes(huge, testing::Bytes("x"));
  fs::resize_file(huge, kLargestSkinFile + 1);
  const SkinFileVerdict tooLarge = CheckSkinFileAt(huge.wstring());
  EXPECT_FALSE(tooLarge.readable);
  ASSERT_EQ(tooLarge.problems.size(), 1u);
  EXPECT_NE(tooLarge.problems[0].find(L"far too large"), std::wstring::npos);

  const SkinFileVerdict folder = CheckSkinFileAt(scratch_.Path().wstring());
  EXPECT_FALSE(folder.readable) << "a folder is no package file";
}

TEST_F(SkinFileUseTest, DamagedAndFramelessPackagesAreReadableButRefused) {
  const SkinFileVerdict garbage = CheckSkinFileAt(Write("garbage.skn", testing::RandomBytes(3000, 7)));
  EXPECT_TRUE(garbage.readable);
  EXPECT_FALSE(garbage.problems.empty());
  const SkinFileVerdict frameless = CheckSkinFileAt(FramelessSkin());
  EXPECT_TRUE(frameless.readable);
  EXPECT_FALSE(frameless.problems.empty());
}

TEST_F(SkinFileUseTest, TheBuiltSkinsAreUsable) {
  for (const char* name : {"paleglass", "coalrim"}) {
    ASSERT_TRUE(fs::exists(BuiltSkin(name))) << BuiltSkin(name);
    const SkinFileVerdict verdict = CheckSkinFileAt(BuiltSkin(name).wstring());
    EXPECT_TRUE(verdict.readable) << name;
    EXPECT_TRUE(verdict.problems.empty()) << name;
  }
}

TEST_F(SkinFileUseTest, ARefusedPackageLeavesTheSkinInUseUnlessWornAnyway) {
  TSkinData skin(nullptr);
  const SkinFileUse good = LoadUsableSkinFile(skin, BuiltSkin("coalrim").wstring());
  ASSERT_TRUE(good.worn);
  EXPECT_TRUE(good.problems.empty());
  EXPECT_TRUE(skin.Active());
  const std::string coalrim = skin.SkinName;

  const std::wstring frameless = FramelessSkin();
  const SkinFileUse refused = LoadUsableSkinFile(skin, frameless);
  EXPECT_FALSE(refused.worn);
  EXPECT_FALSE(refused.problems.empty());
  EXPECT_EQ(skin.SkinName, coalrim);

  // A missing file would leave the component empty: it is never loaded.
  const SkinFileUse missing =
      LoadUsableSkinFile(skin, (scratch_.Path() / "gone.skn").wstring(), SkinFaults::WearAnyway);
  EXPECT_FALSE(missing.worn);
  EXPECT_FALSE(skin.Empty);
  EXPECT_EQ(skin.SkinName, coalrim);

  const SkinFileUse anyway = LoadUsableSkinFile(skin, frameless, SkinFaults::WearAnyway);
  EXPECT_TRUE(anyway.worn);
  EXPECT_EQ(anyway.problems, refused.problems);
  EXPECT_EQ(skin.SkinName, "Frameless");
}

TEST(UnusableSkinMessage, NamesTheFileTheFirstEightReasonsAndWhatHappensNext) {
  std::vector<std::wstring> problems;
  for (int i = 1; i <= 10; ++i) problems.push_back(L"fault " + std::to_wstring(i));
  const std::wstring text = UnusableSkinMessage(L"C:\\a.skn", problems, L"Going on.");
  EXPECT_EQ(text.rfind(L"The skin package C:\\a.skn cannot be used:\n", 0), 0u);
  EXPECT_NE(text.find(L"\n- fault 8\n"), std::wstring::npos);
  EXPECT_EQ(text.find(L"fault 9"), std::wstring::npos);
  EXPECT_NE(text.find(L"(and 2 more)"), std::wstring::npos);
  EXPECT_TRUE(text.ends_with(L"\n\nGoing on."));
}

}  // namespace
}  // namespace lanvero
