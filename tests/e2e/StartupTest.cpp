// Starting Lanvero.exe and looking at what a person sees before touching
// anything: the window's size, place and frame, its caption and taskbar
// title, the record count in the status bar, the banner, the untouched
// controls and the About page.
#include <gtest/gtest.h>

#include <set>

#include "tests/e2e/driver/RemoteControls.h"
#include "tests/e2e/driver/Screenshot.h"
#include "tests/e2e/support/GridView.h"
#include "tests/e2e/support/LanveroSession.h"
#include "tests/e2e/support/SurnameData.h"

namespace lanvero::e2e {
namespace {

constexpr int kClientWidth = 665;
constexpr int kClientHeight = 612;
constexpr int kBannerHeight = 130;

class StartupTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { lanvero_ = LanveroSession::Start(); }
  static void TearDownTestSuite() { lanvero_.reset(); }
  void SetUp() override { ASSERT_TRUE(lanvero_ && lanvero_->Program().IsRunning()); }

  static std::unique_ptr<LanveroSession> lanvero_;
};
std::unique_ptr<LanveroSession> StartupTest::lanvero_;

TEST_F(StartupTest, MainWindowHasItsClientSizeAndIsCentredOnTheDesktop) {
  HWND form = lanvero_->Form();
  const SIZE client = ClientSize(form);
  EXPECT_EQ(client.cx, kClientWidth);
  EXPECT_EQ(client.cy, kClientHeight);

  // The form is centred with the system's frame; the skinned frame that
  // replaces it keeps the window's top-left corner and the client size, so
  // the centre moves by half the difference of the two frames.
  const RECT frame = WindowRectOnScreen(form);
  constexpr int kFrameDifference = 24;
  EXPECT_LE(std::abs((frame.left + frame.right) - GetSystemMetrics(SM_CXSCREEN)), kFrameDifference);
  EXPECT_LE(std::abs((frame.top + frame.bottom) - GetSystemMetrics(SM_CYSCREEN)), kFrameDifference);
}

TEST_F(StartupTest, BorderIsSingleAndOnlyTheSystemMenuIsOffered) {
  const LONG style = GetWindowLongW(lanvero_->Form(), GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  // The skinned frame draws its own caption buttons and keeps the system's
  // off by taking WS_SYSMENU away while it paints: the window answers the
  // skin engine's query instead.
  constexpr UINT kSkinQuery = 0x3523;
  EXPECT_EQ(SendMessageW(lanvero_->Form(), kSkinQuery, 0, 0), 1) << "the main window is not skinned";
  EXPECT_FALSE(style & WS_THICKFRAME) << "the window must not be resizable";
  EXPECT_FALSE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
}

TEST_F(StartupTest, CaptionCarriesTheVersionAndTheTaskbarTheApplicationTitle) {
  EXPECT_EQ(WindowText(lanvero_->Form()), L"Lanvero 1.3.20130318");
  // The taskbar shows the window that owns the main form: the application window.
  HWND application = GetWindow(lanvero_->Form(), GW_OWNER);
  ASSERT_NE(application, nullptr);
  EXPECT_EQ(WindowText(application), L"Lanvero V1.0");
  EXPECT_EQ(GetWindow(application, GW_OWNER), nullptr);
}

TEST_F(StartupTest, StatusBarCountsTheRecordsOfTheShippedData) {
  const size_t records = SurnameData::Shipped().Count();
  ASSERT_GT(records, 0u);
  EXPECT_EQ(lanvero_->Status(0), L"共" + std::to_wstring(records) + L"条信息");
  EXPECT_EQ(lanvero_->Status(1).rfind(L"OristelQQ群:", 0), 0u)
      << "panel 1: " << testing::PrintToString(lanvero_->Status(1));
}

TEST_F(StartupTest, GridStartsOnTheFirstRecordWithAnEmptyMemoAndPlaceholderKeyword) {
  const GridView grid = ReadGrid(lanvero_->Grid());
  EXPECT_GT(grid.rows.size(), 10u) << "the grid should be filled with records";
  EXPECT_EQ(grid.currentRow, 0);
  EXPECT_TRUE(GetWindowLongW(lanvero_->Grid(), GWL_STYLE) & WS_VSCROLL) << "more records than rows: a scroll bar";
  EXPECT_TRUE(GetWindowLongW(lanvero_->Grid(), GWL_STYLE) & WS_HSCROLL) << "the title column is wider than the grid";
  EXPECT_EQ(lanvero_->Memo(), L"");
  EXPECT_EQ(ControlText(lanvero_->Keyword()), L"请输入搜索关键词");
  EXPECT_FALSE(IsDefaultPushButton(lanvero_->Button(L"搜索"))) << "the search button becomes default only later";
}

TEST_F(StartupTest, ScreenshotOfTheMainWindowShowsTheBanner) {
  const Image window = CaptureWindow(lanvero_->Form());
  EXPECT_TRUE(SaveBitmap(window, OutputPath(L"e2e-main.bmp")));

  RECT banner = ClientRectOnScreen(lanvero_->Form());
  banner.bottom = banner.top + kBannerHeight;
  const Image pixels = CaptureScreenRect(banner);
  ASSERT_EQ(pixels.width, kClientWidth);
  std::set<std::uint32_t> colours(pixels.pixels.begin(), pixels.pixels.end());
  EXPECT_GT(colours.size(), 50u) << "the banner region looks blank";
}

TEST_F(StartupTest, AboutPageShowsTheEditableVersionAndTheReleaseNotes) {
  lanvero_->ShowPage(1);
  EXPECT_TRUE(IsWindowVisible(lanvero_->VersionEdit()));
  EXPECT_FALSE(IsWindowVisible(lanvero_->Grid()));
  EXPECT_EQ(ControlText(lanvero_->VersionEdit()), L"1.3.20130318");
  EXPECT_FALSE(GetWindowLongW(lanvero_->VersionEdit(), GWL_STYLE) & ES_READONLY);
  HWND notes = FindChild(GetParent(lanvero_->VersionEdit()), L"TMemo");
  ASSERT_NE(notes, nullptr);
  EXPECT_EQ(ControlText(notes), L"1.3更新说明：\r\n1.支持回车搜索\r\n2.新增了300多个姓氏查询");
  lanvero_->ShowPage(0);
  EXPECT_TRUE(IsWindowVisible(lanvero_->Grid()));
}

TEST_F(StartupTest, EnterDoesNotSearchBeforeTheKeywordBoxHadTheFocus) {
  HWND focused = FocusedWindowOfThread(lanvero_->Form());
  ASSERT_NE(focused, nullptr);
  ASSERT_NE(WindowClass(focused), L"TButton") << "Enter on a focused button would press it";
  Activate(lanvero_->Form());
  PressKey(VK_RETURN);
  lanvero_->Settle();
  EXPECT_EQ(lanvero_->AnswerMessage(1000), std::nullopt) << "Enter started a search";
  EXPECT_EQ(lanvero_->Status(), L"共" + std::to_wstring(SurnameData::Shipped().Count()) + L"条信息");
}

}  // namespace
}  // namespace lanvero::e2e
