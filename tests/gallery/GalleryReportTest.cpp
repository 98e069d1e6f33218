// The report (--report-file): one well-formed line per control, checked
// against the windows of a gallery that runs normally, so that a control
// the report leaves out, or one it names wrongly, is caught.
#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <set>

#include "tests/e2e/driver/Desktop.h"
#include "tests/gallery/GallerySession.h"
#include "tests/gallery/ReportRows.h"

namespace lanvero::gallery::testing {
namespace {

constexpr DWORD kReportTimeoutMs = 60000;
constexpr int kPageCount = 5;

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

// Runs the gallery with --report-file and reads what it wrote.
std::vector<ReportRow> RunReport(const std::wstring& extraArguments = L"") {
  const std::wstring file = TemporaryFile(L"rpt");
  Process program = Process::Launch(GalleryExe(), extraArguments + L" --report-file \"" + file + L"\"");
  EXPECT_TRUE(program.WaitForExit(kReportTimeoutMs)) << "the report run did not end";
  EXPECT_EQ(program.ExitCode(), 0u);
  std::vector<ReportRow> rows = ReadReport(file);
  DeleteFileW(file.c_str());
  return rows;
}

// The rows of the main window's block and of the plain dialog's block.
struct ReportBlocks {
  std::vector<ReportRow> form;
  std::vector<ReportRow> dialog;
};

ReportBlocks SplitBlocks(const std::vector<ReportRow>& rows) {
  ReportBlocks blocks;
  bool inDialog = false;
  for (const ReportRow& row : rows) {
    inDialog = inDialog || row.WindowClass() == "#32770";
    (inDialog ? blocks.dialog : blocks.form).push_back(row);
  }
  return blocks;
}

// The framework names a control's window class after the control's class
// ("TButton"); the system's own windows inside controls (a combo box's
// edit, a list view's header) have names of another shape.
bool IsFrameworkWindowClass(const std::string& name) {
  return name.size() > 1 && name[0] == 'T' && std::isupper(static_cast<unsigned char>(name[1]));
}

std::multiset<std::string> WindowClassesOf(const std::vector<HWND>& windows, bool frameworkOnly) {
  std::multiset<std::string> classes;
  for (HWND window : windows) {
    const std::string name = Narrow(e2e::WindowClass(window));
    // The engine's own helper windows (scroll bar and media player overlays)
    // are no controls of the gallery.
    if (name == "TWScrollbar" || name == "TWMediaPlayer") continue;
    if (!frameworkOnly || IsFrameworkWindowClass(name)) classes.insert(name);
  }
  return classes;
}

class GalleryReportTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { rows_ = RunReport(); }
  static void TearDownTestSuite() { rows_.clear(); }
  static std::vector<ReportRow> rows_;
};
std::vector<ReportRow> GalleryReportTest::rows_;

TEST_F(GalleryReportTest, EveryLineHoldsFourFieldsAndTheSkinnedWindowsSayYes) {
  ASSERT_GT(rows_.size(), 20u);
  for (const ReportRow& row : rows_) {
    ASSERT_EQ(row.fields.size(), 4u) << "a line with other than four fields";
    EXPECT_FALSE(row.WindowClass().empty());
    EXPECT_TRUE(row.Skinner() == "native" || row.Skinner().rfind("TSkin", 0) == 0) << row.Skinner();
    EXPECT_TRUE(row.Answer() == "0" || row.Answer() == "1") << row.Answer();
  }
  const ReportBlocks blocks = SplitBlocks(rows_);
  ASSERT_FALSE(blocks.form.empty());
  ASSERT_FALSE(blocks.dialog.empty()) << "the plain dialog is missing";
  EXPECT_EQ(blocks.form.front().FrameworkClass(), "TGalleryForm");
  // The engine skins both windows' frames: the answers are asked, not written down.
  EXPECT_EQ(blocks.form.front().Answer(), "1");
  EXPECT_EQ(blocks.dialog.front().Answer(), "1");
}

TEST_F(GalleryReportTest, FrameworkControlsKeepTheirClassAsWindowClassAndEveryKindIsThere) {
  std::set<std::string> kinds;
  for (const ReportRow& row : SplitBlocks(rows_).form) {
    ASSERT_FALSE(row.IsRawWindow()) << "a raw window among the main window's controls";
    kinds.insert(row.FrameworkClass());
    if (row.WindowClass() != "-") {
      EXPECT_EQ(row.WindowClass(), row.FrameworkClass());
    }
  }
  for (const char* kind :
       {"TButton",     "TBitBtn",         "TSpeedButton", "TCheckBox",    "TRadioButton", "TRadioGroup",
        "TGroupBox",   "TEdit",           "TMemo",        "TComboBox",    "TListBox",     "TListView",
        "TUpDown",     "TDateTimePicker", "TScrollBar",   "TPageControl", "TTabSheet",    "TTabControl",
        "TPanel",      "THeaderControl",  "TStatusBar",   "TProgressBar", "TTrackBar",    "TToolBar",
        "TToolButton", "TCheckListBox",   "TTreeView",    "TScrollBox",   "TTabSet",      "TMediaPlayer"}) {
    EXPECT_TRUE(kinds.count(kind)) << kind << " is not in the report";
  }
}

// Kinds the engine skins with a hooked skinner report it and answer the
// skin query; a tree view stays native.
TEST_F(GalleryReportTest, SkinnedKindsNameTheirSkinnerAndAnswerTheQuery) {
  const std::map<std::string, std::string> expected = {{"TTabSet", "TSkinTab31"},
                                                       {"TMediaPlayer", "TSkinMP"},
                                                       {"TPageControl", "TSkinTab"},
                                                       {"TDateTimePicker", "TSkinDateTime"},
                                                       {"TTrackBar", "TSkinTrackBar"},
                                                       {"TTreeView", "native"}};
  std::map<std::string, int> seen;
  for (const ReportRow& row : SplitBlocks(rows_).form) {
    const auto want = expected.find(row.FrameworkClass());
    if (want == expected.end()) continue;
    // A date picker of the time kind is skinned as an edit.
    if (row.FrameworkClass() == "TDateTimePicker" && row.Skinner() == "TSkinEdit") continue;
    ++seen[want->first];
    EXPECT_EQ(row.Skinner(), want->second) << row.FrameworkClass();
    EXPECT_EQ(row.Answer(), want->second == "native" ? "0" : "1") << row.FrameworkClass();
  }
  for (const auto& [kind, skinner] : expected) EXPECT_GT(seen[kind], 0) << kind << " is not in the report";
}

TEST_F(GalleryReportTest, ListsEveryWindowOfTheRunningGalleryAndItsDialog) {
  const ReportBlocks blocks = SplitBlocks(rows_);
  std::multiset<std::string> reportedWindows;
  for (size_t i = 1; i < blocks.form.size(); ++i) {
    if (blocks.form[i].WindowClass() != "-") reportedWindows.insert(blocks.form[i].WindowClass());
  }
  std::multiset<std::string> reportedDialog;
  for (size_t i = 1; i < blocks.dialog.size(); ++i) reportedDialog.insert(blocks.dialog[i].WindowClass());

  auto gallery = GallerySession::Start();
  for (int page = kPageCount - 1; page >= 0; --page) gallery->ShowPage(page);
  EXPECT_EQ(WindowClassesOf(ChildWindows(gallery->Form()), true), reportedWindows);

  gallery->ClickOn(gallery->ButtonControl(L"TButton", L"Plain dialog..."));
  HWND dialog = e2e::WaitForWindow(gallery->Id(), L"#32770");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(WindowClassesOf(ChildWindows(dialog), false), reportedDialog);
  e2e::PressDialogButton(dialog, IDCANCEL);
}

}  // namespace
}  // namespace lanvero::gallery::testing
