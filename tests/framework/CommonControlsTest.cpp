// The common controls (tab control, header, list view, up-down, date and
// time picker, tool bar) and the radio group: created from a stored
// layout, their window classes, their properties by name and their
// notifications reflected back to them.
#include <windows.h>
#include <commctrl.h>

#include "framework/controls/ListViews.h"
#include "framework/controls/RadioGroup.h"
#include "framework/controls/DateTimePicker.h"
#include "framework/controls/Edits.h"
#include "framework/controls/TabControl.h"
#include "framework/controls/ToolBar.h"
#include "framework/controls/UpDown.h"
#include "framework/core/PropertyAccess.h"
#include "framework/menus/Menus.h"
#include "tests/framework/WinTestSupport.h"

namespace lanvero::framework::testing {
namespace {

constexpr char kLayout[] = R"(object F: TTestForm
  object Tabs: TTabControl
    Width = 300
    Height = 100
    Tabs.Strings = ('First' 'Second' 'Third')
    TabIndex = 1
  end
  object Header: THeaderControl
    Top = 110
    Sections = <
      item
        Text = 'Name'
        Width = 120
      end
      item
        Text = 'Size'
        Width = 60
      end>
  end
  object List: TListView
    Top = 140
    Width = 300
    Height = 120
    ViewStyle = vsReport
    Columns = <
      item
        Caption = 'File'
        Width = 150
      end
      item
        Caption = 'Kind'
        Width = 80
      end>
    Items = <
      item
        Caption = 'a.txt'
        SubItems.Strings = ('text' 'ignored')
      end
      item
        Caption = 'b.bmp'
        SubItems.Strings = ('picture')
      end>
  end
  object Count: TEdit
    Left = 320
  end
  object Spin: TUpDown
    Left = 400
    Min = 2
    Max = 8
    Position = 3
    Associate = Count
  end
  object Day: TDateTimePicker
    Left = 320
    Top = 40
    Date = '2024-02-29'
    Time = '13:05:09'
  end
  object Clock: TDateTimePicker
    Left = 320
    Top = 70
    Kind = dtkTime
  end
  object Choice: TRadioGroup
    Left = 320
    Top = 100
    Width = 200
    Height = 90
    Caption = 'Choice'
    ItemIndex = 2
    Columns = 2
    Items.Strings = ('one' 'two' 'three')
    OnClick = ButtonClick
  end
  object Tools: TToolBar
    ShowCaptions = True
    object Open: TToolButton
      Caption = 'Open'
      ImageIndex = 0
      OnClick = ButtonClick
    end
    object Gap: TToolButton
      Style = tbsSeparator
    end
    object Bold: TToolButton
      Caption = 'Bold'
      Style = tbsCheck
      Down = True
    end
    object Quit: TToolButton
      Caption = 'Quit'
      MenuItem = QuitItem
    end
  end
  object Menu: TPopupMenu
    object QuitItem: TMenuItem
      Caption = 'Quit'
      OnClick = ButtonClick
    end
  end
end
)";

class CommonControlsTest : public LayoutFormTest {
 protected:
  void SetUp() override { ShowForm(kLayout); }
  std::wstring WindowClass(TWinControl* control) {
    wchar_t name[64]{};
    GetClassNameW(control->WindowHandle(), name, 64);
    return name;
  }
  LRESULT Notify(TWinControl* control, UINT code) {
    NMHDR header{control->WindowHandle(), 0, code};
    return SendMessageW(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
  }
};

TEST_F(CommonControlsTest, TabControlKeepsTabsAndSelectionInItsWindow) {
  auto* tabs = Find<TTabControl>(L"Tabs");
  EXPECT_EQ(WindowClass(tabs), L"TTabControl");
  EXPECT_EQ(SendMessageW(tabs->WindowHandle(), TCM_GETITEMCOUNT, 0, 0), 3);
  EXPECT_EQ(SendMessageW(tabs->WindowHandle(), TCM_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(GetIntegerProperty(tabs, "TabIndex"), 1);

  tabs->Tabs()->Insert(0, L"Zero");  // rebuilding the tabs keeps the selected index
  EXPECT_EQ(SendMessageW(tabs->WindowHandle(), TCM_GETITEMCOUNT, 0, 0), 4);
  wchar_t text[16]{};
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = 16;
  SendMessageW(tabs->WindowHandle(), TCM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_STREQ(text, L"Zero");
  EXPECT_EQ(tabs->TabIndex(), 1);

  EXPECT_TRUE(SetPropertyFromText(tabs, "TabIndex", L"3"));
  EXPECT_EQ(GetObjectProperty(tabs, "Tabs"), tabs->Tabs());
  tabs->RecreateWnd();
  EXPECT_EQ(SendMessageW(tabs->WindowHandle(), TCM_GETCURSEL, 0, 0), 3);
  tabs->SetTabIndex(9);  // no such tab: nothing is selected
  EXPECT_EQ(tabs->TabIndex(), -1);
  tabs->Tabs()->Clear();
  EXPECT_EQ(SendMessageW(tabs->WindowHandle(), TCM_GETITEMCOUNT, 0, 0), 0);
}

TEST_F(CommonControlsTest, TabControlAsksBeforeAndReportsAfterAChange) {
  auto* tabs = Find<TTabControl>(L"Tabs");
  std::vector<std::wstring> seen;
  bool allow = false;
  tabs->OnChanging = [&](TObject*, bool& allowChange) {
    seen.push_back(L"changing");
    allowChange = allow;
  };
  tabs->OnChange = [&](TObject*) { seen.push_back(L"change " + std::to_wstring(tabs->TabIndex())); };
  EXPECT_EQ(Notify(tabs, static_cast<UINT>(TCN_SELCHANGING)), 1);  // refused
  allow = true;
  EXPECT_EQ(Notify(tabs, static_cast<UINT>(TCN_SELCHANGING)), 0);
  SendMessageW(tabs->WindowHandle(), TCM_SETCURSEL, 2, 0);
  Notify(tabs, static_cast<UINT>(TCN_SELCHANGE));
  EXPECT_EQ(seen, (std::vector<std::wstring>{L"changing", L"changing", L"change 2"}));
}

TEST_F(CommonControlsTest, HeaderSectionsReachTheWindowAndReportClicks) {
  auto* header = Find<THeaderControl>(L"Header");
  EXPECT_EQ(WindowClass(header), L"THeaderControl");
  EXPECT_EQ(SendMessageW(header->WindowHandle(), HDM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(GetPropertyText(header->Sections()->Item(1), "Text"), L"Size");
  HDITEMW item{};
  item.mask = HDI_WIDTH;
  SendMessageW(header->WindowHandle(), HDM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  EXPECT_EQ(item.cxy, 120);

  std::vector<std::wstring> clicked;
  header->OnSectionClick = [&](THeaderControl*, THeaderSection* section) { clicked.push_back(section->Text()); };
  NMHEADERW notice{{header->WindowHandle(), 0, static_cast<UINT>(HDN_ITEMCLICKW)}, 1, 0, nullptr};
  SendMessageW(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notice));
  notice.iItem = 7;  // no such section: nothing to report
  SendMessageW(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notice));
  EXPECT_EQ(clicked, std::vector<std::wstring>{L"Size"});

  item.cxy = 90;  // a divider dragged by the user
  notice = {{header->WindowHandle(), 0, static_cast<UINT>(HDN_ENDTRACKW)}, 0, 0, &item};
  SendMessageW(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notice));
  EXPECT_EQ(header->Sections()->Item(0)->ClassType().name, "THeaderSection");
  EXPECT_EQ(GetIntegerProperty(header->Sections()->Item(0), "Width"), 90);
}

TEST_F(CommonControlsTest, ReportViewShowsColumnsAndRowsUnderItsHeader) {
  auto* list = Find<TListView>(L"List");
  EXPECT_EQ(WindowClass(list), L"TListView");
  EXPECT_EQ(GetEnumProperty(list, "ViewStyle"), "vsReport");
  EXPECT_EQ(GetWindowLongW(list->WindowHandle(), GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT);
  ASSERT_NE(list->HeaderHandle(), nullptr);
  EXPECT_EQ(SendMessageW(list->HeaderHandle(), HDM_GETITEMCOUNT, 0, 0), 2);
  EXPECT_EQ(SendMessageW(list->WindowHandle(), LVM_GETITEMCOUNT, 0, 0), 2);

  auto cell = [&](int row, int column) {
    wchar_t text[32]{};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = 32;
    SendMessageW(list->WindowHandle(), LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return std::wstring(text);
  };
  EXPECT_EQ(cell(0, 0), L"a.txt");
  EXPECT_EQ(cell(0, 1), L"text");
  EXPECT_EQ(cell(1, 1), L"picture");
  auto* row = static_cast<TListItem*>(list->Items()->Item(1));
  row->SubItems()->Put(0, L"image");
  list->RecreateWnd();
  EXPECT_EQ(cell(1, 0), L"b.bmp");
  EXPECT_EQ(cell(1, 1), L"image");

  std::vector<std::wstring> clicked;
  list->OnColumnClick = [&](TObject*, TListColumn* column) { clicked.push_back(column->Caption()); };
  NMLISTVIEW notice{};
  notice.hdr = {list->WindowHandle(), 0, static_cast<UINT>(LVN_COLUMNCLICK)};
  notice.iItem = -1;
  notice.iSubItem = 1;
  SendMessageW(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notice));
  EXPECT_EQ(clicked, std::vector<std::wstring>{L"Kind"});
}

TEST_F(CommonControlsTest, UpDownStepsWithinItsRangeAndShowsItInItsEdit) {
  auto* spin = Find<TUpDown>(L"Spin");
  auto* edit = Find<TEdit>(L"Count");
  EXPECT_EQ(WindowClass(spin), L"TUpDown");
  EXPECT_EQ(GetEnumProperty(spin, "Orientation"), "udVertical");
  EXPECT_EQ(spin->Associate(), edit);
  EXPECT_EQ(reinterpret_cast<HWND>(SendMessageW(spin->WindowHandle(), UDM_GETBUDDY, 0, 0)), edit->WindowHandle());
  EXPECT_EQ(edit->Text(), L"3");
  int low = 0, high = 0;
  SendMessageW(spin->WindowHandle(), UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
  EXPECT_EQ(low, 2);
  EXPECT_EQ(high, 8);

  int changes = 0;
  spin->OnChange = [&](TObject*) { ++changes; };
  SendMessageW(spin->WindowHandle(), UDM_SETPOS32, 0, 5);  // as an arrow click leaves it
  SendMessageW(form->Handle(), WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 5),
               reinterpret_cast<LPARAM>(spin->WindowHandle()));
  EXPECT_EQ(GetIntegerProperty(spin, "Position"), 5);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(SetPropertyFromText(spin, "Position", L"20"));
  EXPECT_EQ(spin->Position(), 8);

  // The up-down lets go of an associate that goes away. (Taken off the form
  // first: a windowed control deleted while on its parent stays in the
  // parent's tab order.)
  edit->SetParent(nullptr);
  delete edit;
  EXPECT_EQ(spin->Associate(), nullptr);
  EXPECT_EQ(SendMessageW(spin->WindowHandle(), UDM_GETBUDDY, 0, 0), 0);
}

TEST_F(CommonControlsTest, DateTimePickerHoldsItsValueAsTextAndInItsWindow) {
  auto* day = Find<TDateTimePicker>(L"Day");
  EXPECT_EQ(WindowClass(day), L"TDateTimePicker");
  SYSTEMTIME shown{};
  EXPECT_EQ(SendMessageW(day->WindowHandle(), DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&shown)), GDT_VALID);
  EXPECT_EQ(shown.wYear, 2024);
  EXPECT_EQ(shown.wMonth, 2);
  EXPECT_EQ(shown.wDay, 29);
  EXPECT_EQ(GetPropertyText(day, "Time"), L"13:05:09");
  auto* clock = Find<TDateTimePicker>(L"Clock");
  EXPECT_NE(GetWindowLongW(clock->WindowHandle(), GWL_STYLE) & DTS_TIMEFORMAT, 0);

  for (const wchar_t* bad : {L"2023-02-29", L"2024-13-01", L"2024-1-", L"24-01-01x", L""}) {
    EXPECT_THROW(day->SetDate(bad), FrameworkError) << bad;
  }
  EXPECT_THROW(day->SetTime(L"24:00:00"), FrameworkError);
  EXPECT_EQ(day->Date(), L"2024-02-29");  // refused text leaves the value alone

  int changes = 0;
  day->OnChange = [&](TObject*) { ++changes; };
  shown.wDay = 3;  // as the user picks it in the window
  SendMessageW(day->WindowHandle(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&shown));
  NMDATETIMECHANGE notice{};
  notice.nmhdr = {day->WindowHandle(), 0, static_cast<UINT>(DTN_DATETIMECHANGE)};
  SendMessageW(form->Handle(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notice));
  EXPECT_EQ(changes, 1);
  day->SetKind(TDateTimeKind::dtkTime);  // a new window keeps the value
  EXPECT_EQ(day->Date(), L"2024-02-03");
  EXPECT_EQ(day->Time(), L"13:05:09");
}

TEST_F(CommonControlsTest, RadioGroupChecksOneButtonPerItem) {
  auto* group = Find<TRadioGroup>(L"Choice");
  EXPECT_EQ(WindowClass(group), L"TRadioGroup");
  ASSERT_EQ(group->ControlCount(), 3);
  EXPECT_EQ(GetIntegerProperty(group, "ItemIndex"), 2);  // given before its items
  EXPECT_EQ(SendMessageW(group->Button(2)->WindowHandle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(group->Button(1)->Caption(), L"two");
  // Two columns: the third button starts the second column.
  EXPECT_EQ(group->Button(2)->Top(), group->Button(0)->Top());
  EXPECT_GT(group->Button(2)->Left(), group->Button(1)->Left());

  form->calls.clear();
  TRadioButton* first = group->Button(0);
  SendMessageW(first->WindowHandle(), BM_CLICK, 0, 0);
  EXPECT_EQ(group->ItemIndex(), 0);
  EXPECT_FALSE(group->Button(2)->Checked());
  EXPECT_EQ(form->calls, std::vector<std::wstring>{L"click Choice"});

  group->Items()->Delete(0);  // the buttons follow the items
  EXPECT_EQ(group->ControlCount(), 2);
  EXPECT_EQ(group->Button(0)->Caption(), L"two");
  group->SetItemIndex(5);
  EXPECT_EQ(group->ItemIndex(), -1);
  EXPECT_FALSE(group->Button(0)->Checked());
  EXPECT_FALSE(group->Button(1)->Checked());
}

TEST_F(CommonControlsTest, ToolBarShowsItsButtonsAndRunsTheirClicks) {
  auto* bar = Find<TToolBar>(L"Tools");
  EXPECT_EQ(WindowClass(bar), L"TToolBar");
  ASSERT_EQ(bar->ButtonCount(), 4);
  EXPECT_EQ(SendMessageW(bar->WindowHandle(), TB_BUTTONCOUNT, 0, 0), 4);
  TBBUTTON shown{};
  SendMessageW(bar->WindowHandle(), TB_GETBUTTON, 1, reinterpret_cast<LPARAM>(&shown));
  EXPECT_EQ(shown.fsStyle & BTNS_SEP, BTNS_SEP);
  wchar_t text[16]{};
  SendMessageW(bar->WindowHandle(), TB_GETBUTTONTEXTW, TToolBar::CommandOf(0), reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"Open");
  auto* bold = Find<TToolButton>(L"Bold");
  EXPECT_EQ(GetEnumProperty(bold, "Style"), "tbsCheck");
  EXPECT_EQ(bold->Index(), 2);
  EXPECT_NE(SendMessageW(bar->WindowHandle(), TB_ISBUTTONCHECKED, TToolBar::CommandOf(2), 0), 0);

  // The window reports a click on a button as a command from the bar.
  auto click = [&](int index) {
    SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(TToolBar::CommandOf(index), BN_CLICKED),
                 reinterpret_cast<LPARAM>(bar->WindowHandle()));
  };
  form->calls.clear();
  click(0);
  click(3);  // no OnClick: its menu item's
  click(9);  // no such button
  EXPECT_EQ(form->calls, (std::vector<std::wstring>{L"click Open", L"click QuitItem"}));

  SendMessageW(bar->WindowHandle(), TB_CHECKBUTTON, TToolBar::CommandOf(2), FALSE);  // as the user toggles it
  EXPECT_FALSE(bold->Down());
  bold->SetCaption(L"Heavy");  // a rebuild keeps the state and shows the new text
  EXPECT_EQ(SendMessageW(bar->WindowHandle(), TB_ISBUTTONCHECKED, TToolBar::CommandOf(2), 0), 0);
  SendMessageW(bar->WindowHandle(), TB_GETBUTTONTEXTW, TToolBar::CommandOf(2), reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, L"Heavy");
  bold->SetEnabled(false);
  EXPECT_EQ(SendMessageW(bar->WindowHandle(), TB_ISBUTTONENABLED, TToolBar::CommandOf(2), 0), 0);
  bold->SetVisible(false);
  EXPECT_NE(SendMessageW(bar->WindowHandle(), TB_ISBUTTONHIDDEN, TToolBar::CommandOf(2), 0), 0);

  delete Find<TMenuItem>(L"QuitItem");
  EXPECT_EQ(Find<TToolButton>(L"Quit")->MenuItem(), nullptr);
  delete Find<TToolButton>(L"Gap");
  EXPECT_EQ(SendMessageW(bar->WindowHandle(), TB_BUTTONCOUNT, 0, 0), 3);
  EXPECT_EQ(bold->Index(), 1);
}

}  // namespace
}  // namespace lanvero::framework::testing
