// The standard controls on system classes (buttons, edits, labels, list
// and combo boxes, containers): their window classes, their state
// kept before and after the window exists, and their notifications.
#include <windows.h>
#include <commctrl.h>

#include "framework/controls/Buttons.h"
#include "framework/controls/Containers.h"
#include "framework/controls/Labels.h"
#include "framework/controls/ListControls.h"
#include "framework/controls/RangeControls.h"
#include "framework/core/PropertyAccess.h"
#include "tests/framework/WinTestSupport.h"

namespace lanvero::framework::testing {
namespace {

constexpr char kLayout[] = R"(object F: TTestForm
  object Check: TCheckBox
    Checked = True
    OnClick = ButtonClick
  end
  object RadioA: TRadioButton
    Top = 20
    Checked = True
  end
  object RadioB: TRadioButton
    Top = 40
  end
  object Scroll: TScrollBar
    Top = 60
    Max = 10
    Position = 4
    SmallChange = 2
  end
  object Combo: TComboBox
    Top = 80
    Style = csDropDownList
    Items.Strings = ('one' 'two' 'three')
    ItemIndex = 1
  end
  object List: TListBox
    Top = 110
    Items.Strings = ('a' 'b')
    OnClick = ButtonClick
  end
  object Progress: TProgressBar
    Top = 220
    Position = 30
  end
  object Track: TTrackBar
    Top = 240
    Max = 20
    Position = 5
  end
  object Panel: TPanel
    Left = 200
    Top = 0
    Width = 100
    Height = 80
    BevelInner = bvLowered
    BevelWidth = 2
    object Inside: TLabel
      Align = alClient
      Caption = 'inside'
    end
  end
  object Auto: TLabel
    Left = 200
    Top = 100
    Caption = 'W'
  end
end
)";

class StandardControlsTest : public LayoutFormTest {
 protected:
  void SetUp() override {
    ShowForm(kLayout);
    form->calls.clear();
  }
};

TEST_F(StandardControlsTest, StateSurvivesTheWindowAndReachesIt) {
  auto* check = Find<TCheckBox>(L"Check");
  EXPECT_EQ(SendMessageW(check->WindowHandle(), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(GetEnumProperty(check, "State"), "cbChecked");
  auto* combo = Find<TComboBox>(L"Combo");
  EXPECT_EQ(combo->Items()->Count(), 3);
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(combo->Text(), L"two");
  combo->RecreateWnd();  // items and selection move to the new window
  EXPECT_EQ(combo->Items()->Get(2), L"three");
  EXPECT_EQ(combo->ItemIndex(), 1);
  EXPECT_EQ(GetIntegerProperty(Find<TProgressBar>(L"Progress"), "Position"), 30);
  EXPECT_EQ(SendMessageW(Find<TProgressBar>(L"Progress")->WindowHandle(), PBM_GETPOS, 0, 0), 30);
  EXPECT_EQ(SendMessageW(Find<TTrackBar>(L"Track")->WindowHandle(), TBM_GETRANGEMAX, 0, 0), 20);
  EXPECT_EQ(Find<TTrackBar>(L"Track")->Position(), 5);
  for (const wchar_t* name : {L"Check", L"Scroll", L"Combo", L"List", L"Progress", L"Track"}) {
    wchar_t className[32]{};
    GetClassNameW(Find<TWinControl>(name)->WindowHandle(), className, 32);
    EXPECT_EQ(className, Find<TWinControl>(name)->ClassName());
  }
}

TEST_F(StandardControlsTest, NotificationsUpdateTheObjects) {
  auto* check = Find<TCheckBox>(L"Check");
  SendMessageW(check->WindowHandle(), BM_CLICK, 0, 0);
  EXPECT_FALSE(check->Checked());
  EXPECT_EQ(form->calls, std::vector<std::wstring>{L"click Check"});

  auto* radioB = Find<TRadioButton>(L"RadioB");
  SendMessageW(radioB->WindowHandle(), BM_CLICK, 0, 0);
  EXPECT_TRUE(radioB->Checked());
  EXPECT_FALSE(Find<TRadioButton>(L"RadioA")->Checked());

  auto* scroll = Find<TScrollBar>(L"Scroll");
  int changes = 0;
  scroll->OnChange = [&](TObject*) { ++changes; };
  SendMessageW(form->Handle(), WM_HSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(scroll->WindowHandle()));
  EXPECT_EQ(scroll->Position(), 6);
  EXPECT_EQ(GetScrollPos(scroll->WindowHandle(), SB_CTL), 6);
  SendMessageW(form->Handle(), WM_HSCROLL, SB_BOTTOM, reinterpret_cast<LPARAM>(scroll->WindowHandle()));
  EXPECT_EQ(scroll->Position(), 10);
  EXPECT_EQ(changes, 2);

  auto* list = Find<TListBox>(L"List");
  SendMessageW(list->WindowHandle(), LB_SETCURSEL, 1, 0);
  SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list->WindowHandle()), LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(list->WindowHandle()));
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(form->calls.back(), L"click List");
}

// Real mouse clicks (button down and up through the message queue) on
// controls whose click handler deletes them.
TEST_F(StandardControlsTest, AControlDeletedByItsOwnClickHandlerTakesNothingDown) {
  for (const wchar_t* name : {L"Check", L"RadioB"}) {
    auto* button = Find<TButtonControl>(name);
    button->OnClick = [button](TObject*) { delete button; };
    const HWND window = button->WindowHandle();
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    PostMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    Pump();
    EXPECT_FALSE(IsWindow(window)) << "the handler deleted the control and its window";
    EXPECT_EQ(form->FindComponent(name), nullptr);
  }
  auto* label = Find<TLabel>(L"Auto");
  label->OnClick = [label](TObject*) { delete label; };
  PostMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(label->Left() + 2, label->Top() + 2));
  PostMessageW(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(label->Left() + 2, label->Top() + 2));
  Pump();
  EXPECT_EQ(form->FindComponent(L"Auto"), nullptr);
}

TEST_F(StandardControlsTest, ContainersAndLabelsSizeTheirContents) {
  auto* inside = Find<TLabel>(L"Inside");
  // Two bevels of two pixels each side.
  EXPECT_EQ(inside->Left(), 4);
  EXPECT_EQ(inside->Width(), 100 - 8);
  EXPECT_EQ(inside->Height(), 80 - 8);
  auto* label = Find<TLabel>(L"Auto");
  const int narrow = label->Width();
  EXPECT_GT(narrow, 0);
  label->SetCaption(L"WWWWWWWW");
  EXPECT_GT(label->Width(), narrow * 4);
  label->SetAlignment(TAlignment::taRightJustify);
  const int right = label->Left() + label->Width();
  label->SetCaption(L"W");
  EXPECT_EQ(label->Left() + label->Width(), right);  // right-aligned labels keep their right edge
}

TEST_F(StandardControlsTest, ComboReportsSelectionChanges) {
  auto* combo = Find<TComboBox>(L"Combo");
  std::vector<std::wstring> seen;
  combo->OnSelect = [&](TObject*) { seen.push_back(L"select " + combo->Text()); };
  combo->OnChange = [&](TObject*) { seen.push_back(L"change"); };
  SendMessageW(combo->WindowHandle(), CB_SETCURSEL, 2, 0);
  SendMessageW(form->Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo->WindowHandle()), CBN_SELCHANGE),
               reinterpret_cast<LPARAM>(combo->WindowHandle()));
  EXPECT_EQ(seen, (std::vector<std::wstring>{L"select three", L"change"}));
  combo->Items()->Delete(0);
  EXPECT_EQ(combo->Items()->Get(0), L"two");
  EXPECT_THROW(combo->Items()->Get(5), FrameworkError);
}

}  // namespace
}  // namespace lanvero::framework::testing
