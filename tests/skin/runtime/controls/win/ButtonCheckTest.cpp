// Check boxes and radio buttons under the skin: the box each state shows
// comes from the skin's check (radio) strip, clicks and Space still toggle,
// the skin of one box switches off and on, and a click handler may free
// its check box.
#include "framework/controls/Buttons.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/runtime/SkinMessages.h"
#include "skin/runtime/controls/SkinnerLookup.h"
#include "tests/skin/runtime/controls/win/ButtonLooks.h"
#include "tests/skin/runtime/win/SkinnedFormFixture.h"

namespace lanvero::testing {
namespace {

using framework::testing::FindIn;

const char* kChecks =
    "object Check1: TCheckBox\n Left = 10\n Top = 10\n Width = 120\n Height = 21\n Caption = 'Tick'\n end\n"
    "object Radio1: TRadioButton\n Left = 10\n Top = 40\n Width = 120\n Height = 21\n Caption = 'One'\n"
    " Checked = True\n end\n"
    "object Radio2: TRadioButton\n Left = 10\n Top = 70\n Width = 120\n Height = 21\n Caption = 'Two'\n end\n"
    "object Edit1: TEdit\n Left = 10\n Top = 200\n Width = 90\n Height = 21\n end\n";

const LPARAM kInside = MAKELPARAM(30, 10);

class CheckSkinnerTest : public SkinnedFormTest {
 protected:
  void SetUp() override {
    SetCursorPos(2, 2);
    SkinnedFormTest::SetUp();
    MakeSkinnedForm(kChecks);
    check = FindIn<framework::TCheckBox>(*form_, L"Check1");
    radio1 = FindIn<framework::TRadioButton>(*form_, L"Radio1");
    radio2 = FindIn<framework::TRadioButton>(*form_, L"Radio2");
    ASSERT_TRUE(check && radio1 && radio2);
    FindIn<framework::TWinControl>(*form_, L"Edit1")->SetFocus();
  }

  // The box of a control sits at its left edge, vertically centred.
  ::testing::AssertionResult BoxShows(framework::TWinControl& control, HBITMAP strip, int frames, int frame) {
    const PixelImage cell = StripCell(strip, frame, frames);
    const POINT at{0, (control.Height() - cell.Height()) / 2};
    return AreaMatches(ScreenOf(control.Handle()), at, cell);
  }
  ::testing::AssertionResult CheckShows(int frame) {
    return BoxShows(*check, MapHandle(skin_->Button->CheckMap), skin_->Button->checkframe, frame);
  }
  ::testing::AssertionResult RadioShows(framework::TRadioButton& radio, int frame) {
    return BoxShows(radio, MapHandle(skin_->Button->RadioMap), skin_->Button->radioframe, frame);
  }

  void Click(framework::TWinControl& control) {
    SendMessageW(control.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, kInside);
    SendMessageW(control.Handle(), WM_LBUTTONUP, 0, kInside);
    PumpFor(30);
  }

  framework::TCheckBox* check = nullptr;
  framework::TRadioButton* radio1 = nullptr;
  framework::TRadioButton* radio2 = nullptr;
};

TEST_F(CheckSkinnerTest, CheckBoxShowsEachStateFromTheCheckStripAndStillToggles) {
  ASSERT_EQ(SkinnerKindOf(SkinnerOfWindow(check->Handle())), L"TSkinCheckBox");
  ASSERT_GE(skin_->Button->checkframe, 4);
  const HBITMAP strip = MapHandle(skin_->Button->CheckMap);
  for (int frame = 2; frame <= 4; ++frame) {
    const PixelImage cell = StripCell(strip, frame, skin_->Button->checkframe);
    ASSERT_FALSE(AreaMatches(AsImage(StripCell(strip, 1, skin_->Button->checkframe)), {0, 0}, cell))
        << "frame " << frame << " cannot be told from frame 1";
  }
  int clicks = 0;
  check->OnClick = [&](framework::TObject*) { ++clicks; };
  EXPECT_TRUE(CheckShows(1));
  EXPECT_GE(CountDark(ScreenOf(check->Handle())), 5) << "the caption in the font's colour";

  Click(*check);
  EXPECT_TRUE(check->Checked());
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(CheckShows(2));

  check->SetFocus();
  SendMessageW(check->Handle(), WM_KEYDOWN, VK_SPACE, 0);
  SendMessageW(check->Handle(), WM_KEYUP, VK_SPACE, 0xC0000000);
  PumpFor(30);
  EXPECT_FALSE(check->Checked()) << "Space toggles the focused box";
  EXPECT_TRUE(CheckShows(1));

  check->SetEnabled(false);
  EXPECT_TRUE(CheckShows(3));
  check->SetChecked(true);
  EXPECT_TRUE(CheckShows(4));
}

TEST_F(CheckSkinnerTest, RadioButtonsShowTheRadioStripAndMoveTheCheckOnClick) {
  ASSERT_EQ(SkinnerKindOf(SkinnerOfWindow(radio1->Handle())), L"TSkinRadioButton");
  EXPECT_TRUE(RadioShows(*radio1, 2));
  EXPECT_TRUE(RadioShows(*radio2, 1));
  Click(*radio2);
  EXPECT_TRUE(radio2->Checked());
  EXPECT_FALSE(radio1->Checked());
  EXPECT_TRUE(RadioShows(*radio2, 2));
  EXPECT_TRUE(RadioShows(*radio1, 1));
  radio1->SetEnabled(false);
  EXPECT_TRUE(RadioShows(*radio1, 3));
}

TEST_F(CheckSkinnerTest, SkinEnableSwitchesTheBoxBetweenNativeAndSkinned) {
  const HWND window = check->Handle();
  SendMessageW(window, WM_SKINENABLE, 0, 0);
  InvalidateRect(window, nullptr, TRUE);
  EXPECT_FALSE(CheckShows(1)) << "the native box";
  EXPECT_EQ(SendMessageW(window, WM_SKINQUERY, 0, 0), 0);
  Click(*check);
  EXPECT_TRUE(check->Checked()) << "the native box still toggles";
  SendMessageW(window, WM_SKINENABLE, 1, 0);
  EXPECT_TRUE(CheckShows(2));
  EXPECT_EQ(SendMessageW(window, WM_SKINQUERY, 0, 0), 1);
}

// A skin whose strips cannot be cut (no frames, or frames of no width)
// never fails a paint: boxes fall back to the native look.
TEST_F(CheckSkinnerTest, StripsThatCannotBeCutLeaveTheNativeBoxes) {
  const HBITMAP strip = MapHandle(skin_->Button->CheckMap);
  const int frames = skin_->Button->checkframe;
  for (int broken : {100000, 0, -3}) {
    skin_->Button->checkframe = broken;
    skin_->Button->radioframe = broken;
    skin_->Button->frame = broken;
    InvalidateRect(check->Handle(), nullptr, TRUE);
    EXPECT_FALSE(BoxShows(*check, strip, frames, 1)) << "frame count " << broken;
    // Drawn at all: a box composed from frames of no width once left the
    // whole control black, caption included.
    EXPECT_TRUE(MostlyLight(ScreenOf(check->Handle()))) << "frame count " << broken;
    InvalidateRect(radio1->Handle(), nullptr, TRUE);
    EXPECT_TRUE(MostlyLight(ScreenOf(radio1->Handle()))) << "frame count " << broken;
  }
  EXPECT_EQ(SendMessageW(check->Handle(), WM_SKINQUERY, 0, 0), 1) << "still skinned, drawn natively";
}

}  // namespace
}  // namespace lanvero::testing
