// Listing and searching as a person does it: typing into the keyword box,
// pressing the buttons or Enter, reading the status bar, the grid and the
// messages. One program serves the whole suite.
#include <gtest/gtest.h>

#include "tests/e2e/driver/RemoteControls.h"
#include "tests/e2e/driver/Screenshot.h"
#include "tests/e2e/support/Expectations.h"
#include "tests/e2e/support/GridView.h"
#include "tests/e2e/support/LanveroSession.h"
#include "tests/e2e/support/SurnameData.h"

namespace lanvero::e2e {
namespace {

constexpr wchar_t kPlaceholder[] = L"请输入搜索关键词";
constexpr wchar_t kAskForKeyword[] = L"请输入搜索关键词！";
constexpr wchar_t kNothingFound[] = L"对不起没有找到相关信息！请重新输入关键词";
// Only titles can match a keyword that holds characters other than hex
// digits (the bodies are stored as hex text); none of the titles holds this.
constexpr wchar_t kUnknownKeyword[] = L"无此记录";

const SurnameData& Data() { return SurnameData::Shipped(); }

std::wstring AllRecordsStatus() { return L"共" + std::to_wstring(Data().Count()) + L"条信息"; }

std::wstring FoundStatus(const std::wstring& typed, size_t count) {
  return L"关于" + typed + L"的信息,共搜索到" + std::to_wstring(count) + L"条";
}

bool HasVerticalScrollBar(HWND hwnd) { return (GetWindowLongW(hwnd, GWL_STYLE) & WS_VSCROLL) != 0; }

class SearchTest : public ::testing::Test {
 protected:
  static void TearDownTestSuite() { lanvero_.reset(); }

  void SetUp() override { LanveroSession::EnsureUsable(lanvero_); }

  // The keyword box's text once it is `expected`, or after a while.
  static std::wstring KeywordText(const std::wstring& expected) {
    return Eventually([] { return ControlText(lanvero_->Keyword()); }, expected);
  }

  // Clicks a visible row of the grid.
  static void ClickRow(int row) {
    const GridView grid = ReadGrid(lanvero_->Grid());
    if (row < static_cast<int>(grid.rows.size())) lanvero_->ClickAt(lanvero_->Grid(), grid.CellPoint(row));
  }

  // Clicks a visible row and checks that the memo shows the record's body.
  static testing::AssertionResult RowShowsRecord(int row, size_t record) {
    if (row >= static_cast<int>(ReadGrid(lanvero_->Grid()).rows.size())) {
      return testing::AssertionFailure() << "the grid shows no row " << row;
    }
    ClickRow(row);
    return MemoBecomes(*lanvero_, Data().Records()[record].shownBody);
  }

  // Presses the search button with the box as it is: the program asks for
  // a keyword, and the status, the memo and the grid stay as they were.
  static void ExpectRefusedSearchChangesNothing() {
    lanvero_->ClickOn(lanvero_->MemoInfo());  // the grid draws its selection only while focused
    const std::wstring status = lanvero_->Status();
    const std::wstring memo = lanvero_->Memo();
    const Image gridBefore = CaptureClient(lanvero_->Grid());
    lanvero_->PressButton(L"搜索");
    EXPECT_EQ(lanvero_->AnswerMessage(), kAskForKeyword);
    EXPECT_EQ(lanvero_->LastMessageCaption(), L"Lanvero V1.0");
    EXPECT_EQ(lanvero_->LastMessageButtonCount(), 1u) << "an information box offers OK only";
    EXPECT_EQ(lanvero_->Status(), status);
    EXPECT_EQ(lanvero_->Memo(), memo);
    const ImageDifference difference = Compare(CaptureClient(lanvero_->Grid()), gridBefore, 0);
    EXPECT_TRUE(difference.sameSize);
    EXPECT_EQ(difference.differingPixels, 0) << "the grid changed";
  }

  static std::unique_ptr<LanveroSession> lanvero_;
};
std::unique_ptr<LanveroSession> SearchTest::lanvero_;

TEST_F(SearchTest, PlaceholderOrAnEmptyBoxAsksForAKeywordAndChangesNothing) {
  // As shipped the box holds the placeholder; if an earlier case changed
  // it, it is typed in again.
  if (ControlText(lanvero_->Keyword()) != kPlaceholder) lanvero_->TypeKeyword(kPlaceholder);
  ExpectRefusedSearchChangesNothing();

  lanvero_->SearchFor(L"张");
  ASSERT_EQ(lanvero_->AnswerMessage(1000), std::nullopt);
  ClickRow(0);
  lanvero_->TypeKeyword(kPlaceholder);
  ExpectRefusedSearchChangesNothing();

  lanvero_->ClickOn(lanvero_->Keyword());  // empties the box
  ASSERT_EQ(KeywordText(L""), L"");
  ExpectRefusedSearchChangesNothing();
}

TEST_F(SearchTest, SurnameMarkAloneMatchesEveryRecord) {
  lanvero_->SearchFor(L"姓");
  EXPECT_EQ(lanvero_->AnswerMessage(1000), std::nullopt);
  EXPECT_TRUE(StatusBecomes(*lanvero_, FoundStatus(L"姓", Data().Count())));
  EXPECT_TRUE(HasVerticalScrollBar(lanvero_->Grid()));
  EXPECT_TRUE(RowShowsRecord(2, 2));
}

TEST_F(SearchTest, KeywordFindsItsRecordsAndRefreshListsEverythingAgain) {
  const std::vector<size_t> expected = Data().TitlesContaining(L"张");
  ASSERT_EQ(expected.size(), 1u) << "the data set changed: pick another keyword";
  lanvero_->SearchFor(L"张");
  EXPECT_EQ(lanvero_->AnswerMessage(1000), std::nullopt);
  EXPECT_TRUE(StatusBecomes(*lanvero_, FoundStatus(L"张", expected.size())));
  const GridView found = ReadGrid(lanvero_->Grid());
  EXPECT_EQ(found.rows.size(), expected.size());
  EXPECT_EQ(found.currentRow, 0);
  EXPECT_FALSE(HasVerticalScrollBar(lanvero_->Grid()));
  EXPECT_TRUE(RowShowsRecord(0, expected[0]));

  lanvero_->PressButton(L"刷新");
  EXPECT_TRUE(StatusBecomes(*lanvero_, AllRecordsStatus()));
  EXPECT_TRUE(HasVerticalScrollBar(lanvero_->Grid()));
  EXPECT_TRUE(RowShowsRecord(3, 3));
}

TEST_F(SearchTest, KeywordMatchingSeveralTitlesListsThemInOrder) {
  const std::vector<size_t> expected = Data().TitlesContaining(L"欧");
  ASSERT_GE(expected.size(), 2u) << "the data set changed: pick another keyword";
  lanvero_->SearchFor(L"欧 姓");  // the blank and the surname mark are removed before matching
  EXPECT_EQ(lanvero_->AnswerMessage(1000), std::nullopt);
  EXPECT_TRUE(StatusBecomes(*lanvero_, FoundStatus(L"欧 姓", expected.size())));
  EXPECT_TRUE(RowShowsRecord(static_cast<int>(expected.size()) - 1, expected.back()));
}

// Compound and single surnames of the Hundred Family Surnames that the data
// set once lacked; each record tells its place in that text.
TEST_F(SearchTest, SurnamesOfTheHundredFamilySurnamesAreFound) {
  for (const std::wstring surname : {L"钟离", L"拓跋", L"第五", L"单于", L"闻人", L"劳", L"边", L"家"}) {
    const std::vector<size_t> expected = Data().TitlesContaining(surname);
    ASSERT_FALSE(expected.empty()) << "the data set has no " << testing::PrintToString(surname);
    lanvero_->SearchFor(surname);
    EXPECT_EQ(lanvero_->AnswerMessage(1000), std::nullopt) << testing::PrintToString(surname);
    EXPECT_TRUE(StatusBecomes(*lanvero_, FoundStatus(surname, expected.size())));
  }
  const std::vector<size_t> zhongli = Data().TitlesContaining(L"钟离");
  ASSERT_EQ(zhongli.size(), 1u) << "the data set changed: pick another surname";
  lanvero_->SearchFor(L"钟离");
  ASSERT_TRUE(StatusBecomes(*lanvero_, FoundStatus(L"钟离", 1)));
  EXPECT_TRUE(RowShowsRecord(0, zhongli[0]));
  EXPECT_NE(lanvero_->Memo().find(L"百家姓：第433位（钟离）"), std::wstring::npos);
}

TEST_F(SearchTest, NoMatchReportsItThenListsEveryRecord) {
  ASSERT_TRUE(Data().TitlesContaining(kUnknownKeyword).empty());
  lanvero_->SearchFor(kUnknownKeyword);
  EXPECT_EQ(lanvero_->AnswerMessage(), kNothingFound);
  EXPECT_TRUE(StatusBecomes(*lanvero_, FoundStatus(kUnknownKeyword, 0)));
  EXPECT_TRUE(HasVerticalScrollBar(lanvero_->Grid())) << "the full list should follow";
  const GridView grid = ReadGrid(lanvero_->Grid());
  EXPECT_GT(grid.rows.size(), 10u);
  EXPECT_EQ(grid.currentRow, 0);
  EXPECT_TRUE(RowShowsRecord(5, 5));
}

TEST_F(SearchTest, KeywordBoxEmptiesOnClickAndOnDoubleClick) {
  lanvero_->TypeKeyword(L"张三");
  ASSERT_EQ(KeywordText(L"张三"), L"张三");
  lanvero_->ClickOn(lanvero_->Keyword());
  EXPECT_EQ(KeywordText(L""), L"");

  lanvero_->TypeKeyword(L"li");
  ASSERT_EQ(KeywordText(L"li"), L"li");
  Activate(lanvero_->Form());
  DoubleClick(lanvero_->Keyword(), POINT{40, 8});
  lanvero_->Settle();
  EXPECT_EQ(KeywordText(L""), L"");
}

TEST_F(SearchTest, EnterSearchesOnceTheKeywordBoxHadTheFocus) {
  lanvero_->TypeKeyword(L"张");
  EXPECT_TRUE(IsDefaultPushButton(lanvero_->Button(L"搜索")));
  PressKey(VK_RETURN);
  lanvero_->Settle();
  EXPECT_EQ(lanvero_->AnswerMessage(1000), std::nullopt);
  EXPECT_TRUE(StatusBecomes(*lanvero_, FoundStatus(L"张", 1)));

  // The search button stays the default for the rest of the run: with the
  // focus in the grid, Enter searches for the keyword in the box again.
  lanvero_->PressButton(L"刷新");
  ASSERT_TRUE(StatusBecomes(*lanvero_, AllRecordsStatus()));
  lanvero_->ClickAt(lanvero_->Grid(), ReadGrid(lanvero_->Grid()).CellPoint(0));
  EXPECT_TRUE(IsDefaultPushButton(lanvero_->Button(L"搜索")));
  PressKey(VK_RETURN);
  lanvero_->Settle();
  EXPECT_TRUE(StatusBecomes(*lanvero_, FoundStatus(L"张", 1)));
}

TEST_F(SearchTest, SingleQuoteIsReportedAndTheProgramGoesOn) {
  lanvero_->PressButton(L"刷新");
  const std::wstring status = lanvero_->Status();
  lanvero_->SearchFor(L"张'");
  const std::optional<std::wstring> report = lanvero_->AnswerMessage();
  ASSERT_TRUE(report.has_value()) << "the refused statement was not reported";
  EXPECT_FALSE(report->empty());
  EXPECT_NE(*report, kNothingFound);
  EXPECT_NE(*report, kAskForKeyword);
  EXPECT_EQ(lanvero_->LastMessageCaption(), L"Lanvero V1.0");
  EXPECT_EQ(lanvero_->AnswerMessage(1000), std::nullopt) << "one report only";
  EXPECT_EQ(lanvero_->Status(), status) << "the status changes only with the next command";
  EXPECT_TRUE(ReadGrid(lanvero_->Grid()).rows.empty()) << "the failed query leaves the grid empty";

  lanvero_->PressButton(L"刷新");
  EXPECT_EQ(lanvero_->AnswerMessage(1000), std::nullopt);
  EXPECT_TRUE(StatusBecomes(*lanvero_, AllRecordsStatus()));
  EXPECT_TRUE(RowShowsRecord(1, 1));
}

}  // namespace
}  // namespace lanvero::e2e
