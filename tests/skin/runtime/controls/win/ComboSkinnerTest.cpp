// Combo boxes under the skin: the composed combo image in the frame of
// each state, dropping down with the skinned button, choosing with the
// mouse and the keys, switching the skin off and on, and combos that go
// away from their own handler.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "framework/controls/Edits.h"
#include "framework/controls/ListControls.h"
#include "skin/runtime/SkinMessages.h"
#include "skin/runtime/controls/ComboSkinner.h"
#include "skin/runtime/controls/SkinnerLookup.h"
#include "tests/e2e/driver/Desktop.h"
#include "tests/skin/runtime/controls/win/EditFamilyTestSupport.h"
#include "tests/skin/runtime/win/SkinnedFormFixture.h"

namespace lanvero::testing {
namespace {

COMBOBOXINFO ComboInfo(HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  GetComboBoxInfo(combo, &info);
  return info;
}

class ComboSkinnerTest : public SkinnedFormTest {
 protected:
  void MakeComboForm() {
    MakeSkinnedForm("object Combo1: TComboBox\n Left = 10\n Top = 10\n Width = 150\n Style = csDropDownList\n"
                    " Items.Strings = ('one' 'two' 'three')\n ItemIndex = 0\n end\n"
                    "object Sink: TEdit\n Left = 10\n Top = 240\n Width = 100\n Height = 22\n end\n");
    combo_ = framework::testing::FindIn<framework::TComboBox>(*form_, L"Combo1");
    sink_ = framework::testing::FindIn<framework::TEdit>(*form_, L"Sink");
    ASSERT_TRUE(combo_ && sink_);
    hwnd_ = combo_->Handle();
    sink_->SetFocus();
    MoveTo(Window(), {380, 280});
  }
  RECT Button() const { return ComboInfo(hwnd_).rcButton; }
  POINT ButtonCentre() const {
    const RECT b = Button();
    return {(b.left + b.right) / 2, (b.top + b.bottom) / 2};
  }
  // Pixels of the button that differ from frame `frame` of the skin's image.
  long ButtonMismatches(int frame) const {
    RECT client{};
    GetClientRect(hwnd_, &client);
    const e2e::Image shot = Shot(hwnd_);
    return Mismatches(shot, ExpectedFrame(*skin_->combox, frame, client.right, client.bottom), Button());
  }
  bool Dropped() const { return SendMessageW(hwnd_, CB_GETDROPPEDSTATE, 0, 0) != 0; }

  framework::TComboBox* combo_ = nullptr;
  framework::TEdit* sink_ = nullptr;
  HWND hwnd_ = nullptr;
};

TEST_F(ComboSkinnerTest, ButtonShowsTheFrameOfEachState) {
  MakeComboForm();
  ASSERT_EQ(SkinnerKindOf(SkinnerOfControl(combo_)), L"TSkinComBox");
  ASSERT_TRUE(skin_->combox);
  RECT client{};
  GetClientRect(hwnd_, &client);
  // The frames differ where the test looks, so a wrong frame shows.
  const e2e::Image normal = ExpectedFrame(*skin_->combox, 1, client.right, client.bottom);
  for (int frame : {2, 3, 4}) {
    ASSERT_GT(Mismatches(normal, ExpectedFrame(*skin_->combox, frame, client.right, client.bottom), Button()), 0)
        << "frame " << frame << " looks like frame 1";
  }

  EXPECT_EQ(ButtonMismatches(1), 0) << "normal";
  MoveTo(hwnd_, ButtonCentre());
  EXPECT_EQ(ButtonMismatches(4), 0) << "hot";
  LeftButton(true);
  EXPECT_EQ(ButtonMismatches(2), 0) << "pressed";
  LeftButton(false);
  e2e::PressKey(VK_ESCAPE);
  PumpFor(60);
  MoveTo(Window(), {380, 280});
  EXPECT_EQ(ButtonMismatches(4), 0) << "focused";
  sink_->SetFocus();
  combo_->SetEnabled(false);
  PumpFor(40);
  EXPECT_EQ(ButtonMismatches(3), 0) << "disabled";
}

TEST_F(ComboSkinnerTest, DropsDownOnTheSkinnedButtonAndChoosesWithMouseAndKeys) {
  MakeComboForm();
  int selected = 0;
  combo_->OnSelect = [&](framework::TObject*) { ++selected; };
  e2e::Click(hwnd_, ButtonCentre());
  PumpFor(150);
  ASSERT_TRUE(Dropped());
  const COMBOBOXINFO info = ComboInfo(hwnd_);
  ASSERT_TRUE(info.hwndList);
  RECT item{};
  SendMessageW(info.hwndList, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&item));
  e2e::Click(info.hwndList, {(item.left + item.right) / 2, (item.top + item.bottom) / 2});
  PumpFor(150);
  EXPECT_FALSE(Dropped());
  EXPECT_EQ(combo_->ItemIndex(), 2);
  EXPECT_EQ(selected, 1);

  e2e::PressKey(VK_UP);
  PumpFor(60);
  EXPECT_EQ(combo_->ItemIndex(), 1);
  // Released over the list, the button is no longer drawn pressed.
  MoveTo(Window(), {380, 280});
  EXPECT_EQ(ButtonMismatches(4), 0) << "focused, not pressed";
}

TEST_F(ComboSkinnerTest, SkinEnableSwitchesBetweenNativeAndSkinned) {
  MakeComboForm();
  EXPECT_EQ(SendMessageW(hwnd_, WM_SKINQUERY, 0, 0), 1);
  SendMessageW(hwnd_, WM_SKINENABLE, 0, 0);
  InvalidateRect(hwnd_, nullptr, TRUE);
  EXPECT_GT(ButtonMismatches(1), 0) << "the native button shows";
  SendMessageW(hwnd_, WM_SKINENABLE, 1, 0);
  EXPECT_EQ(ButtonMismatches(1), 0);
}

TEST_F(ComboSkinnerTest, AComboDeletedFromItsOwnSelectHandlerTakesItsSkinnerAlong) {
  MakeComboForm();
  // Skinners whose window is gone linger, marked, until the next scan.
  const auto live = [this] {
    const auto& all = Skinner()->Controls();
    return std::count_if(all.begin(), all.end(),
                         [](const TSkinControl* s) { return s->skinstate != kSkinnerWindowGone; });
  };
  const auto before = live();
  combo_->OnSelect = [this](framework::TObject*) {
    delete combo_;
    combo_ = nullptr;
  };
  combo_->SetFocus();
  e2e::PressKey(VK_DOWN);
  PumpFor(150);
  EXPECT_EQ(combo_, nullptr);
  EXPECT_FALSE(IsWindow(hwnd_));
  EXPECT_EQ(SkinnerOfWindow(hwnd_), nullptr);
  EXPECT_LT(live(), before) << "the combo's skinner (and its list's) went with it";
  EXPECT_EQ(std::count(Skinner()->Controls().begin(), Skinner()->Controls().end(), nullptr), 0);
}

TEST(IsPopupListTest, DesktopChildrenAndPopupsAreListsOthersAreNot) {
  const HWND popup = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  const HWND top = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  const HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, top, nullptr, nullptr, nullptr);
  EXPECT_TRUE(IsPopupList(popup));
  EXPECT_TRUE(IsPopupList(top)) << "its parent is the desktop";
  EXPECT_FALSE(IsPopupList(child));
  EXPECT_FALSE(IsPopupList(nullptr));
  DestroyWindow(popup);
  DestroyWindow(top);
}

}  // namespace
}  // namespace lanvero::testing
