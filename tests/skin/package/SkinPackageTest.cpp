#include <gtest/gtest.h>

#include "skin/codec/LzhCodec.h"
#include "skin/package/SkinNotifier.h"
#include "skin/package/SkinPackageReader.h"
#include "tests/skin/TestData.h"

namespace lanvero {
namespace {

using testing::Bytes;

std::string Text(const ByteStream& stream) { return {stream.Bytes().begin(), stream.Bytes().end()}; }

// Captures the notifier's messages for the lifetime of a test.
class NotifierCapture {
 public:
  NotifierCapture() : previous_(SetSkinMessageNotifier([this](const std::string& m) { messages.push_back(m); })) {}
  ~NotifierCapture() { SetSkinMessageNotifier(previous_); }
  std::vector<std::string> messages;

 private:
  SkinMessageNotifier previous_;
};

bool Load(TSkinReader& reader, const std::vector<uint8_t>& skinFile) {
  ByteStream stream(skinFile);
  return reader.Loadfromstream(stream);
}

// A package with a hand-made directory text and size table.
std::vector<uint8_t> RawPackage(std::string_view directory, std::vector<int32_t> sizes, std::string_view data) {
  std::vector<uint8_t> package;
  for (int32_t field : {70000, static_cast<int32_t>(directory.size()), 0, 0}) AppendLE32(package, field);
  package.resize(package.size() + 69, 0);
  package.insert(package.end(), directory.begin(), directory.end());
  for (int32_t size : sizes) AppendLE32(package, size);
  package.insert(package.end(), data.begin(), data.end());
  return PackWithSize(package);
}

TEST(SkinReader, ReadsEveryVersionWithItsReservedBlock) {
  for (const auto& layout : skinformat::kVersions) {
    TSkinReader reader;
    ASSERT_TRUE(Load(reader, BuildSkinFile(testing::SampleSkinMembers(), layout.version))) << layout.version;
    EXPECT_EQ(reader.header.Version, layout.version);
    EXPECT_EQ(reader.Num, 3);
    EXPECT_EQ(reader.Dir, (std::vector<std::string>{"blue_button.bmp", "chosenos.ini", "scroll.bmp"}));
    ByteStream member;
    reader.readfile("scroll.bmp", member);
    EXPECT_EQ(std::vector<uint8_t>(member.Bytes().begin(), member.Bytes().end()), testing::BitmapFile(368, 16));
  }
}

TEST(SkinReader, FindsMembersUnderAnyLetterCaseAndTheIniByPattern) {
  TSkinReader reader;
  ASSERT_TRUE(Load(reader, BuildSkinFile(testing::SampleSkinMembers())));
  ByteStream member;
  reader.readfile("BLUE_Button.BMP", member);
  EXPECT_EQ(member.Size(), testing::BitmapFile(90, 23).size());
  EXPECT_EQ(member.Position(), 0u);

  std::string iniName = "unchanged";
  reader.readIni(".ini", member, iniName);
  EXPECT_EQ(iniName, "chosenos.ini");
  EXPECT_EQ(Text(member).substr(0, 9), "[Buttons]");

  reader.readIni(".INI", member, iniName);  // the pattern is not lower-cased
  EXPECT_EQ(member.Size(), 0u);
  EXPECT_EQ(iniName, "chosenos.ini");
  reader.readfile("absent.bmp", member);
  EXPECT_EQ(member.Size(), 0u);
}

TEST(SkinReader, DirectoryLineEnds) {
  TSkinReader reader;
  ASSERT_TRUE(Load(reader, RawPackage("A.ini\rb.BMP\nc\r\n", {1, 2, 3}, "xyyzzz")));
  EXPECT_EQ(reader.Dir, (std::vector<std::string>{"a.ini", "b.bmp", "c"}));
  ByteStream member;
  reader.readfile("C", member);
  EXPECT_EQ(Text(member), "zzz");
}

TEST(SkinReader, LowerCasingLeavesDoubleByteCharactersIntact) {
  // "\x81\x41" is one code page 936 character whose trail byte is 'A'.
  TSkinReader reader;
  ASSERT_TRUE(Load(reader, RawPackage("\x81\x41X.BMP\r\n", {2}, "ok")));
  EXPECT_EQ(reader.Dir.front(), "\x81\x41x.bmp");
  ByteStream member;
  reader.readfile("\x81\x41x.Bmp", member);
  EXPECT_EQ(Text(member), "ok");
  reader.readfile("\x81\x61x.bmp", member);
  EXPECT_EQ(member.Size(), 0u);
}

TEST(SkinReader, RefusesUnknownVersionsAndKeepsItsContent) {
  NotifierCapture capture;
  TSkinReader reader;
  ASSERT_TRUE(Load(reader, BuildSkinFile(testing::SampleSkinMembers())));
  for (int32_t version : {80000, 10000}) {
    std::vector<uint8_t> package = BuildSkinPackage({{"x.ini", Bytes("[A]")}});
    package[0] = static_cast<uint8_t>(version);
    package[1] = static_cast<uint8_t>(version >> 8);
    package[2] = static_cast<uint8_t>(version >> 16);
    EXPECT_FALSE(Load(reader, PackWithSize(package)));
  }
  EXPECT_EQ(capture.messages, std::vector<std::string>(2, "This is Older Skin File\rPlease update to new version !"));
  EXPECT_EQ(reader.Num, 3);
  EXPECT_EQ(reader.Dir.front(), "blue_button.bmp");
}

TEST(SkinReader, HostilePackagesAreRefusedOrCopiedShort) {
  NotifierCapture capture;
  TSkinReader reader;
  std::string manyNames;
  for (int i = 0; i < 1002; ++i) manyNames.append("m").append(std::to_string(i)).append("\r\n");
  EXPECT_EQ(reader.Open(RawPackage(manyNames, std::vector<int32_t>(1002, 0), "")), PackageStatus::TooManyMembers);
  EXPECT_EQ(reader.Open(RawPackage("a\r\nb\r\n", {1}, "")), PackageStatus::Truncated);  // size table cut
  EXPECT_EQ(reader.Open(PackWithSize(Bytes("short"))), PackageStatus::Truncated);
  EXPECT_EQ(reader.Open(Bytes("\x10")), PackageStatus::Truncated);
  EXPECT_TRUE(capture.messages.empty());

  // Sizes pointing past the data, or negative, give short or empty copies.
  ASSERT_EQ(reader.Open(RawPackage("a\r\nb\r\nc\r\n", {2, -5, 1000}, "aaccc")), PackageStatus::Ok);
  ByteStream member;
  reader.readfile("a", member);
  EXPECT_EQ(Text(member), "aa");
  reader.readfile("b", member);
  EXPECT_EQ(member.Size(), 0u);
  reader.readfile("c", member);
  EXPECT_EQ(Text(member), "ccc");

  // Exactly 1,001 members still fit the size table.
  manyNames.clear();
  for (int i = 0; i < 1001; ++i) manyNames.append("m").append(std::to_string(i)).append("\r\n");
  std::vector<int32_t> sizes(1001, 1);
  EXPECT_EQ(reader.Open(RawPackage(manyNames, sizes, std::string(1001, 'q'))), PackageStatus::Ok);
  reader.readfile("m1000", member);
  EXPECT_EQ(Text(member), "q");
}

TEST(SkinReader, LoadsFromFile) {
  testing::ScratchFolder folder;
  const auto path = folder.Path() / "skin.skn";
  WriteFileBytes(path, BuildSkinFile(testing::SampleSkinMembers(), 20000));
  TSkinReader reader;
  EXPECT_TRUE(reader.loadfromfile(path));
  EXPECT_EQ(reader.header.Version, 20000);
  EXPECT_FALSE(reader.loadfromfile(folder.Path() / "absent.skn"));
}

TEST(SkinPackageWriter, LaysOutHeaderDirectoryAndSizes) {
  const std::vector<uint8_t> package = BuildSkinPackage({{"a.ini", Bytes("xy")}, {"B.bmp", Bytes("z")}}, 50000);
  const std::string directory = "a.ini\r\nB.bmp\r\n";
  ASSERT_EQ(package.size(), 16u + 48 + directory.size() + 8 + 3);
  EXPECT_EQ(LoadLE32(package), 50000);
  EXPECT_EQ(LoadLE32(std::span(package).subspan(4)), static_cast<int32_t>(directory.size()));
  EXPECT_EQ(std::string(package.begin() + 64, package.begin() + 64 + 14), directory);
  EXPECT_EQ(LoadLE32(std::span(package).subspan(78)), 2);
  EXPECT_EQ(LoadLE32(std::span(package).subspan(82)), 1);
  EXPECT_EQ(std::string(package.end() - 3, package.end()), "xyz");

  EXPECT_THROW(BuildSkinPackage({}, 12345), PackageWriteError);
  EXPECT_THROW(BuildSkinPackage({{"a\r\nb", {}}}), PackageWriteError);
  EXPECT_THROW(BuildSkinPackage(std::vector<PackageMember>(1002, {"m", {}})), PackageWriteError);
}

}  // namespace
}  // namespace lanvero
