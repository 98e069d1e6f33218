#include <gtest/gtest.h>

#include "skin/ini/QuickIni.h"
#include "tests/skin/TestData.h"

namespace lanvero {
namespace {

using testing::Bytes;

TQuickIni IniFrom(std::string_view text) {
  TQuickIni ini;
  ByteStream stream(Bytes(text));
  ini.LoadFromStream(&stream);
  return ini;
}

std::string Saved(const TQuickIni& ini) {
  ByteStream stream;
  ini.SaveToStream(stream);
  return {stream.Bytes().begin(), stream.Bytes().end()};
}

TEST(QuickIni, KeysValuesAndNumbers) {
  const TQuickIni ini =
      IniFrom("; comment\r\n\r\n[Frame]\r\n  TopFrame = 2  \r\nKey=a=b\r\n#x=1\r\nEmpty=\r\n"
              "Hex=0x1F\r\nDollar=$1F\r\nBad=12abc\r\nNeg=-7\r\nBig=0xFFFFFFFF\r\nHuge=2147483648\r\nTOPFRAME=9\r\n");
  EXPECT_EQ(ini.ReadInteger("frame", "TopFrame", -1), 2);  // first occurrence wins
  EXPECT_EQ(ini.ReadString("Frame", "key", ""), "a=b");
  EXPECT_EQ(ini.ReadString("Frame", "#x", ""), "1");
  EXPECT_EQ(ini.ReadString("Frame", "Empty", "dflt"), "dflt");
  EXPECT_EQ(ini.ReadInteger("Frame", "Hex", 0), 31);
  EXPECT_EQ(ini.ReadInteger("Frame", "Dollar", 0), 31);
  EXPECT_EQ(ini.ReadInteger("Frame", "Bad", 5), 5);
  EXPECT_EQ(ini.ReadInteger("Frame", "Neg", 0), -7);
  EXPECT_EQ(ini.ReadInteger("Frame", "Big", 0), -1);
  EXPECT_EQ(ini.ReadInteger("Frame", "Huge", 3), 3);
  EXPECT_EQ(IniInteger("0x10"), 16);  // what ReadInteger parses, without a default
  EXPECT_EQ(IniInteger(""), std::nullopt);
  EXPECT_EQ(IniInteger("0x"), std::nullopt);
  EXPECT_TRUE(ini.ReadBool("Frame", "TopFrame", false));
  EXPECT_TRUE(ini.ReadBool("Frame", "Missing", true));
  EXPECT_EQ(ini.ReadString("Nope", "TopFrame", "d"), "d");
  EXPECT_EQ(ini.Lines().size(), 12u) << "comment and blank line dropped";
}

TEST(QuickIni, SectionsMatchByNameWithBlanksInsideBrackets) {
  const TQuickIni ini = IniFrom("[A]\nk=1\n[ Colours ]\nk=2\n[a]\nk=3\nj=4");
  std::vector<std::string> names;
  ini.ReadSections(&names);
  EXPECT_EQ(names, (std::vector<std::string>{"A", "Colours", "a"}));
  EXPECT_EQ(ini.ReadString("a", "k", ""), "1");
  EXPECT_EQ(ini.ReadString("A", "j", "none"), "none") << "the second [a] is invisible";
  EXPECT_EQ(ini.ReadString("Colours", "k", "none"), "none");
  EXPECT_EQ(ini.ReadString(" Colours ", "k", "none"), "2");
  EXPECT_THROW(ini.ReadSections(nullptr), AssertionFailure);
  try {
    ini.ReadSection("A", nullptr);
  } catch (const AssertionFailure& failure) {
    EXPECT_STREQ(failure.what(), "The parameter Strings is unassigned!");
  }
}

TEST(QuickIni, LineEndsAndNulReadAlike) {
  const std::string expected = "[S]\r\nk=v\r\nm=w\r\n";
  EXPECT_EQ(Saved(IniFrom("[S]\rk=v\rm=w")), expected);
  EXPECT_EQ(Saved(IniFrom("[S]\nk=v\n\nm=w\n")), expected);
  EXPECT_EQ(Saved(IniFrom(std::string_view("[S]\r\nk=v\r\nm=w\0[T]\r\nz=1", 22))), expected);
  TQuickIni ini = IniFrom("[S]");
  ini.LoadFromStream(nullptr);
  EXPECT_EQ(ini.Lines().size(), 1u);
}

TEST(QuickIni, SectionListings) {
  const TQuickIni ini = IniFrom("[S]\nA=1\nnoequals\n=x\nB = 2\n[T]\nC=3");
  std::vector<std::string> lines;
  ini.ReadSection("s", &lines);
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "b"}));
  ini.ReadSectionValues("S", &lines);
  EXPECT_EQ(lines, (std::vector<std::string>{"A=1", "noequals", "=x", "B = 2"}));
  ini.ReadSection("missing", &lines);
  EXPECT_TRUE(lines.empty());
}

TEST(QuickIni, WritingKeepsSectionsInPlace) {
  TQuickIni ini = IniFrom("[A]\nx=1\n[B]\ny=2");
  ini.WriteString("a", "Z", "new");      // inserted before [B]
  ini.WriteString("A", "X", "changed");  // replaced, written with the given case
  ini.WriteInteger("B", "n", -3);        // appended at the end
  ini.WriteBool("C", "flag", true);      // new section
  ini.WriteString("D", "", "ignored");
  EXPECT_EQ(Saved(ini), "[A]\r\nX=changed\r\nZ=new\r\n[B]\r\ny=2\r\nn=-3\r\n[C]\r\nflag=1\r\n[D]\r\n");
  EXPECT_EQ(ini.ReadString("B", "Y", ""), "2");
  EXPECT_EQ(ini.ReadInteger("b", "N", 0), -3);
  EXPECT_TRUE(ini.ReadBool("C", "Flag", false));
  ASSERT_EQ(ini.Sections().size(), 4u);
  EXPECT_EQ(ini.Sections()[1].line, 3);
}

TEST(QuickIni, DeletingAndErasing) {
  TQuickIni ini = IniFrom("[A]\nk=1\nK2=2\n[B]\nm=3\n[C]\nn=4");
  ini.DeleteKey("A", "K2");  // keys are stored lower-case: no match
  ini.DeleteKey("A", "k2");
  ini.EraseSection("b");
  EXPECT_EQ(Saved(ini), "[A]\r\nk=1\r\n\r\n[C]\r\nn=4\r\n");
  EXPECT_EQ(ini.ReadString("C", "n", ""), "4");
  ini.EraseSection("A");  // at line 0 (with the blank line it now holds): nothing left behind
  EXPECT_EQ(Saved(ini), "[C]\r\nn=4\r\n");
  ASSERT_EQ(ini.Sections().size(), 1u);
  EXPECT_EQ(ini.Sections()[0].line, 0);
  ini.SetLines({"[X]", "a=1"});
  EXPECT_EQ(ini.ReadString("x", "A", ""), "1");
  ini.Clear();
  EXPECT_TRUE(ini.Lines().empty() && ini.Sections().empty());
}

TEST(QuickIni, FilesAndCompressedFiles) {
  testing::ScratchFolder folder;
  TQuickIni ini = IniFrom("[Personality]\nSkinName=Blue\n");
  ini.SaveToFile(folder.Path() / "plain.ini");
  ini.SavetoZip(folder.Path() / "packed.ini");
  EXPECT_EQ(ReadFileBytes(folder.Path() / "plain.ini"), Bytes("[Personality]\r\nSkinName=Blue\r\n"));
  EXPECT_EQ(LoadLE32(ReadFileBytes(folder.Path() / "packed.ini")), 30);

  TQuickIni plain, packed;
  plain.LoadFromFile(folder.Path() / "plain.ini");
  packed.LoadFromZip(folder.Path() / "packed.ini");
  EXPECT_EQ(plain.Lines(), ini.Lines());
  EXPECT_EQ(packed.Lines(), ini.Lines());
  EXPECT_THROW(plain.LoadFromFile(folder.Path() / "absent.ini"), std::runtime_error);
}

}  // namespace
}  // namespace lanvero
