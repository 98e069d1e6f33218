// The gallery's menu bar and right-click menus used as a person would:
// skins switched from the bar by keyboard re-skin every open window (the
// MDI demo included), a right click opens one popup menu window drawn from
// the skin, and a disabled item's command never runs.
#include <gtest/gtest.h>

#include "tests/e2e/driver/Desktop.h"
#include "tests/e2e/driver/Screenshot.h"
#include "tests/gallery/GallerySession.h"

namespace lanvero::gallery::testing {
namespace {

using e2e::Eventually;

constexpr int kEditsPage = 1;
// A dark caption is this much darker than a light one.
constexpr int kDarkerBy = 40;

class GalleryMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gallery_ = GallerySession::Start();
    ASSERT_TRUE(Eventually([&] { return AnswersSkinQuery(gallery_->Form()); }, true));
    e2e::Activate(gallery_->Form());
    e2e::Settle(gallery_->Id());
  }
  void TearDown() override {
    if (gallery_) EXPECT_TRUE(gallery_->Close()) << "the gallery did not end cleanly";
  }

  // Opens the bar's drop-down by its accelerator and runs its entry at
  // `index`: the drop-down opens with its first entry selected.
  void RunFromBar(wchar_t accelerator, int index) {
    gallery_->Keys(VK_MENU, static_cast<WORD>(accelerator));
    for (int i = 0; i < index; ++i) gallery_->Key(VK_DOWN);
    gallery_->Key(VK_RETURN);
  }

  bool Checked(const wchar_t* pickerLine) const {
    return SendMessageW(gallery_->ButtonControl(L"TRadioButton", pickerLine), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }

  std::unique_ptr<GallerySession> gallery_;
};

// Share of a window's pixels in the system's menu colour: near 1 for a menu
// the system draws, small for one drawn from the skin.
double SystemMenuColourShare(HWND menu) {
  const e2e::Image shot = e2e::CaptureWindow(menu);
  const COLORREF system = GetSysColor(COLOR_MENU);
  const std::uint32_t wanted = (GetRValue(system) << 16) | (GetGValue(system) << 8) | GetBValue(system);
  long same = 0;
  for (std::uint32_t pixel : shot.pixels) same += (pixel & 0xFFFFFF) == wanted;
  return shot.pixels.empty() ? 1.0 : static_cast<double>(same) / static_cast<double>(shot.pixels.size());
}

TEST_F(GalleryMenuTest, SkinsSwitchedFromTheBarByKeyboardReskinEveryOpenWindow) {
  RunFromBar(L'W', 0);  // Windows > MDI windows...
  HWND mdi = gallery_->WaitForTitledWindow(L"MDI windows");
  ASSERT_NE(mdi, nullptr) << "the MDI demo did not open from the menu bar";
  HWND notes = e2e::FindChild(mdi, L"TForm", L"Notes");
  ASSERT_NE(notes, nullptr);
  ASSERT_TRUE(Eventually([&] { return AnswersSkinQuery(mdi) && AnswersSkinQuery(notes); }, true));
  EXPECT_EQ(gallery_->CommandStatus(), L"MDI windows");
  const int lightForm = CaptionBrightness(gallery_->Form());
  const int lightFrame = CaptionBrightness(mdi);

  e2e::Activate(gallery_->Form());
  RunFromBar(L'S', 1);  // Skin > Coalrim
  EXPECT_TRUE(Eventually([&] { return CaptionBrightness(gallery_->Form()) < lightForm - kDarkerBy; }, true))
      << "the main window kept the light skin";
  EXPECT_TRUE(Eventually([&] { return CaptionBrightness(mdi) < lightFrame - kDarkerBy; }, true))
      << "the open MDI frame kept the light skin";
  EXPECT_TRUE(Checked(L"Coalrim")) << "the skin picker did not follow the menu";
  EXPECT_EQ(gallery_->CommandStatus(), L"Skin: Coalrim");

  e2e::Activate(gallery_->Form());
  RunFromBar(L'S', 2);  // Skin > No skin
  EXPECT_FALSE(Eventually([&] { return AnswersSkinQuery(gallery_->Form()); }, false));
  EXPECT_FALSE(Eventually([&] { return AnswersSkinQuery(mdi) || AnswersSkinQuery(notes); }, false))
      << "the MDI windows stayed skinned";
  EXPECT_TRUE(Checked(L"No skin"));

  // The native bar now: F10 enters it, as on any window.
  e2e::Activate(gallery_->Form());
  gallery_->Key(VK_F10);
  gallery_->Key(VK_DOWN);
  gallery_->Key(VK_RETURN);  // Skin > Paleglass
  EXPECT_TRUE(Eventually([&] { return AnswersSkinQuery(gallery_->Form()) && AnswersSkinQuery(mdi); }, true));
  EXPECT_TRUE(Eventually([&] { return std::abs(CaptionBrightness(mdi) - lightFrame) < 10; }, true))
      << "the MDI frame did not get the light skin back";
  EXPECT_TRUE(Checked(L"Paleglass"));
  EXPECT_TRUE(gallery_->MenuWindows().empty()) << "a menu window stayed open";
}

TEST_F(GalleryMenuTest, ARightClickOpensOneMenuWindowDrawnFromTheSkin) {
  gallery_->ShowPage(kEditsPage);
  HWND edit = e2e::FindChild(gallery_->Form(), L"TEdit", L"An edit");
  ASSERT_NE(edit, nullptr);
  double largestSkinnedShare = 0.0;
  for (const wchar_t* skin : {L"Paleglass", L"Coalrim", L"No skin"}) {
    gallery_->ClickOn(gallery_->ButtonControl(L"TRadioButton", skin));
    e2e::Settle(gallery_->Id(), 400);
    e2e::RightClick(edit, POINT{20, 8});
    e2e::Settle(gallery_->Id(), 300);
    const std::vector<HWND> menus = gallery_->MenuWindows();
    ASSERT_EQ(menus.size(), 1u) << "one menu window for one right click";
    const bool skinned = AnswersSkinQuery(menus[0]);
    const double share = SystemMenuColourShare(menus[0]);
    if (std::wstring(skin) == L"No skin") {
      EXPECT_FALSE(skinned);
      EXPECT_GT(share, 0.5) << "the system draws the unskinned menu in its own colour";
      EXPECT_GT(share, largestSkinnedShare + 0.3);
    } else {
      EXPECT_TRUE(skinned) << "the menu window has no skinner under " << skin;
      EXPECT_LT(share, 0.2) << "the menu shows the system's colours under " << skin;
      largestSkinnedShare = std::max(largestSkinnedShare, share);
    }
    gallery_->Key(VK_ESCAPE);
    EXPECT_TRUE(Eventually([&] { return gallery_->MenuWindows().empty(); }, true));
  }

  // The default entry runs with Enter.
  gallery_->ClickOn(gallery_->ButtonControl(L"TRadioButton", L"Paleglass"));
  e2e::RightClick(edit, POINT{20, 8});
  e2e::Settle(gallery_->Id(), 300);
  gallery_->Key(VK_DOWN);
  gallery_->Key(VK_RETURN);
  EXPECT_EQ(Eventually([&] { return gallery_->CommandStatus(); }, std::wstring(L"Select all")), L"Select all");
}

TEST_F(GalleryMenuTest, ADisabledItemsCommandNeverRuns) {
  // Look > Disabled item: selected by the arrows, then Enter; then its
  // accelerator letter.
  gallery_->Keys(VK_MENU, 'L');
  gallery_->Key(VK_DOWN);
  gallery_->Key(VK_DOWN);
  gallery_->Key(VK_RETURN);
  gallery_->Key('D');
  gallery_->Key(VK_ESCAPE);
  gallery_->Key(VK_ESCAPE);
  gallery_->Key(VK_ESCAPE);
  e2e::Settle(gallery_->Id(), 300);
  EXPECT_NE(gallery_->CommandStatus(), L"Command: Disabled item");
  EXPECT_TRUE(gallery_->MenuWindows().empty());

  // Its enabled neighbour runs the same way, so the keys did reach the menu.
  gallery_->Keys(VK_MENU, 'L');
  gallery_->Key(VK_DOWN);
  gallery_->Key(VK_RETURN);
  EXPECT_EQ(Eventually([&] { return gallery_->CommandStatus(); }, std::wstring(L"Command: Image item")),
            L"Command: Image item");
}

}  // namespace
}  // namespace lanvero::gallery::testing
