// The data grid over a data set: columns, scrolling, the current row, cell
// clicks and in-place editing.
#include "framework/controls/Buttons.h"
#include "framework/controls/grid/DBGrid.h"
#include "framework/graphics/Graphic.h"
#include "tests/framework/TableDataSet.h"
#include "tests/framework/WinTestSupport.h"

namespace lanvero::framework::testing {
namespace {

std::vector<std::vector<std::wstring>> Rows(int count) {
  std::vector<std::vector<std::wstring>> rows;
  for (int i = 0; i < count; ++i) {
    rows.push_back({std::to_wstring(i + 1), L"title " + std::to_wstring(i), L"body " + std::to_wstring(i)});
  }
  return rows;
}

class GridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form = MakeForm(R"(object Form1: TTestForm
  ClientWidth = 400
  ClientHeight = 300
  object DataSource1: TDataSource
  end
  object DBGrid1: TDBGrid
    Left = 4
    Top = 48
    Width = 122
    Height = 200
    DataSource = DataSource1
    TabOrder = 0
  end
  object Search: TButton
    Left = 200
    Top = 8
    Default = True
    TabOrder = 1
    OnClick = ButtonClick
  end
end
)");
    table = new TTableDataSet(form.get(), {L"\u7F16\u53F7", L"\u6807\u9898", L"\u5185\u5BB9"}, Rows(40));
    source = dynamic_cast<TDataSource*>(form->FindComponent(L"DataSource1"));
    grid = dynamic_cast<TDBGrid*>(form->FindComponent(L"DBGrid1"));
    source->SetDataSet(table);
    form->Show();
    table->Open();
    grid->OnCellClick = [this](TColumn* column) { clicks.emplace_back(table->RecNo(), column->Index()); };
    Pump();
  }

  // Client point just inside a cell's left edge (the grid is narrower than
  // its columns).
  LPARAM CellPoint(int column, int row) {
    const RECT cell = grid->CellRect(column, row);
    return MAKELPARAM(cell.left + 3, (cell.top + cell.bottom) / 2);
  }
  void Click(LPARAM point) {
    SendMessageW(grid->WindowHandle(), WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(grid->WindowHandle(), WM_LBUTTONUP, 0, point);
  }
  void Key(HWND window, WPARAM key) {
    PostMessageW(window, WM_KEYDOWN, key, 1);
    Pump();
  }

  std::unique_ptr<TTestForm> form;
  TTableDataSet* table = nullptr;
  TDataSource* source = nullptr;
  TDBGrid* grid = nullptr;
  std::vector<std::pair<int, int>> clicks;
};

TEST_F(GridTest, OpeningBuildsOneColumnPerFieldEachTime) {
  ASSERT_EQ(grid->Columns()->Count(), 3);
  EXPECT_EQ((*grid->Columns())[1]->TitleText(), L"\u6807\u9898");
  EXPECT_EQ((*grid->Columns())[1]->FieldIndex(), 1);
  (*grid->Columns())[0]->SetVisible(false);
  (*grid->Columns())[2]->SetVisible(false);
  (*grid->Columns())[1]->SetWidth(300);
  // Wider than the grid: the horizontal scroll bar shows.
  EXPECT_TRUE(GetWindowLongPtrW(grid->WindowHandle(), GWL_STYLE) & WS_HSCROLL);
  EXPECT_EQ(grid->ColumnsWidth(), 301);
  table->Close();
  table->Open();
  EXPECT_TRUE((*grid->Columns())[0]->Visible());
  EXPECT_EQ((*grid->Columns())[1]->Width(), 64);
}

TEST_F(GridTest, ClickMakesTheRowCurrentThenRaisesCellClick) {
  Click(CellPoint(1, 3));
  EXPECT_EQ(table->RecNo(), 3);
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0], std::make_pair(3, 1));  // the row was current when the event ran
  grid->SetSelectedIndex(2);                   // scrolls the third column into view
  Click(CellPoint(2, 3));
  EXPECT_EQ(clicks.back(), std::make_pair(3, 2));
  // The title row and the space below the last row are not cells of a record.
  Click(CellPoint(2, -1));
  EXPECT_EQ(clicks.size(), 2u);
  int column = 0, row = 0;
  EXPECT_FALSE(grid->CellAt(POINT{5000, 5000}, column, row));
}

TEST_F(GridTest, RowsAndTitlesFollowTheirFonts) {
  const int rowHeight = grid->RowHeight();
  const int titleHeight = grid->TitleHeight();
  grid->Font()->SetHeight(-30);
  EXPECT_GT(grid->RowHeight(), rowHeight + 10) << "rows grow with the grid's font";
  EXPECT_GT(grid->TitleHeight(), titleHeight + 10) << "the title font follows the grid's font";
  grid->TitleFont()->SetHeight(-12);
  EXPECT_LT(grid->TitleHeight(), grid->RowHeight()) << "and then its own";
}

TEST_F(GridTest, CurrentRowFollowsTheDataSetAndTheKeys) {
  table->MoveBy(30);
  EXPECT_EQ(table->RecNo(), 30);
  EXPECT_LE(grid->TopRow(), 30);
  EXPECT_GT(grid->TopRow() + grid->VisibleRowCount(), 30);
  SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, 0, 0};
  GetScrollInfo(grid->WindowHandle(), SB_VERT, &info);
  EXPECT_EQ(info.nPos, 30);
  grid->SetFocus();
  Pump();
  Key(grid->WindowHandle(), VK_DOWN);
  EXPECT_EQ(table->RecNo(), 31);
  Key(grid->WindowHandle(), VK_UP);
  Key(grid->WindowHandle(), VK_UP);
  EXPECT_EQ(table->RecNo(), 29);
  SendMessageW(grid->WindowHandle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-120)), 0);
  EXPECT_EQ(table->RecNo(), 30);
  table->MoveBy(-100);
  EXPECT_EQ(grid->TopRow(), 0);
}

TEST_F(GridTest, InPlaceEditStoresTheValueInTheDataSet) {
  Click(CellPoint(1, 2));
  Key(grid->WindowHandle(), VK_F2);
  ASSERT_TRUE(grid->EditorVisible());
  HWND editor = grid->Editor()->WindowHandle();
  EXPECT_EQ(GetFocus(), editor);
  SetWindowTextW(editor, L"\u8D75");
  Key(editor, VK_RETURN);  // ends the edit; the default button stays untouched
  EXPECT_FALSE(grid->EditorVisible());
  EXPECT_EQ(table->FieldText(2, 1), L"\u8D75");
  EXPECT_TRUE(form->calls.empty());
  // Escape drops an edit.
  Key(grid->WindowHandle(), VK_F2);
  SetWindowTextW(grid->Editor()->WindowHandle(), L"dropped");
  Key(grid->Editor()->WindowHandle(), VK_ESCAPE);
  EXPECT_EQ(table->FieldText(2, 1), L"\u8D75");
  // A read-only grid never edits.
  grid->SetReadOnly(true);
  Key(grid->WindowHandle(), VK_F2);
  EXPECT_FALSE(grid->EditorVisible());
}

TEST_F(GridTest, PaintsTitlesIndicatorSelectionAndLines) {
  grid->SetOptions(grid->Options() | dgAlwaysShowSelection);
  table->MoveBy(1);
  TBitmap face(grid->ClientWidth(), grid->ClientHeight());
  grid->Perform(WM_PAINT, reinterpret_cast<WPARAM>(face.Canvas().Handle()), 0);
  TCanvas& canvas = face.Canvas();
  const RECT title = grid->CellRect(0, -1);
  EXPECT_EQ(canvas.Pixel(title.right - 3, title.top + 3), ColorToRGB(clBtnFace));
  const RECT current = grid->CellRect(0, 1);
  EXPECT_EQ(canvas.Pixel(current.right - 3, current.top + 3), ColorToRGB(clHighlight));
  const RECT other = grid->CellRect(0, 2);
  EXPECT_EQ(canvas.Pixel(other.right - 3, other.top + 3), ColorToRGB(clWindow));
  EXPECT_EQ(canvas.Pixel(current.right, current.top + 3), ColorToRGB(clSilver));  // line between columns
  // The arrow of the current row in the indicator column.
  const RECT indicator = grid->CellRect(-1, 1);
  bool arrow = false;
  for (int x = indicator.left + 2; x < indicator.right - 1; ++x) {
    arrow |= canvas.Pixel(x, (indicator.top + indicator.bottom) / 2) == RGB(0, 0, 0);
  }
  EXPECT_TRUE(arrow);
}

TEST_F(GridTest, ReplacedHandlerCanTakeTheWheel) {
  // As the application does: its own handler steps one row per wheel message.
  TWndMethod old = grid->WindowProc;
  grid->WindowProc = [&](TMessage& message) {
    if (message.Msg == WM_MOUSEWHEEL) {
      table->MoveBy(static_cast<short>(HIWORD(message.WParam)) < 0 ? 1 : -1);
      return;
    }
    old(message);
  };
  SendMessageW(grid->WindowHandle(), WM_MOUSEWHEEL, MAKEWPARAM(0, 240), 0);
  EXPECT_EQ(table->RecNo(), 0);
  SendMessageW(grid->WindowHandle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-240)), 0);
  EXPECT_EQ(table->RecNo(), 1);
  grid->WindowProc = old;
}

}  // namespace
}  // namespace lanvero::framework::testing
