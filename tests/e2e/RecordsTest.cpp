// Reading records: clicking a row shows its body, the wheel steps through
// the rows one at a time, the copy button fills the clipboard, and the Tab
// key walks the first page's controls in their order. One program serves
// the whole suite.
//
// The current row is read from the screen: the grid draws a black arrow in
// the indicator cell of the current row (support/GridView). Which record
// that row holds is then confirmed by clicking it and reading the memo,
// since a click selects the row under the mouse without moving elsewhere.
#include <gtest/gtest.h>

#include "tests/e2e/driver/Clipboard.h"
#include "tests/e2e/driver/RemoteControls.h"
#include "tests/e2e/support/Expectations.h"
#include "tests/e2e/support/GridView.h"
#include "tests/e2e/support/LanveroSession.h"
#include "tests/e2e/support/SurnameData.h"

namespace lanvero::e2e {
namespace {

constexpr int kWheelTowardsUser = -WHEEL_DELTA;
constexpr int kWheelAway = WHEEL_DELTA;

const std::vector<SurnameRecord>& Records() { return SurnameData::Shipped().Records(); }

class RecordsTest : public ::testing::Test {
 protected:
  static void TearDownTestSuite() { lanvero_.reset(); }

  // Each case starts from the full list with the first row current.
  void SetUp() override {
    LanveroSession::EnsureUsable(lanvero_);
    lanvero_->PressButton(L"刷新");
  }

  static GridView Grid() { return ReadGrid(lanvero_->Grid()); }

  // The visible row with the arrow, once it is `expected` or after a while.
  static std::optional<int> CurrentRow(std::optional<int> expected) {
    return Eventually([] { return Grid().currentRow; }, expected);
  }

  static void ClickRow(int row, int xOffset = 0) {
    lanvero_->ClickAt(lanvero_->Grid(), Grid().CellPoint(row, xOffset));
  }

  static void WheelOverGrid(int distance) {
    Wheel(lanvero_->Grid(), Grid().CellPoint(0), distance);
    lanvero_->Settle();
  }

  // The window with the focus once it is `expected`, or after a while.
  static HWND FocusedWindow(HWND expected) {
    return Eventually([] { return FocusedWindowOfThread(lanvero_->Form()); }, expected);
  }

  // Empties the memo as a person would: select everything and delete it.
  static void EraseMemo() {
    lanvero_->ClickOn(lanvero_->MemoInfo());
    PressKeyCombination(VK_CONTROL, VK_HOME);
    PressKeyChord({VK_CONTROL, VK_SHIFT, VK_END});
    PressKey(VK_DELETE);
    lanvero_->Settle();
  }

  static std::unique_ptr<LanveroSession> lanvero_;
};
std::unique_ptr<LanveroSession> RecordsTest::lanvero_;

TEST_F(RecordsTest, ClickingARowShowsItsBodyWithoutBreakMarks) {
  ClickRow(0);
  EXPECT_TRUE(MemoBecomes(*lanvero_, Records()[0].shownBody));

  ClickRow(4);
  EXPECT_TRUE(MemoBecomes(*lanvero_, Records()[4].shownBody));
  const std::wstring body = lanvero_->Memo();
  EXPECT_EQ(body.find(L"<br>"), std::wstring::npos);
  EXPECT_NE(body.find(L"\r\n"), std::wstring::npos) << "the body's lines should stay lines";

  // Another place of the same row, after the memo was emptied by hand,
  // shows the same text again.
  EraseMemo();
  ASSERT_TRUE(MemoBecomes(*lanvero_, L""));
  ClickRow(4, 60);
  EXPECT_TRUE(MemoBecomes(*lanvero_, body));
}

TEST_F(RecordsTest, WheelStepsOneRowPerMessageAndStopsAtTheFirstRow) {
  ClickRow(0);  // the grid takes the focus; the first row stays current
  ASSERT_EQ(CurrentRow(0), 0);

  WheelOverGrid(kWheelAway);
  EXPECT_EQ(CurrentRow(0), 0) << "a move up from the first row";
  for (int row = 1; row <= 3; ++row) {
    WheelOverGrid(kWheelTowardsUser);
    EXPECT_EQ(CurrentRow(row), row);
  }
  WheelOverGrid(kWheelAway);
  EXPECT_EQ(CurrentRow(2), 2);
  WheelOverGrid(2 * kWheelAway);
  EXPECT_EQ(CurrentRow(1), 1) << "a double distance still moves one row";
  WheelOverGrid(-3 * kWheelAway);
  EXPECT_EQ(CurrentRow(2), 2) << "a triple distance still moves one row";

  const std::optional<int> current = Grid().currentRow;
  ASSERT_TRUE(current.has_value());
  ClickRow(*current);
  EXPECT_TRUE(MemoBecomes(*lanvero_, Records()[2].shownBody)) << "the arrow's row is not record 3";
}

TEST_F(RecordsTest, WheelMessageWithoutDistanceMovesUp) {
  // A wheel message whose distance is 0 cannot be made with a real wheel,
  // so it is posted to the grid as the system would deliver it.
  ClickRow(2);
  ASSERT_EQ(CurrentRow(2), 2);
  RECT grid = WindowRectOnScreen(lanvero_->Grid());
  PostMessageW(lanvero_->Grid(), WM_MOUSEWHEEL, MAKEWPARAM(0, 0), MAKELPARAM(grid.left + 30, grid.top + 30));
  lanvero_->Settle();
  EXPECT_EQ(CurrentRow(1), 1);
}

TEST_F(RecordsTest, WheelStopsAtTheLastRow) {
  ClickRow(0);
  PressKeyCombination(VK_CONTROL, VK_END);
  lanvero_->Settle();
  const GridView atEnd = Grid();
  ASSERT_TRUE(atEnd.currentRow.has_value()) << "no current row after Ctrl+End";

  WheelOverGrid(kWheelTowardsUser);
  WheelOverGrid(kWheelTowardsUser);
  EXPECT_EQ(CurrentRow(atEnd.currentRow), atEnd.currentRow) << "a move down from the last row";
  ClickRow(*atEnd.currentRow);
  EXPECT_TRUE(MemoBecomes(*lanvero_, Records().back().shownBody));

  WheelOverGrid(kWheelAway);
  EXPECT_EQ(CurrentRow(*atEnd.currentRow - 1), *atEnd.currentRow - 1);
  ClickRow(*atEnd.currentRow - 1);
  EXPECT_TRUE(MemoBecomes(*lanvero_, Records()[Records().size() - 2].shownBody));
}

TEST_F(RecordsTest, CopyingAnEmptyMemoAsksForARecordAndLeavesTheClipboard) {
  EraseMemo();
  ASSERT_TRUE(MemoBecomes(*lanvero_, L""));
  const std::wstring marker = L"e2e clipboard marker";
  ASSERT_TRUE(WriteClipboardText(marker));
  lanvero_->PressButton(L"复制");
  EXPECT_EQ(lanvero_->AnswerMessage(), L"请选择一条信息再复制！");
  EXPECT_EQ(lanvero_->LastMessageCaption(), L"Lanvero V1.0");
  EXPECT_EQ(ReadClipboardText(), marker);
}

TEST_F(RecordsTest, CopyingPutsTheShownBodyOnTheClipboard) {
  ClickRow(6);
  ASSERT_TRUE(MemoBecomes(*lanvero_, Records()[6].shownBody));
  const std::wstring body = lanvero_->Memo();
  ASSERT_TRUE(WriteClipboardText(L"e2e clipboard marker"));
  lanvero_->PressButton(L"复制");
  EXPECT_EQ(lanvero_->AnswerMessage(), L"该信息已经拷贝到剪切板.");
  EXPECT_EQ(ReadClipboardText(), body);
}

TEST_F(RecordsTest, TabWalksGridCopyRefreshSearchKeywordMemo) {
  const std::vector<HWND> order = {lanvero_->Grid(),          lanvero_->Button(L"复制"), lanvero_->Button(L"刷新"),
                                   lanvero_->Button(L"搜索"), lanvero_->Keyword(),       lanvero_->MemoInfo()};
  // Backwards from the keyword box to the grid (the grid keeps Tab for
  // moving between its columns), then forwards from the keyword box.
  lanvero_->ClickOn(lanvero_->Keyword());
  ASSERT_EQ(FocusedWindow(lanvero_->Keyword()), lanvero_->Keyword());
  for (int i = 3; i >= 0; --i) {
    PressKeyCombination(VK_SHIFT, VK_TAB);
    lanvero_->Settle();
    EXPECT_EQ(FocusedWindow(order[i]), order[i]) << "Shift+Tab to position " << i;
  }
  lanvero_->ClickOn(lanvero_->Keyword());
  PressKey(VK_TAB);
  lanvero_->Settle();
  EXPECT_EQ(FocusedWindow(lanvero_->MemoInfo()), lanvero_->MemoInfo());
}

}  // namespace
}  // namespace lanvero::e2e
