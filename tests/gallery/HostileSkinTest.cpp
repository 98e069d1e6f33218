// --skin FILE with packages the engine cannot use (random bytes, a skin cut
// short, a missing file): the reason is shown, the gallery goes on with its
// default skin. A good package file is worn instead of the default.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

#include "tests/e2e/driver/Desktop.h"
#include "tests/gallery/GallerySession.h"
#include "tests/gallery/ReportRows.h"

namespace lanvero::gallery::testing {
namespace {

using e2e::Eventually;

std::vector<char> ReadBytes(const std::wstring& path) {
  std::ifstream file{std::filesystem::path(path), std::ios::binary};
  return std::vector<char>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::wstring WriteBytes(const std::vector<char>& bytes) {
  const std::wstring path = TemporaryFile(L"skn");
  std::ofstream{std::filesystem::path(path), std::ios::binary}.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path;
}

std::wstring SkinPath(const wchar_t* name) { return e2e::BuildTreePath(std::wstring(L"assets/skins/") + name); }

// The same pseudo-random bytes on every run.
std::wstring RandomBytesFile() {
  std::vector<char> bytes(3000);
  uint32_t state = 12345;
  for (char& byte : bytes) {
    state = state * 1103515245u + 12345u;
    byte = static_cast<char>(state >> 16);
  }
  return WriteBytes(bytes);
}

std::wstring TruncatedSkinFile() {
  std::vector<char> skin = ReadBytes(SkinPath(L"paleglass.skn"));
  EXPECT_GT(skin.size(), 1000u) << "the packed default skin was not found";
  skin.resize(skin.size() * 2 / 5);
  return WriteBytes(skin);
}

std::wstring Quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

// Starts the gallery with the file, reads and answers its message, and
// checks that the main window then comes up with the default skin.
void ExpectReportedAndIgnored(const std::wstring& file) {
  auto gallery = GallerySession::Launch(L"--skin " + Quoted(file));
  const auto box = e2e::WaitForMessageBox(gallery->Id());
  ASSERT_TRUE(box) << "no message about the unusable skin";
  EXPECT_NE(box->text.find(L"cannot be used"), std::wstring::npos) << box->text.c_str();
  EXPECT_NE(box->text.find(L"\n- "), std::wstring::npos) << "no reason given: " << box->text.c_str();
  ASSERT_TRUE(e2e::PressDialogButton(box->hwnd, IDOK));
  gallery->WaitForMainWindow();
  EXPECT_TRUE(Eventually([&] { return AnswersSkinQuery(gallery->Form()); }, true))
      << "the gallery did not go on with its default skin";
  EXPECT_TRUE(gallery->Close()) << "the gallery did not end cleanly";
}

TEST(HostileSkinTest, RandomBytesAreReportedAndTheDefaultSkinStays) {
  const std::wstring file = RandomBytesFile();
  ExpectReportedAndIgnored(file);
  DeleteFileW(file.c_str());
}

TEST(HostileSkinTest, ATruncatedSkinIsReportedAndTheDefaultSkinStays) {
  const std::wstring file = TruncatedSkinFile();
  ExpectReportedAndIgnored(file);
  DeleteFileW(file.c_str());
}

TEST(HostileSkinTest, AMissingFileIsReported) {
  const std::wstring gone = TemporaryFile(L"gon");
  DeleteFileW(gone.c_str());
  ExpectReportedAndIgnored(gone);
}

TEST(HostileSkinTest, TheReportRunGoesOnWithTheDefaultSkin) {
  const std::wstring skin = TruncatedSkinFile();
  const std::wstring report = TemporaryFile(L"rpt");
  Process program = Process::Launch(GalleryExe(), L"--skin " + Quoted(skin) + L" --report-file " + Quoted(report));
  ASSERT_TRUE(program.WaitForExit(60000)) << "the report run did not end";
  EXPECT_EQ(program.ExitCode(), 0u);
  const std::vector<ReportRow> rows = ReadReport(report);
  ASSERT_GT(rows.size(), 20u);
  EXPECT_EQ(rows.front().Answer(), "1") << "the main window was not skinned with the default skin";
  DeleteFileW(skin.c_str());
  DeleteFileW(report.c_str());
}

TEST(HostileSkinTest, AGoodPackageFileIsWornInsteadOfTheDefault) {
  auto usual = GallerySession::Start();
  ASSERT_TRUE(Eventually([&] { return AnswersSkinQuery(usual->Form()); }, true));
  const int paleglass = CaptionBrightness(usual->Form());
  usual->Close();

  auto gallery = GallerySession::Start(L"--skin " + Quoted(SkinPath(L"coalrim.skn")));
  EXPECT_FALSE(e2e::WaitForMessageBox(gallery->Id(), 1000)) << "a good skin was refused";
  EXPECT_TRUE(Eventually([&] { return CaptionBrightness(gallery->Form()) < paleglass - 40; }, true))
      << "the gallery does not wear the skin of the file";
}

}  // namespace
}  // namespace lanvero::gallery::testing
