// skintool check: the shipped skins are clean, and the default skin with one
// kind of mistake each gives exactly the finding for it, graded as the
// engine treats the value.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "skin/ini/AnsiText.h"
#include "skin/ini/QuickIni.h"
#include "tests/skin/TestData.h"
#include "tests/skin/definitions/SkinBuilder.h"
#include "tests/tools/skintool/RunSkintool.h"
#include "tools/skintool/PackageCheck.h"
#include "tools/skintool/SkinToolCommands.h"

namespace lanvero::skintool {
namespace {

namespace fs = std::filesystem;
using lanvero::testing::Bytes;
using lanvero::testing::SkinBuilder;
using ::testing::HasSubstr;

fs::path EnvPath(const char* name) {
  const char* value = std::getenv(name);
  return value ? fs::path(value) : fs::path();
}

std::string Listing(const CheckResult& result) {
  std::string listing;
  for (const Finding& f : result.Findings()) listing += (f.severity == Severity::Error ? "E " : "W ") + f.text + "\n";
  return listing;
}

// Key changes to the default skin's INI, in order.
struct Edit {
  std::string section, key, value;  // an empty value deletes the key; an empty key the section
};

void Apply(const Edit& e, TQuickIni& ini) {
  if (e.key.empty()) {
    ini.EraseSection(e.section);
  } else if (e.value.empty()) {
    ini.DeleteKey(e.section, AsciiLower(e.key));  // the INI keeps its keys in lower case
  } else {
    ini.WriteString(e.section, e.key, e.value);
  }
}

// The default skin from its source folder with its INI edited, and `extra` members.
std::vector<uint8_t> DefaultSkinWith(const std::vector<Edit>& edits, const std::vector<PackageMember>& extra = {}) {
  std::vector<PackageMember> members =
      ReadMemberFolder(EnvPath("LANVERO_SOURCE_DIR") / "assets" / "skins" / "paleglass", nullptr);
  for (PackageMember& member : members) {
    if (!member.name.ends_with(".ini")) continue;
    TQuickIni ini;
    ByteStream text(member.data);
    ini.LoadFromStream(&text);
    for (const Edit& edit : edits) Apply(edit, ini);
    ByteStream edited;
    ini.SaveToStream(edited);
    member.data.assign(edited.Bytes().begin(), edited.Bytes().end());
  }
  members.insert(members.end(), extra.begin(), extra.end());
  return BuildSkinFile(members);
}

struct Expected {
  Severity severity;
  std::string text;  // a part of the finding
};

// The findings are exactly the expected ones, in any order.
void ExpectFindings(const CheckResult& result, const std::vector<Expected>& expected) {
  EXPECT_EQ(result.Findings().size(), expected.size()) << Listing(result);
  for (const Expected& e : expected) {
    const auto matches = std::count_if(result.Findings().begin(), result.Findings().end(), [&e](const Finding& f) {
      return f.severity == e.severity && f.text.find(e.text) != std::string::npos;
    });
    EXPECT_EQ(matches, 1) << (e.severity == Severity::Error ? "error " : "warning ") << e.text << "\nin\n"
                          << Listing(result);
  }
}

constexpr Severity E = Severity::Error;
constexpr Severity W = Severity::Warning;

TEST(SkinCheck, ShippedSkinsAreClean) {
  for (const char* skin : {"paleglass", "coalrim"}) {
    const fs::path packed = EnvPath("LANVERO_BINARY_DIR") / "assets" / "skins" / (std::string(skin) + ".skn");
    ASSERT_TRUE(fs::exists(packed)) << packed;
    const CheckResult result = CheckSkinFile(ReadFileBytes(packed));
    EXPECT_TRUE(result.Findings().empty()) << skin << ":\n" << Listing(result);
    EXPECT_GT(result.imagesChecked, 40) << skin;
    EXPECT_EQ(CheckExitStatus(result), kExitClean);
  }
}

// Each case below changes keys of different definitions, so that every
// finding stands for one change.
TEST(SkinCheck, FrameCounts) {
  ExpectFindings(
      CheckSkinFile(DefaultSkinWith({
          {"Personality", "TopFrame", "100000"},
          {"Personality", "LeftFrame", "0"},
          {"BUTTON1", "frame", "-2"},
          {"Scrollbar", "Image", "tabpane.bmp"},  // 23 frames, fixed by the engine
          {"Personality", "RightFrame", "3"},
          {"MDICONTROLS", "Image", "check.bmp"},
          {"Progress.Chunk", "Frame", "100000"},  // drawn whole: the count is never used
          {"MenuItem", "Frame", "3"},
          {"HorzScrollThumb", "Frame", "2"},
          {"Buttons", "CheckButtonFrame", "0"},
          {"BUTTON0", "frame", "0"},  // 184 x 28 is wider than 3.8 : 1: six frames
      })),
      {
          {E, "[Personality] TopFrame=100000: 100000 frames of the 60-pixel-high image top.bmp are 0 pixels high; "
              "nothing will be drawn"},
          {E, "[Personality] LeftFrame=0: a frame count below 1; nothing will be drawn from left.bmp"},
          {E, "[BUTTON1] frame=-2: a frame count below 1"},
          {E, "[Scrollbar] Image=tabpane.bmp: 23 frames (fixed by the engine) of the 12-pixel-wide image tabpane.bmp "
              "are 0 pixels wide"},
          {W, "[Personality] RightFrame=3: 3 frames of the 8-pixel-wide image right.bmp are 2 pixels wide each; "
              "the last 2 pixel columns are never drawn"},
          {W, "[MDICONTROLS] Image=check.bmp: 12 frames (fixed by the engine) of the 65-pixel-wide image check.bmp "
              "are 5 pixels wide each"},
          {W, "[MenuItem] Frame=3: not used; the engine always cuts 5 frames from this image"},
          {W, "[HorzScrollThumb] Frame=2: not used; the engine takes the frame count from FrameCount (3)"},
          {W, "[Buttons] CheckButtonFrame=0: a frame count of 0; the engine takes 5 instead"},
          {W, "[BUTTON0] ButtonImage=btn_close.bmp: 6 frames (chosen by the engine, as frame is absent or 0) of the "
              "184-pixel-wide image btn_close.bmp are 30 pixels wide each"},
          {W, "[BUTTON0] frame=0: a frame count of 0; the engine takes 6 instead"},
      });
}

TEST(SkinCheck, Margins) {
  ExpectFindings(CheckSkinFile(DefaultSkinWith({
                     {"Buttons", "LeftWidth", "30"},
                     {"Personality", "LeftTopHeight", "40"},
                     {"Personality", "TXTBackleft", "20"},
                     {"ToolBars", "LeftWidth", "18"},
                     {"Personality", "TopTopHeight", "-3"},
                     // Capped at 4, these fit the 12-pixel frame: the check measures what the engine keeps.
                     {"Tab.Pane", "LeftWidth", "9"},
                     {"Tab.Pane", "RightWidth", "9"},
                 })),
                 {
                     {E, "[Buttons] LeftWidth=30, RightWidth=4: together wider than the 20-pixel-wide frame of "
                         "button.bmp; the middle is never drawn and the fixed parts overlap"},
                     {E, "[Personality] LeftTopHeight=40, LeftBotHeight=6: together higher than the 40-pixel-high "
                         "frame of left.bmp"},
                     {E, "[Personality] TXTBackleft=20, TXTBackRight=4: together wider than the 16-pixel-wide frame "
                         "of textback.bmp"},
                     {W, "[ToolBars] LeftWidth=18, RightWidth=4: together as wide as the 22-pixel-wide frame of "
                         "toolbar.bmp; nothing is left for the middle"},
                     {W, "[Personality] TopTopHeight=-3: a negative margin counts as 0"},
                     {W, "[Tab.Pane] LeftWidth=9: the engine caps it at 4"},
                     {W, "[Tab.Pane] RightWidth=9: the engine caps it at 4"},
                 });
}

TEST(SkinCheck, WindowFrameAndIniMember) {
  ExpectFindings(CheckSkinFile(DefaultSkinWith({{"Personality", "", ""}})),
                 {{E, "[Personality] (absent): the section that defines the window frame is missing"}});
  ExpectFindings(CheckSkinFile(DefaultSkinWith({{"Personality", "Top", ""}, {"Personality", "Bottom", ""}})),
                 {{E, "[Personality] Top (absent): skinned windows get no caption bar (0 pixels high)"},
                  {E, "[Personality] Bottom (absent): skinned windows get no bottom border"}});
  ExpectFindings(CheckSkinFile(SkinBuilder("").Bitmap("a.bmp", 4, 4).SkinFile()),
                 {{E, "the INI member skin.ini holds no settings; the engine skins nothing with it"}});
  ExpectFindings(CheckSkinFile(SkinBuilder("; only a comment\n\n").SkinFile()), {{E, "holds no settings"}});
  ExpectFindings(CheckSkinFile(BuildSkinFile({{"a.bmp", lanvero::testing::BitmapFile(2, 2)}})),
                 {{E, "no member whose name contains \".ini\""}});
  ExpectFindings(CheckSkinFile(Bytes("garbage")), {{E, "the engine refuses the package"}});
}

TEST(SkinCheck, ColourTexts) {
  ExpectFindings(
      CheckSkinFile(DefaultSkinWith({
          {"Colours", "ButtonFace", "grey"},
          {"Buttons", "NormalColour2", "30 41"},
          {"Colour0", "color", "300 0 0"},
          {"Colours", "Menu", "1 2 3 4"},
          {"Colours", "Hilight", "99999999999 1 1"},
      })),
      {
          {W, "[Colours] ButtonFace=grey: not three numbers (red, green, blue); the engine reads it as 0 0 0"},
          {W, "[Buttons] NormalColour2=30 41: not three numbers (red, green, blue); the engine reads it "
              "as 30 0 0"},
          {W, "[Colour0] color=300 0 0: 300 is above 255 and taken modulo 256; the engine reads it as 44 0 0"},
          {W, "[Colours] Menu=1 2 3 4: more than three numbers; those after the third are dropped"},
          {W, "[Colours] Hilight=99999999999 1 1: a number too long for 32 bits stops the reading"},
      });
}

TEST(SkinCheck, NumbersTileFlagsAndImages) {
  ExpectFindings(CheckSkinFile(DefaultSkinWith(
                     {
                         {"Buttons", "TopHeight", "four"},
                         {"MenuItem", "Tile", "2"},
                         {"Progress", "Tile", "2"},
                         {"Personality", "TopStretch", "-1"},
                         {"BUTTON5", "ButtonImage", "btn_help.bmp"},
                         {"Buttons", "Bitmap", "art\\button.bmp"},  // folders are ignored, as by the engine
                         {"Tabs", "Image", "gone.bmp"},
                         {"Tabs", "Border", "Page.BMP"},
                         {"ToolBars", "Image", "broken.bmp"},
                         {"StatusBarEdges", "Glyph", "broken.bmp"},  // not a key the engine reads
                     },
                     {{"broken.bmp", Bytes("BM not really")}})),
                 {
                     {E, "[Tabs] Image=gone.bmp: the package has no member \"gone.bmp\"; the image is left empty"},
                     {E, "[Tabs] Border=Page.BMP: only names ending in \".bmp\" (lower case) are loaded"},
                     {E, "[ToolBars] Image=broken.bmp: member \"broken.bmp\" is not a readable bitmap"},
                     {W, "[Buttons] TopHeight=four: not a number; the engine uses 0"},
                     {W, "[MenuItem] Tile=2: only 0 and 1 have a meaning; the engine reads it as 0"},
                     {W, "[Progress] Tile=2: only 0 and 1 have a meaning; the engine reads it as 1"},
                     {W, "[Personality] TopStretch=-1: only 0 and 1 have a meaning; the engine treats it like 0"},
                     {W,
                      "[BUTTON5] ButtonImage=btn_help.bmp: not used; this button (Action 3) shows the window's icon"},
                 });
}

TEST(SkintoolCheck, ExitStatusAndQuietSummary) {
  lanvero::testing::ScratchFolder scratch;
  const auto run = [&](const std::vector<uint8_t>& skin, const std::string& options) {
    const fs::path file = scratch.Path() / "case.skn";
    WriteFileBytes(file, skin);
    return lanvero::testing::RunSkintool("check " + options + file.string());
  };
  const auto clean = run(DefaultSkinWith({}), "");
  EXPECT_EQ(clean.status, 0);
  EXPECT_THAT(clean.output, HasSubstr("case.skn: OK: 0 errors, 0 warnings, 45 images checked\n"));
  const auto warned = run(DefaultSkinWith({{"MenuItem", "Tile", "2"}}), "");
  EXPECT_EQ(warned.status, 3);
  EXPECT_THAT(warned.output, HasSubstr("case.skn: warning: [MenuItem] Tile=2"));
  EXPECT_THAT(warned.output, HasSubstr("case.skn: 0 errors, 1 warning, 45 images checked\n"));
  const auto failed = run(DefaultSkinWith({{"Personality", "TopFrame", "100000"}}), "--quiet ");
  EXPECT_EQ(failed.status, 1);
  EXPECT_THAT(failed.output, ::testing::EndsWith("case.skn: 1 error, 0 warnings, 45 images checked\n"));
  EXPECT_EQ(std::count(failed.output.begin(), failed.output.end(), '\n'), 1) << failed.output;
  EXPECT_EQ(lanvero::testing::RunSkintool("list --quiet x.skn").status, 2);
}

}  // namespace
}  // namespace lanvero::skintool
