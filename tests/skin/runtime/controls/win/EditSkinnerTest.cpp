// Edit boxes under the skin: the skin's border in every state and at
// non-client repaints, typing, switching the skin off and on, and edits
// that go away.
#include "framework/controls/Edits.h"
#include "skin/image/win/BitmapDC.h"
#include "skin/image/win/DibSection.h"
#include "skin/image/win/SkinDraw.h"
#include "skin/runtime/SkinMessages.h"
#include "skin/runtime/controls/SkinControl.h"
#include "skin/runtime/controls/SkinnerLookup.h"
#include "tests/e2e/driver/Desktop.h"
#include "tests/skin/runtime/controls/win/EditFamilyTestSupport.h"
#include "tests/skin/runtime/win/SkinnedFormFixture.h"

namespace lanvero::testing {
namespace {

using EditSkinnerTest = SkinnedFormTest;

const char* kEdits =
    "object Edit1: TEdit\n Left = 10\n Top = 10\n Width = 120\n Height = 22\n end\n"
    "object Plain: TEdit\n Left = 10\n Top = 50\n Width = 120\n Height = 22\n BorderStyle = bsNone\n end\n";

struct BorderPixels {
  uint32_t outer, first, second;
};

BorderPixels LeftBorder(HWND edit) {
  const e2e::Image shot = Shot(edit);
  const int y = shot.height / 2;
  return {shot.At(0, y), shot.At(1, y), shot.At(2, y)};
}

void RepaintFrameOnly(HWND hwnd) {
  RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOERASE | RDW_UPDATENOW);
  PumpFor(40);
}

TEST_F(EditSkinnerTest, BorderIsTheSkinShadowWithWhiteInsideInEveryStateAndAtFrameRepaints) {
  MakeSkinnedForm(kEdits);
  auto* edit = framework::testing::FindIn<framework::TEdit>(*form_, L"Edit1");
  auto* plain = framework::testing::FindIn<framework::TEdit>(*form_, L"Plain");
  ASSERT_TRUE(edit && plain);
  ASSERT_EQ(SkinnerKindOf(SkinnerOfControl(edit)), L"TSkinEdit");
  const HWND hwnd = edit->Handle();
  const uint32_t shadow = OnScreen(skin_->Colors[kSchemeButtonShadow]);
  ASSERT_NE(shadow, 0xFFFFFFu);

  auto expectSkinned = [&](const char* when) {
    const BorderPixels border = LeftBorder(hwnd);
    EXPECT_EQ(border.outer, shadow) << when;
    EXPECT_EQ(border.first, 0xFFFFFFu) << when;
    EXPECT_EQ(border.second, 0xFFFFFFu) << when;
  };
  expectSkinned("normal");
  plain->SetFocus();
  expectSkinned("unfocused");
  edit->SetFocus();
  PumpFor(40);
  expectSkinned("focused");
  MoveTo(hwnd, {20, 8});
  expectSkinned("hot");
  // A repaint of the frame alone (the system's edge first) keeps the skin's.
  RepaintFrameOnly(hwnd);
  expectSkinned("frame repainted");
  edit->SetEnabled(false);
  PumpFor(40);
  RepaintFrameOnly(hwnd);
  EXPECT_EQ(LeftBorder(hwnd).outer, shadow) << "disabled";

  // An edit without a border of its own gets none.
  EXPECT_NE(LeftBorder(plain->Handle()).outer, shadow);
}

TEST_F(EditSkinnerTest, TypingWorksAndSkinEnableSwitchesBetweenNativeAndSkinned) {
  MakeSkinnedForm(kEdits);
  auto* edit = framework::testing::FindIn<framework::TEdit>(*form_, L"Edit1");
  ASSERT_TRUE(edit);
  const HWND hwnd = edit->Handle();
  edit->SetFocus();
  e2e::TypeText(L"abc");
  PumpFor(60);
  EXPECT_EQ(edit->Text(), L"abc");
  e2e::PressKey(VK_BACK);
  PumpFor(60);
  EXPECT_EQ(edit->Text(), L"ab");

  const uint32_t shadow = OnScreen(skin_->Colors[kSchemeButtonShadow]);
  EXPECT_EQ(SendMessageW(hwnd, WM_SKINQUERY, 0, 0), 1);
  SendMessageW(hwnd, WM_SKINENABLE, 0, 0);
  RepaintFrameOnly(hwnd);
  InvalidateRect(hwnd, nullptr, TRUE);
  const BorderPixels native = LeftBorder(hwnd);
  EXPECT_FALSE(native.outer == shadow && native.first == 0xFFFFFFu) << "the native edge shows";
  SendMessageW(hwnd, WM_SKINENABLE, 1, 0);
  PumpFor(40);
  EXPECT_EQ(LeftBorder(hwnd).outer, shadow);
  e2e::TypeText(L"d");
  PumpFor(60);
  EXPECT_EQ(edit->Text(), L"abd");
}

TEST_F(EditSkinnerTest, PrintClientRequestPaintsTheEditIntoTheGivenDC) {
  MakeSkinnedForm(kEdits);
  auto* edit = framework::testing::FindIn<framework::TEdit>(*form_, L"Edit1");
  ASSERT_TRUE(edit);
  edit->SetTextProperty(L"WWWW");
  RECT client{};
  GetClientRect(edit->Handle(), &client);
  DibSection canvas = DibSection::Create(client.right, client.bottom);
  BitmapDC dc(canvas.Handle());
  FillSolid(dc.Get(), Rect{0, 0, client.right, client.bottom}, 0x00FF00);
  EXPECT_EQ(SendMessageW(edit->Handle(), WM_SKINPAINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), SKIN_SIGNATURE),
            SKIN_SIGNATURE);
  GdiFlush();
  long green = 0;
  for (const auto pixel : canvas.Pixels()) green += (pixel & 0xFFFFFF) == 0x00FF00;
  EXPECT_LT(green, client.right * client.bottom / 2) << "the edit painted its client";
}

TEST_F(EditSkinnerTest, AnEditDeletedWhileSkinnedLeavesNoSkinnerBehind) {
  MakeSkinnedForm(kEdits);
  auto* edit = framework::testing::FindIn<framework::TEdit>(*form_, L"Edit1");
  ASSERT_TRUE(edit);
  const HWND hwnd = edit->Handle();
  const size_t before = Skinner()->Controls().size();
  edit->OnChange = [edit](framework::TObject*) { delete edit; };
  edit->SetFocus();
  e2e::TypeText(L"x");
  PumpFor(100);
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(SkinnerOfWindow(hwnd), nullptr);
  EXPECT_EQ(Skinner()->Controls().size(), before - 1);
}

}  // namespace
}  // namespace lanvero::testing
