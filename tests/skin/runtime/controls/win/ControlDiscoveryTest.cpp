// Which controls of a skinned window get a skinner: the built-in kinds of
// a framework form, the opt-out by tag (a radio group's buttons with it),
// the skin's class list, repeated discovery, and the child windows of a
// raw dialog made from an in-memory template.
#include <vector>

#include "framework/controls/Buttons.h"
#include "framework/controls/GlyphButtons.h"
#include "framework/controls/RadioGroup.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/runtime/SkinMessages.h"
#include "skin/runtime/controls/SkinnerLookup.h"
#include "tests/skin/runtime/controls/win/ButtonLooks.h"
#include "tests/skin/runtime/win/DialogTemplate.h"
#include "tests/skin/runtime/win/SkinnedFormFixture.h"

#ifndef BS_SPLITBUTTON
#define BS_SPLITBUTTON 0x0000000CL
#endif

namespace lanvero::testing {
namespace {

using framework::testing::FindIn;
using ControlDiscoveryTest = SkinnedFormTest;

const char* kForm =
    "object Button1: TButton\n Left = 10\n Top = 10\n Width = 80\n Height = 25\n Caption = 'Go'\n end\n"
    "object Bit1: TBitBtn\n Left = 100\n Top = 10\n Width = 80\n Height = 25\n Caption = 'Bit'\n end\n"
    "object Speed1: TSpeedButton\n Left = 190\n Top = 10\n Width = 40\n Height = 25\n end\n"
    "object Check1: TCheckBox\n Left = 10\n Top = 40\n Width = 90\n Height = 20\n Caption = 'On'\n end\n"
    "object Check99: TCheckBox\n Left = 110\n Top = 40\n Width = 90\n Height = 20\n Caption = 'Off'\n Tag = 99\n end\n"
    "object Radio1: TRadioButton\n Left = 210\n Top = 40\n Width = 90\n Height = 20\n Caption = 'R'\n end\n"
    "object Group1: TRadioGroup\n Left = 10\n Top = 70\n Width = 150\n Height = 80\n Caption = 'Skinned'\n"
    " Items.Strings = ('a' 'b')\n end\n"
    "object Group99: TRadioGroup\n Left = 170\n Top = 70\n Width = 150\n Height = 80\n Caption = 'Native'\n"
    " Tag = 99\n Items.Strings = ('c' 'd')\n end\n";

std::wstring KindOf(framework::TControl* control) { return SkinnerKindOf(SkinnerOfControl(control)); }

TEST_F(ControlDiscoveryTest, ButtonsOfAFormGetTheirSkinnersAndTag99KeepsControlsAndGroupButtonsNative) {
  MakeSkinnedForm(kForm);
  EXPECT_EQ(KindOf(FindIn<framework::TControl>(*form_, L"Button1")), L"TSkinButton");
  EXPECT_EQ(KindOf(FindIn<framework::TControl>(*form_, L"Bit1")), L"TSkinBitButton");
  EXPECT_EQ(KindOf(FindIn<framework::TControl>(*form_, L"Speed1")), L"TSkinSpeedButton");
  EXPECT_EQ(KindOf(FindIn<framework::TControl>(*form_, L"Check1")), L"TSkinCheckBox");
  EXPECT_EQ(KindOf(FindIn<framework::TControl>(*form_, L"Radio1")), L"TSkinRadioButton");

  auto* check99 = FindIn<framework::TCheckBox>(*form_, L"Check99");
  EXPECT_EQ(KindOf(check99), L"native");
  EXPECT_EQ(SendMessageW(check99->Handle(), WM_SKINQUERY, 0, 0), 0);

  auto* group = FindIn<framework::TRadioGroup>(*form_, L"Group1");
  auto* group99 = FindIn<framework::TRadioGroup>(*form_, L"Group99");
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(KindOf(group->Button(i)), L"TSkinRadioButton") << "button " << i;
    EXPECT_EQ(KindOf(group99->Button(i)), L"native") << "button " << i;
    EXPECT_EQ(SendMessageW(group99->Button(i)->Handle(), WM_SKINQUERY, 0, 0), 0);
    EXPECT_EQ(group99->Button(i)->Tag(), 99) << "the group's tag reaches its buttons";
  }
}

TEST_F(ControlDiscoveryTest, ASkinListEntryOfNilKeepsAClassNativeAndRepeatedDiscoveryAddsNothing) {
  MakeSkinnedForm(kForm);
  const size_t skinners = Skinner()->Controls().size();
  Skinner()->InitControls(form_.get());
  EXPECT_EQ(Skinner()->Controls().size(), skinners) << "a control never gets two skinners";

  skin_->SetSkin3rd({L"tcheckbox=nil"});
  auto* late = new framework::TCheckBox(form_.get());
  late->SetBounds(10, 160, 90, 20);
  late->SetParent(form_.get());
  auto* lateButton = new framework::TButton(form_.get());
  lateButton->SetBounds(110, 160, 80, 25);
  lateButton->SetParent(form_.get());
  Skinner()->InitControls(form_.get());
  Skinner()->InitControls(form_.get());
  EXPECT_EQ(KindOf(late), L"native") << "the list wins over the built-in check box rule";
  EXPECT_EQ(SendMessageW(late->Handle(), WM_SKINQUERY, 0, 0), 0);
  EXPECT_EQ(KindOf(lateButton), L"TSkinButton");
  EXPECT_EQ(Skinner()->Controls().size(), skinners + 1);

  // A style change that makes the window anew keeps the control skinned,
  // with one skinner, on the new window.
  const HWND before = lateButton->Handle();
  lateButton->RecreateWnd();
  PumpFor(100);
  ASSERT_NE(lateButton->Handle(), before);
  EXPECT_EQ(KindOf(lateButton), L"TSkinButton");
  EXPECT_EQ(SendMessageW(lateButton->Handle(), WM_SKINQUERY, 0, 0), 1);
  EXPECT_EQ(Skinner()->Controls().size(), skinners + 1);
}

enum DialogIds : WORD { kPush = 101, kCheck, kRadio, kOwnerDrawn, kGroup, kPushBox, kSplit };

std::vector<WORD> g_commands;

INT_PTR CALLBACK RecordingDialogProc(HWND, UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) g_commands.push_back(LOWORD(wParam));
  return msg == WM_INITDIALOG ? TRUE : FALSE;
}

TEST_F(ControlDiscoveryTest, ARawDialogsButtonsBoxesAndRadiosGetSkinnersAndOtherButtonStylesStayNative) {
  MakeSkinnedForm();
  DialogTemplate dialog(L"Raw");
  dialog.Add(BS_PUSHBUTTON | WS_TABSTOP, 10, kPush, L"Push");
  dialog.Add(BS_AUTOCHECKBOX | WS_TABSTOP, 28, kCheck, L"Check");
  dialog.Add(BS_AUTORADIOBUTTON, 46, kRadio, L"Radio");
  dialog.Add(BS_OWNERDRAW, 64, kOwnerDrawn, L"Owner");
  dialog.Add(BS_GROUPBOX, 82, kGroup, L"Group");
  dialog.Add(BS_PUSHBOX, 100, kPushBox, L"Box");
  dialog.Add(BS_SPLITBUTTON, 118, kSplit, L"Split");
  g_commands.clear();
  const HWND window = CreateDialogIndirectParamW(nullptr, dialog.Get(), Window(), RecordingDialogProc, 0);
  ASSERT_NE(window, nullptr);
  SetForegroundWindow(window);
  for (int i = 0; i < 100 && !SkinnerOfWindow(GetDlgItem(window, kPush)); ++i) PumpFor(20);

  auto kind = [window](WORD id) { return SkinnerKindOf(SkinnerOfWindow(GetDlgItem(window, id))); };
  EXPECT_EQ(kind(kPush), L"TSkinButton");
  EXPECT_EQ(kind(kCheck), L"TSkinCheckBox");
  EXPECT_EQ(kind(kRadio), L"TSkinRadioButton");
  EXPECT_EQ(kind(kOwnerDrawn), L"native");
  EXPECT_EQ(kind(kGroup), L"native");
  EXPECT_EQ(kind(kPushBox), L"native");
  EXPECT_EQ(kind(kSplit), L"native");

  // The raw push button clicks through its parent's WM_COMMAND.
  const HWND push = GetDlgItem(window, kPush);
  SendMessageW(push, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(push, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  PumpFor(30);
  EXPECT_EQ(g_commands, std::vector<WORD>{kPush});

  // The raw check box keeps its native caption with the skin's box over
  // the native one; a click checks it.
  const HWND check = GetDlgItem(window, kCheck);
  RECT bounds{};
  GetWindowRect(check, &bounds);
  const HBITMAP strip = MapHandle(skin_->Button->CheckMap);
  const int frames = skin_->Button->checkframe;
  const POINT box{0, (bounds.bottom - bounds.top - StripCell(strip, 1, frames).Height()) / 2};
  EXPECT_TRUE(AreaMatches(ScreenOf(check), box, StripCell(strip, 1, frames)));
  SendMessageW(check, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(check, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  PumpFor(30);
  EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_TRUE(AreaMatches(ScreenOf(check), box, StripCell(strip, 2, frames)));
  DestroyWindow(window);
  PumpFor(30);
}

}  // namespace
}  // namespace lanvero::testing
