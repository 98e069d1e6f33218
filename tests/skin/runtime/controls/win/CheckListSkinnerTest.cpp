// Check list boxes under the skin: every item's box comes from the skin's
// check strip in the frame of its state, clicks and Space still toggle the
// items, the text of a selected item is drawn in the highlight's text
// colour, and switching the skin off gives the list its own drawing back.
#include "framework/controls/CheckListBox.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/runtime/SkinMessages.h"
#include "skin/runtime/controls/SkinnerLookup.h"
#include "tests/skin/runtime/controls/win/ButtonLooks.h"
#include "tests/skin/runtime/win/SkinnedFormFixture.h"

namespace lanvero::testing {
namespace {

using framework::TCheckBoxState;
using framework::testing::FindIn;

const char* kCheckList = "object Checks: TCheckListBox\n Left = 10\n Top = 10\n Width = 200\n Height = 120\n"
                         " AllowGrayed = True\n Items.Strings = ('alpha' 'beta' 'gamma' 'delta')\n end\n"
                         "object Edit1: TEdit\n Left = 10\n Top = 200\n Width = 90\n Height = 21\n end\n";

class CheckListSkinnerTest : public SkinnedFormTest {
 protected:
  void SetUp() override {
    SetCursorPos(2, 2);
    SkinnedFormTest::SetUp();
    MakeSkinnedForm(kCheckList);
    list = FindIn<framework::TCheckListBox>(*form_, L"Checks");
    ASSERT_TRUE(list);
    FindIn<framework::TWinControl>(*form_, L"Edit1")->SetFocus();
    PumpFor(50);
  }

  RECT ItemRect(int index) const {
    RECT item{};
    SendMessageW(list->Handle(), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    return item;
  }
  int Frames() const { return skin_->Button->checkframe; }
  PixelImage Cell(int frame) const { return StripCell(MapHandle(skin_->Button->CheckMap), frame, Frames()); }
  // The strip frame the skin keeps for a state (a 12-frame strip further along).
  int FrameOf(TCheckBoxState state) const {
    const int frame = state == TCheckBoxState::cbChecked ? 2 : state == TCheckBoxState::cbGrayed ? 4 : 1;
    if (Frames() == 12) return frame == 2 ? 5 : frame == 4 ? 8 : frame;
    return frame;
  }
  // The box of an item: 2 pixels in from its left edge, centred vertically.
  ::testing::AssertionResult BoxShows(int index, int frame) {
    RECT client{};
    GetClientRect(list->Handle(), &client);
    const PixelImage cell = Cell(frame);
    const RECT item = ItemRect(index);
    const POINT at{item.left + 2, item.top + (item.bottom - item.top - cell.Height()) / 2};
    return AreaMatches(ScreenOfClientRect(list->Handle(), client), at, cell);
  }
  void ClickBox(int index) {
    const RECT item = ItemRect(index);
    const LPARAM point = MAKELPARAM(item.left + 6, (item.top + item.bottom) / 2);
    SendMessageW(list->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(list->Handle(), WM_LBUTTONUP, 0, point);
    PumpFor(50);
  }

  framework::TCheckListBox* list = nullptr;
};

TEST_F(CheckListSkinnerTest, ItemsShowTheCheckStripFrameOfTheirStateAndStillToggle) {
  ASSERT_EQ(SkinnerKindOf(SkinnerOfControl(list)), L"TSkinCheckList");
  ASSERT_GE(Frames(), 4);
  for (TCheckBoxState state : {TCheckBoxState::cbChecked, TCheckBoxState::cbGrayed}) {
    ASSERT_FALSE(AreaMatches(AsImage(Cell(1)), {0, 0}, Cell(FrameOf(state))))
        << "the skin's unchecked box cannot be told from state " << static_cast<int>(state);
  }
  list->SetState(1, TCheckBoxState::cbChecked);
  list->SetState(2, TCheckBoxState::cbGrayed);
  PumpFor(50);
  EXPECT_TRUE(BoxShows(0, FrameOf(TCheckBoxState::cbUnchecked)));
  EXPECT_TRUE(BoxShows(1, FrameOf(TCheckBoxState::cbChecked)));
  EXPECT_TRUE(BoxShows(2, FrameOf(TCheckBoxState::cbGrayed)));

  int clickChecks = 0;
  list->OnClickCheck = [&](framework::TObject*) { ++clickChecks; };
  ClickBox(0);
  EXPECT_TRUE(list->Checked(0));
  EXPECT_EQ(clickChecks, 1);
  EXPECT_TRUE(BoxShows(0, FrameOf(TCheckBoxState::cbChecked)));

  list->SetFocus();
  SendMessageW(list->Handle(), WM_KEYDOWN, VK_SPACE, 0);
  PumpFor(50);
  EXPECT_EQ(list->State(0), TCheckBoxState::cbGrayed) << "Space moves the selected item on (grayed allowed)";
  EXPECT_TRUE(BoxShows(0, FrameOf(TCheckBoxState::cbGrayed)));
}

TEST_F(CheckListSkinnerTest, SelectedItemTextIsWrittenInTheHighlightTextColour) {
  list->SetItemIndex(3);
  PumpFor(50);
  const RECT item = ItemRect(3);
  const RECT text{item.left + 20, item.top, item.right, item.bottom};
  const e2e::Image shot = ScreenOfClientRect(list->Handle(), text);
  EXPECT_GT(CountNear(shot, ScreenRgb(GetSysColor(COLOR_HIGHLIGHT))), 0) << "the selected item's background";
  EXPECT_GE(CountNear(shot, ScreenRgb(GetSysColor(COLOR_HIGHLIGHTTEXT))), 5) << "its text, readable on it";
}

TEST_F(CheckListSkinnerTest, SkinSwitchedOffGivesTheListItsOwnDrawingBack) {
  list->SetState(1, TCheckBoxState::cbChecked);
  PumpFor(50);
  ASSERT_TRUE(BoxShows(1, FrameOf(TCheckBoxState::cbChecked)));
  SendMessageW(list->Handle(), WM_SKINENABLE, 0, 0);
  InvalidateRect(list->Handle(), nullptr, TRUE);
  PumpFor(50);
  EXPECT_FALSE(BoxShows(1, FrameOf(TCheckBoxState::cbChecked))) << "the system's check box instead";
  SendMessageW(list->Handle(), WM_SKINENABLE, 1, 0);
  InvalidateRect(list->Handle(), nullptr, TRUE);
  PumpFor(50);
  EXPECT_TRUE(BoxShows(1, FrameOf(TCheckBoxState::cbChecked)));
}

TEST_F(CheckListSkinnerTest, OnClickCheckMayFreeTheList) {
  list->OnClickCheck = [&](framework::TObject*) {
    delete list;
    list = nullptr;
  };
  const RECT item = ItemRect(0);
  const LPARAM point = MAKELPARAM(item.left + 6, (item.top + item.bottom) / 2);
  SendMessageW(list->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, point);
  PumpFor(100);
  EXPECT_EQ(list, nullptr);
  InvalidateRect(Window(), nullptr, TRUE);
  PumpFor(100);
}

}  // namespace
}  // namespace lanvero::testing
