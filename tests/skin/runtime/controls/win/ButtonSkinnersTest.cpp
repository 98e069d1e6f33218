// Push, glyph, drop-down and speed buttons under the skin: the frame each
// state shows on screen, clicks by mouse and keyboard, switching the skin
// of one button off and on, and a click handler that frees its button.
#include "framework/base/GdiObject.h"
#include "framework/controls/Buttons.h"
#include "framework/controls/GlyphButtons.h"
#include "skin/image/SysColors.h"
#include "skin/runtime/SkinMessages.h"
#include "skin/runtime/controls/ButtonSkinners.h"
#include "skin/runtime/controls/SkinnerLookup.h"
#include "tests/skin/runtime/controls/win/ButtonLooks.h"
#include "tests/skin/runtime/win/SkinnedFormFixture.h"

namespace lanvero::testing {
namespace {

using framework::testing::FindIn;

const char* kButtons =
    "object Button1: TButton\n Left = 10\n Top = 10\n Width = 90\n Height = 25\n Caption = 'Go'\n end\n"
    "object Button2: TButton\n Left = 110\n Top = 10\n Width = 90\n Height = 25\n Caption = 'Stay'\n"
    " Default = True\n end\n"
    "object Edit1: TEdit\n Left = 10\n Top = 200\n Width = 90\n Height = 21\n end\n";

SIZE SizeOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

// Puts the cursor over the middle of a window (hot tracking asks where it is).
void CursorOver(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

void CursorAway() { SetCursorPos(2, 2); }

const LPARAM kInside = MAKELPARAM(20, 10);

// No test starts with the cursor over a control a former test left there.
class ButtonSkinnerTest : public SkinnedFormTest {
 protected:
  void SetUp() override {
    CursorAway();
    SkinnedFormTest::SetUp();
  }
};

class PushButtonTest : public ButtonSkinnerTest {
 protected:
  void SetUp() override {
    ButtonSkinnerTest::SetUp();
    MakeSkinnedForm(kButtons);
    button = FindIn<framework::TButton>(*form_, L"Button1");
    ASSERT_TRUE(button);
    window = button->Handle();
    button->OnClick = [this](framework::TObject*) { ++clicks; };
    FindIn<framework::TWinControl>(*form_, L"Edit1")->SetFocus();
    CursorAway();
  }

  ::testing::AssertionResult Shows(int frame) {
    return EdgesMatch(ScreenOf(window), ExpectedButtonFrame(*skin_, SizeOf(window), frame));
  }

  framework::TButton* button = nullptr;
  HWND window = nullptr;
  int clicks = 0;
};

TEST_F(PushButtonTest, EachStateShowsItsFrameOfTheButtonStrip) {
  ASSERT_EQ(SkinnerKindOf(SkinnerOfWindow(window)), L"TSkinButton");
  const PixelImage normal = ExpectedButtonFrame(*skin_, SizeOf(window), kButtonNormal);
  for (int frame = 2; frame <= 5; ++frame) {
    ASSERT_FALSE(EdgesMatch(AsImage(normal), ExpectedButtonFrame(*skin_, SizeOf(window), frame)))
        << "frame " << frame << " cannot be told from the normal frame";
  }
  EXPECT_TRUE(Shows(kButtonNormal));

  CursorOver(window);
  SendMessageW(window, WM_MOUSEMOVE, 0, kInside);
  EXPECT_TRUE(Shows(kButtonHot));

  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, kInside);
  EXPECT_EQ(GetFocus(), window) << "a press focuses the button";
  EXPECT_TRUE(Shows(kButtonPressed));

  SendMessageW(window, WM_LBUTTONUP, 0, kInside);
  EXPECT_TRUE(Shows(kButtonHot)) << "focused and hot shows the hot frame";

  CursorAway();
  SendMessageW(window, WM_MOUSELEAVE, 0, 0);
  EXPECT_TRUE(Shows(kButtonFocused));

  HWND defaultButton = FindIn<framework::TButton>(*form_, L"Button2")->Handle();
  EXPECT_TRUE(EdgesMatch(ScreenOf(defaultButton), ExpectedButtonFrame(*skin_, SizeOf(defaultButton), kButtonFocused)))
      << "the default button shows the focused frame";

  button->SetEnabled(false);
  EXPECT_TRUE(Shows(kButtonDisabled));
}

TEST_F(PushButtonTest, MouseSpaceAndEnterClickOnceAndAReleaseOutsideDoesNot) {
  CursorOver(window);
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, kInside);
  SendMessageW(window, WM_LBUTTONUP, 0, kInside);
  PumpFor(30);
  EXPECT_EQ(clicks, 1);

  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, kInside);
  CursorAway();
  SendMessageW(window, WM_MOUSELEAVE, 0, 0);
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(200, 200));
  PumpFor(30);
  EXPECT_EQ(clicks, 1) << "the press left the button before the release";

  button->SetFocus();
  SendMessageW(window, WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_TRUE(Shows(kButtonPressed));
  SendMessageW(window, WM_KEYUP, VK_SPACE, 0xC0000000);
  PumpFor(30);
  EXPECT_EQ(clicks, 2);
  EXPECT_TRUE(Shows(kButtonFocused));

  PostMessageW(window, WM_KEYDOWN, VK_RETURN, 0);
  PumpFor(50);
  EXPECT_EQ(clicks, 3) << "Enter presses the focused button";
}

TEST_F(PushButtonTest, SkinEnableSwitchesBetweenNativeAndSkinnedAndQueryAnswers) {
  EXPECT_EQ(SendMessageW(window, WM_SKINQUERY, 0, 0), 1);
  SendMessageW(window, WM_SKINENABLE, 0, 0);
  InvalidateRect(window, nullptr, TRUE);
  EXPECT_FALSE(Shows(kButtonNormal)) << "the native button paints itself";
  EXPECT_EQ(SendMessageW(window, WM_SKINQUERY, 0, 0), 0) << "every message passes straight through";
  CursorOver(window);
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, kInside);
  SendMessageW(window, WM_LBUTTONUP, 0, kInside);
  PumpFor(30);
  EXPECT_EQ(clicks, 1) << "the native button clicks by itself";

  SendMessageW(window, WM_SKINENABLE, 1, 0);
  FindIn<framework::TWinControl>(*form_, L"Edit1")->SetFocus();
  CursorAway();
  SendMessageW(window, WM_MOUSELEAVE, 0, 0);
  EXPECT_TRUE(Shows(kButtonNormal));
  EXPECT_EQ(SendMessageW(window, WM_SKINQUERY, 0, 0), 1);
}

// A skin without a usable button image: the skinner draws nothing, so the
// button paints itself instead of staying invisible (here: black).
TEST_F(PushButtonTest, WithoutAButtonImageTheButtonPaintsItself) {
  skin_->Button->Map.Clear();
  {
    const framework::WindowDC dc(window, true);
    RECT all{0, 0, SizeOf(window).cx, SizeOf(window).cy};
    FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
  InvalidateRect(window, nullptr, TRUE);
  const e2e::Image shot = ScreenOf(window);
  EXPECT_TRUE(MostlyLight(shot)) << "the button was left unpainted";
  EXPECT_GT(CountDark(shot), 0) << "no caption";
  EXPECT_EQ(SendMessageW(window, WM_SKINQUERY, 0, 0), 1) << "still skinned, drawn natively";
}

TEST_F(PushButtonTest, AClickHandlerThatFreesItsButtonLeavesNoSkinnerBehind) {
  const size_t before = Skinner()->Controls().size();
  button->OnClick = [this](framework::TObject*) {
    delete button;
    button = nullptr;
  };
  CursorOver(window);
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, kInside);
  SendMessageW(window, WM_LBUTTONUP, 0, kInside);
  PumpFor(30);
  EXPECT_EQ(button, nullptr);
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(SkinnerOfWindow(window), nullptr);
  EXPECT_EQ(Skinner()->Controls().size(), before - 1);
}

// A glyph of `cells` cells: `upInk` up, blue disabled; white (its
// bottom-left pixel) transparent.
void PaintGlyph(framework::TBitmap& glyph, int cells, uint32_t upInk) {
  glyph.SetSize(16 * cells, 16);
  for (int y = 0; y < 16; ++y) {
    uint8_t* row = glyph.ScanLine(y);
    for (int x = 0; x < 16 * cells; ++x) {
      const bool ink = x % 16 >= 4 && x % 16 < 12 && y >= 4 && y < 12;
      const uint32_t rgb = !ink ? 0xFFFFFF : x < 16 ? upInk : 0x0000FF;
      row[x * 3] = static_cast<uint8_t>(rgb);
      row[x * 3 + 1] = static_cast<uint8_t>(rgb >> 8);
      row[x * 3 + 2] = static_cast<uint8_t>(rgb >> 16);
    }
  }
  if (glyph.OnChange) glyph.OnChange();
}

TEST_F(ButtonSkinnerTest, GlyphButtonsDrawTheirGlyphCellOverTheSkinFrame) {
  MakeSkinnedForm("object Bit1: TBitBtn\n Left = 10\n Top = 10\n Width = 110\n Height = 30\n Caption = 'Glyph'\n "
                  "NumGlyphs = 2\n end\n"
                  "object Bit2: TBitBtn\n Left = 10\n Top = 50\n Width = 110\n Height = 30\n Caption = 'One'\n end\n"
                  "object Edit1: TEdit\n Left = 10\n Top = 200\n Width = 90\n Height = 21\n end\n");
  auto* two = FindIn<framework::TBitBtn>(*form_, L"Bit1");
  auto* one = FindIn<framework::TBitBtn>(*form_, L"Bit2");
  ASSERT_TRUE(two && one);
  ASSERT_EQ(SkinnerKindOf(SkinnerOfWindow(two->Handle())), L"TSkinBitButton");
  PaintGlyph(*two->Glyph(), 2, 0xFF0000);
  PaintGlyph(*one->Glyph(), 1, 0x000000);
  FindIn<framework::TWinControl>(*form_, L"Edit1")->SetFocus();
  CursorAway();

  e2e::Image shown = ScreenOf(two->Handle());
  EXPECT_TRUE(EdgesMatch(shown, ExpectedButtonFrame(*skin_, SizeOf(two->Handle()), kButtonNormal)));
  EXPECT_GE(CountNear(shown, 0xFF0000), 60) << "the red up cell";
  EXPECT_EQ(CountNear(shown, 0x0000FF), 0);

  two->SetEnabled(false);
  shown = ScreenOf(two->Handle());
  EXPECT_TRUE(EdgesMatch(shown, ExpectedButtonFrame(*skin_, SizeOf(two->Handle()), kButtonDisabled)));
  EXPECT_GE(CountNear(shown, 0x0000FF), 60) << "the blue disabled cell";
  EXPECT_EQ(CountNear(shown, 0xFF0000), 0);

  one->SetEnabled(false);
  shown = ScreenOf(one->Handle());
  EXPECT_EQ(CountNear(shown, 0x000000), 0) << "a one-cell glyph is greyed when disabled";
  EXPECT_GE(CountNear(shown, ScreenRgb(GetSysColor(COLOR_BTNSHADOW))), 64) << "its ink in the shadow colour";
}

TEST_F(ButtonSkinnerTest, DropDownButtonShowsTheHotFrameForFocusAndAnArrow) {
  MakeSkinnedForm("object Edit1: TEdit\n Left = 10\n Top = 200\n Width = 90\n Height = 21\n end\n");
  // A class the skin's list names as a drop-down button, added later.
  skin_->SetSkin3rd({L"TBitBtn=menubtn"});
  auto* menu = new framework::TBitBtn(form_.get());
  menu->SetBounds(10, 10, 110, 30);
  menu->SetCaption(L"More");
  menu->SetParent(form_.get());
  Skinner()->InitControls(form_.get());
  HWND window = menu->Handle();
  ASSERT_EQ(SkinnerKindOf(SkinnerOfWindow(window)), L"TSkinMenuButton");
  CursorAway();
  menu->SetFocus();
  const e2e::Image shown = ScreenOf(window);
  EXPECT_TRUE(EdgesMatch(shown, ExpectedButtonFrame(*skin_, SizeOf(window), kButtonHot)));
  EXPECT_GE(CountNear(shown, ScreenRgb(GetSysColor(COLOR_WINDOWTEXT))), 7) << "the arrow's triangle";
}

TEST_F(ButtonSkinnerTest, SpeedButtonsShowHotDownAndFlatLooksAndClickOnce) {
  MakeSkinnedForm("object Speed1: TSpeedButton\n Left = 10\n Top = 10\n Width = 60\n Height = 24\n Caption = 'S'\n "
                  "Flat = True\n end\n"
                  "object Speed2: TSpeedButton\n Left = 80\n Top = 10\n Width = 60\n Height = 24\n Caption = 'D'\n"
                  " GroupIndex = 1\n Down = True\n end\n");
  auto* flat = FindIn<framework::TSpeedButton>(*form_, L"Speed1");
  auto* down = FindIn<framework::TSpeedButton>(*form_, L"Speed2");
  ASSERT_TRUE(flat && down);
  ASSERT_EQ(SkinnerKindOf(SkinnerOfControl(flat)), L"TSkinSpeedButton");
  int clicks = 0;
  flat->OnClick = [&](framework::TObject*) { ++clicks; };
  CursorAway();
  const SIZE size{60, 24};
  const RECT flatRect{10, 10, 70, 34};
  PixelImage faceOnly(60, 24, PixelFromColor(ResolveColor(skin_->Colors[kSchemeButtonFace])));
  EXPECT_TRUE(EdgesMatch(ScreenOfClientRect(Window(), flatRect), faceOnly)) << "an idle flat button shows no frame";
  EXPECT_TRUE(EdgesMatch(ScreenOfClientRect(Window(), RECT{80, 10, 140, 34}),
                         ExpectedButtonFrame(*skin_, size, kButtonPressed)))
      << "a button held down";

  POINT over{40, 20};
  ClientToScreen(Window(), &over);
  SetCursorPos(over.x, over.y);
  SendMessageW(Window(), WM_MOUSEMOVE, 0, MAKELPARAM(40, 20));
  EXPECT_TRUE(EdgesMatch(ScreenOfClientRect(Window(), flatRect), ExpectedButtonFrame(*skin_, size, kButtonHot)));

  SendMessageW(Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 20));
  EXPECT_TRUE(EdgesMatch(ScreenOfClientRect(Window(), flatRect), ExpectedButtonFrame(*skin_, size, kButtonPressed)));
  SendMessageW(Window(), WM_LBUTTONUP, 0, MAKELPARAM(40, 20));
  PumpFor(30);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(flat->Perform(WM_SKINQUERY), 1) << "a window-less button answers too";
}

}  // namespace
}  // namespace lanvero::testing
