// Date pickers and up-down controls under the skin: the skin's arrow laid
// over a picker's button (its frames, the calendar it opens, its window's
// life), a time picker's own up-down, and up-down controls whose halves
// show their frames and still step the value of their edit.
#include <windows.h>
#include <commctrl.h>

#include "framework/controls/DateTimePicker.h"
#include "framework/controls/Edits.h"
#include "framework/controls/UpDown.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/runtime/SkinMessages.h"
#include "skin/runtime/controls/SkinnerLookup.h"
#include "tests/e2e/driver/Desktop.h"
#include "tests/skin/runtime/controls/win/EditFamilyTestSupport.h"
#include "tests/skin/runtime/win/SkinnedFormFixture.h"

namespace lanvero::testing {
namespace {

const char* kPickers = "object Day: TDateTimePicker\n Left = 10\n Top = 10\n Width = 150\n Date = '2024-02-29'\n end\n"
                       "object Clock: TDateTimePicker\n Left = 10\n Top = 50\n Width = 150\n Kind = dtkTime\n end\n"
                       "object Count: TEdit\n Left = 10\n Top = 100\n Width = 60\n Height = 22\n end\n"
                       "object Spin: TUpDown\n Left = 70\n Top = 100\n Width = 17\n Height = 30\n Min = 0\n Max = 10\n"
                       " Position = 3\n Associate = Count\n end\n"
                       "object Sink: TEdit\n Left = 10\n Top = 240\n Width = 100\n Height = 22\n end\n";

class DateTimeUpDownTest : public SkinnedFormTest {
 protected:
  void MakePickerForm() {
    MakeSkinnedForm(kPickers);
    day_ = framework::testing::FindIn<framework::TDateTimePicker>(*form_, L"Day");
    spin_ = framework::testing::FindIn<framework::TUpDown>(*form_, L"Spin");
    count_ = framework::testing::FindIn<framework::TEdit>(*form_, L"Count");
    sink_ = framework::testing::FindIn<framework::TEdit>(*form_, L"Sink");
    ASSERT_TRUE(day_ && spin_ && count_ && sink_);
    sink_->SetFocus();
    MoveTo(Window(), {380, 280});
  }
  HWND Arrow() const { return FindWindowExW(day_->Handle(), nullptr, L"SkinDateTimeArrow", nullptr); }
  int ArrowWindows() const {
    int n = 0;
    for (HWND w = FindWindowExW(day_->Handle(), nullptr, L"SkinDateTimeArrow", nullptr); w;
         w = FindWindowExW(day_->Handle(), w, L"SkinDateTimeArrow", nullptr)) {
      ++n;
    }
    return n;
  }
  long ArrowMismatches(int frame) const {
    const HWND arrow = Arrow();
    RECT r{};
    GetClientRect(arrow, &r);
    const TDataSkinObject& image = *skin_->comboxarrow;
    return Mismatches(Shot(arrow), ExpectedStretched(MapHandle(image.Map), frame, image.frame, r.right, r.bottom), r);
  }

  framework::TDateTimePicker* day_ = nullptr;
  framework::TUpDown* spin_ = nullptr;
  framework::TEdit* count_ = nullptr;
  framework::TEdit* sink_ = nullptr;
};

TEST_F(DateTimeUpDownTest, PickerArrowShowsItsFramesAndOpensTheCalendar) {
  MakePickerForm();
  ASSERT_EQ(SkinnerKindOf(SkinnerOfControl(day_)), L"TSkinDateTime");
  ASSERT_TRUE(skin_->comboxarrow && MapHandle(skin_->comboxarrow->Map));
  const HWND arrow = Arrow();
  ASSERT_TRUE(arrow);
  EXPECT_TRUE(IsWindowVisible(arrow));
  RECT picker{}, onPicker{};
  GetClientRect(day_->Handle(), &picker);
  GetWindowRect(arrow, &onPicker);
  MapWindowPoints(nullptr, day_->Handle(), reinterpret_cast<POINT*>(&onPicker), 2);
  EXPECT_GE(onPicker.right, picker.right - 4) << "the arrow lies over the picker's own button";

  EXPECT_EQ(ArrowMismatches(1), 0) << "normal";
  MoveTo(arrow, {3, 3});
  EXPECT_EQ(ArrowMismatches(4), 0) << "hot";
  MoveTo(Window(), {380, 280});
  EXPECT_EQ(ArrowMismatches(1), 0) << "left again";

  e2e::Click(arrow, {3, 3});
  PumpFor(200);
  const HWND calendar = reinterpret_cast<HWND>(SendMessageW(day_->Handle(), DTM_GETMONTHCAL, 0, 0));
  EXPECT_TRUE(calendar && IsWindowVisible(calendar)) << "the calendar dropped down";
  const HWND focus = GetFocus();
  EXPECT_TRUE(focus == day_->Handle() || IsChild(day_->Handle(), focus) || (calendar && focus == calendar));
  e2e::PressKey(VK_ESCAPE);
  PumpFor(100);

  sink_->SetFocus();
  day_->SetEnabled(false);
  PumpFor(40);
  EXPECT_EQ(ArrowMismatches(3), 0) << "disabled";
}

TEST_F(DateTimeUpDownTest, PickerArrowFollowsSkinEnableAndLivesExactlyAsLongAsItsSkinner) {
  MakePickerForm();
  ASSERT_EQ(ArrowWindows(), 1);
  SendMessageW(day_->Handle(), WM_SKINENABLE, 0, 0);
  PumpFor(40);
  EXPECT_FALSE(IsWindowVisible(Arrow()));
  SendMessageW(day_->Handle(), WM_SKINENABLE, 1, 0);
  PumpFor(40);
  EXPECT_TRUE(IsWindowVisible(Arrow()));

  UninstallNow();
  PumpFor(60);
  EXPECT_EQ(ArrowWindows(), 0) << "the engine let go of the picker";
  EXPECT_EQ(SkinnerOfControl(day_), nullptr);
  InstallNow();
  for (int i = 0; i < 50 && !SkinnerOfControl(day_); ++i) PumpFor(20);
  EXPECT_EQ(ArrowWindows(), 1) << "skinned again, one arrow";

  const HWND picker = day_->Handle();
  const HWND arrow = Arrow();
  delete day_;
  day_ = nullptr;
  PumpFor(40);
  EXPECT_FALSE(IsWindow(picker));
  EXPECT_FALSE(IsWindow(arrow));
  EXPECT_EQ(SkinnerOfWindow(picker), nullptr);
}

TEST_F(DateTimeUpDownTest, TimePickerGetsAnEditBorderAndItsUpDownASkinnerThatKeepsOffTheBorder) {
  MakePickerForm();
  auto* clock = framework::testing::FindIn<framework::TDateTimePicker>(*form_, L"Clock");
  ASSERT_TRUE(clock);
  EXPECT_EQ(SkinnerKindOf(SkinnerOfControl(clock)), L"TSkinEdit");
  const HWND updown = FindWindowExW(clock->Handle(), nullptr, UPDOWN_CLASSW, nullptr);
  ASSERT_TRUE(updown);
  Shot(clock->Handle());
  EXPECT_EQ(SkinnerKindOf(SkinnerOfWindow(updown)), L"TSkinUpDown");

  RECT picker{}, spin{};
  GetWindowRect(clock->Handle(), &picker);
  GetWindowRect(updown, &spin);
  const e2e::Image shot = Shot(updown);
  for (int y = 0; y < shot.height; ++y) {
    for (int x = 0; x < shot.width; ++x) {
      const bool nearEdge =
          spin.left + x >= picker.right - 3 || spin.top + y < picker.top + 3 || spin.top + y >= picker.bottom - 3;
      if (nearEdge) {
        ASSERT_EQ(shot.At(x, y), 0xFFFFFFu) << "at " << x << "," << y;
      }
    }
  }
}

TEST_F(DateTimeUpDownTest, UpDownHalvesShowTheirFramesAndStepTheEdit) {
  MakePickerForm();
  const HWND hwnd = spin_->Handle();
  ASSERT_EQ(SkinnerKindOf(SkinnerOfControl(spin_)), L"TSkinUpDown");
  ASSERT_TRUE(skin_->VSpin && MapHandle(skin_->VSpin->Map));
  RECT client{};
  GetClientRect(hwnd, &client);
  const int half = client.bottom / 2;
  const HBITMAP strip = MapHandle(skin_->VSpin->Map);
  const int frames = skin_->VSpin->frame;
  // The top rows of each half, where the glyph never lies.
  auto halfMismatches = [&](const e2e::Image& shot, int top, int index) {
    const e2e::Image want = ExpectedStretched(strip, index, frames, client.right, half);
    return Mismatches(shot, want, RECT{0, 0, client.right, 2}, 0, top);
  };
  ASSERT_GT(Mismatches(ExpectedStretched(strip, 5, frames, client.right, half),
                       ExpectedStretched(strip, 6, frames, client.right, half), RECT{0, 0, client.right, 2}),
            0)
      << "pressed and normal frames differ where the test looks";

  e2e::Image shot = Shot(hwnd);
  EXPECT_EQ(halfMismatches(shot, 0, 1), 0) << "up, normal";
  EXPECT_EQ(halfMismatches(shot, half, 5), 0) << "down, normal";

  EXPECT_EQ(count_->Text(), L"3");
  MoveTo(hwnd, {client.right / 2, half + half / 2});
  LeftButton(true);
  shot = e2e::CaptureWindow(hwnd);
  EXPECT_EQ(halfMismatches(shot, 0, 1), 0) << "up stays normal";
  EXPECT_EQ(halfMismatches(shot, half, 6), 0) << "down, pressed";
  LeftButton(false);
  EXPECT_EQ(count_->Text(), L"2");
  shot = Shot(hwnd);
  EXPECT_EQ(halfMismatches(shot, half, 5), 0) << "down, released";

  e2e::Click(hwnd, {client.right / 2, half / 2});
  PumpFor(100);
  EXPECT_EQ(count_->Text(), L"3");

  spin_->SetEnabled(false);
  PumpFor(40);
  shot = Shot(hwnd);
  EXPECT_EQ(halfMismatches(shot, 0, 3), 0) << "up, disabled";
  EXPECT_EQ(halfMismatches(shot, half, 7), 0) << "down, disabled";

  EXPECT_EQ(SendMessageW(hwnd, WM_SKINQUERY, 0, 0), 1);
  SendMessageW(hwnd, WM_SKINENABLE, 0, 0);
  InvalidateRect(hwnd, nullptr, TRUE);
  shot = Shot(hwnd);
  EXPECT_GT(halfMismatches(shot, 0, 3), 0) << "native";
}

}  // namespace
}  // namespace lanvero::testing
