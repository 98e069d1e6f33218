// --skin FILE with packages the engine cannot use (random bytes, a skin cut
// short, a missing file, a valid package with hostile contents): the reason
// is shown, the gallery goes on with its default skin. A good package file
// is worn instead of the default. Valid packages with hostile contents
// (HostileSkins.h), worn with --unchecked, reach the engine itself: every
// page shows and repaints while the gallery keeps answering, and it ends
// cleanly.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <stdexcept>
#include <vector>

#include "tests/e2e/driver/Desktop.h"
#include "tests/e2e/support/SkinFiles.h"
#include "tests/gallery/GallerySession.h"
#include "tests/gallery/HostileSkins.h"
#include "tests/gallery/ReportRows.h"

namespace lanvero::gallery::testing {
namespace {

using e2e::BuiltSkinPath;
using e2e::Eventually;
using e2e::Quoted;
using e2e::RandomBytesFile;
using e2e::TruncatedSkinFile;

// The gallery's pages; five when this was written, more may come.
constexpr int kLeastPages = 5;
// A gallery busy for longer than this is taken to hang.
constexpr UINT kAnswerTimeoutMs = 5000;

bool Answers(HWND window) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, kAnswerTimeoutMs, &result) != 0;
}

// Shows every page and repaints it whole, frame included; each time the
// gallery must finish painting and answer.
void ShowAndRepaintEveryPage(GallerySession& gallery) {
  const int pages = static_cast<int>(SendMessageW(gallery.Pages(), TCM_GETITEMCOUNT, 0, 0));
  EXPECT_GE(pages, kLeastPages);
  for (int page = 0; page < pages && gallery.Program().IsRunning(); ++page) {
    gallery.ShowPage(page);
    RedrawWindow(gallery.Form(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    EXPECT_TRUE(e2e::WaitForPainted(gallery.Id())) << "page " << page << " never finished painting";
    EXPECT_TRUE(Answers(gallery.Form())) << "the gallery stopped answering on page " << page;
  }
}

// Starts the gallery wearing the package whatever the check finds, answers
// the message that lists the check's errors, and goes through every page.
void ExpectWornAndEveryPagePaints(const HostileSkin& skin) {
  SCOPED_TRACE(skin.name);
  const std::wstring file = e2e::WriteTemporaryFile(skin.file);
  auto gallery = GallerySession::Launch(L"--skin " + Quoted(file) + L" --unchecked");
  try {
    gallery->WaitForMainWindow();
  } catch (const std::runtime_error& failure) {
    ADD_FAILURE() << failure.what() << "; the gallery " << (gallery->Program().IsRunning() ? "runs" : "ended");
    return;
  }
  if (const auto box = e2e::WaitForMessageBox(gallery->Id(), 1500)) {
    EXPECT_NE(box->text.find(L"wears it anyway"), std::wstring::npos) << box->text.c_str();
    EXPECT_TRUE(e2e::PressDialogButton(box->hwnd, IDOK));
  }
  ShowAndRepaintEveryPage(*gallery);
  ASSERT_TRUE(gallery->Program().IsRunning()) << "the gallery ended";
  EXPECT_TRUE(gallery->Close()) << "the gallery did not end cleanly";
  DeleteFileW(file.c_str());
}

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

TEST(HostileSkinTest, AValidPackageWithHostileContentsIsReportedAndTheDefaultSkinStays) {
  const std::wstring file =
      e2e::WriteTemporaryFile(HugeFrameCountSkin(e2e::ReadWholeFile(BuiltSkinPath(L"paleglass"))).file);
  ExpectReportedAndIgnored(file);
  DeleteFileW(file.c_str());
}

TEST(HostileSkinTest, ValidPackagesWithHostileContentsAreWornAndEveryPagePaints) {
  const std::vector<std::uint8_t> paleglass = e2e::ReadWholeFile(BuiltSkinPath(L"paleglass"));
  ASSERT_GT(paleglass.size(), 1000u) << "the packed default skin was not found";
  for (const HostileSkin& skin : HostileSkins(paleglass)) ExpectWornAndEveryPagePaints(skin);
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

  auto gallery = GallerySession::Start(L"--skin " + Quoted(BuiltSkinPath(L"coalrim")));
  EXPECT_FALSE(e2e::WaitForMessageBox(gallery->Id(), 1000)) << "a good skin was refused";
  EXPECT_TRUE(Eventually([&] { return CaptionBrightness(gallery->Form()) < paleglass - 40; }, true))
      << "the gallery does not wear the skin of the file";
}

}  // namespace
}  // namespace lanvero::gallery::testing
