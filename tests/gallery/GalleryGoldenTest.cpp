// The gallery as the display shows it, compared with reviewed images
// (tests/gallery/golden): every page in both skins, the menu bar with an
// open drop-down and an open sub-menu, and the MDI window with a maximised
// child (its buttons merged into the menu band). LANVERO_UPDATE_GOLDENS=1
// writes the images anew; look at every one before committing it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "tests/e2e/driver/Desktop.h"
#include "tests/e2e/driver/Golden.h"
#include "tests/gallery/GallerySession.h"

namespace lanvero::gallery::testing {
namespace {

constexpr char kGoldenFolder[] = "tests/gallery/golden";
// Time for a skin switch: the engine's one-shot timer, then the repaint.
constexpr DWORD kSkinSwitchMs = 800;
const wchar_t* const kSkins[] = {L"Paleglass", L"Coalrim"};

std::string Narrow(const std::wstring& text) {
  std::string narrow;
  for (wchar_t c : text) narrow += c == L' ' ? '_' : static_cast<char>(std::tolower(static_cast<int>(c)));
  return narrow;
}

// The cursor goes to the screen's corner, away from every window, so that
// nothing is drawn hot.
void MouseAway() { SetCursorPos(0, 0); }

RECT Union(RECT a, const RECT& b) {
  a.left = std::min(a.left, b.left);
  a.top = std::min(a.top, b.top);
  a.right = std::max(a.right, b.right);
  a.bottom = std::max(a.bottom, b.bottom);
  return a;
}

class GalleryGoldenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gallery_ = GallerySession::Start();
    e2e::Activate(gallery_->Form());
  }
  void TearDown() override {
    if (!gallery_) return;
    EXPECT_TRUE(gallery_->Close());
  }

  void UseSkin(const wchar_t* skin) {
    gallery_->ClickOn(gallery_->ButtonControl(L"TRadioButton", skin));
    MouseAway();
    e2e::Settle(gallery_->Id(), kSkinSwitchMs);
  }

  ::testing::AssertionResult Matches(HWND window, const std::string& name) {
    MouseAway();
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
    e2e::Settle(gallery_->Id(), 300);
    return e2e::MatchesGolden(e2e::CaptureWindow(window), kGoldenFolder, name);
  }

  std::unique_ptr<GallerySession> gallery_;
};

TEST_F(GalleryGoldenTest, EveryPageInBothSkins) {
  const wchar_t* const pages[] = {L"Buttons", L"Edits", L"Scrolling", L"Tabs", L"Bars"};
  for (const wchar_t* skin : kSkins) {
    UseSkin(skin);
    for (int page = 0; page < 5; ++page) {
      gallery_->ShowPage(page);
      EXPECT_TRUE(Matches(gallery_->Form(), "page_" + Narrow(pages[page]) + "_" + Narrow(skin)));
    }
  }
}

TEST_F(GalleryGoldenTest, MenuBarWithAnOpenDropDownAndSubMenuInBothSkins) {
  for (const wchar_t* skin : kSkins) {
    UseSkin(skin);
    // Look > Sub-menu: the drop-down opens on its first entry; four steps
    // down (over the separator) reach the sub-menu, Right opens it.
    gallery_->Keys(VK_MENU, 'L');
    for (int i = 0; i < 4; ++i) gallery_->Key(VK_DOWN);
    gallery_->Key(VK_RIGHT);
    MouseAway();
    e2e::Settle(gallery_->Id(), 300);
    const std::vector<HWND> menus = gallery_->MenuWindows();
    ASSERT_EQ(menus.size(), 2u) << "the drop-down and its sub-menu";
    RECT area = e2e::WindowRectOnScreen(gallery_->Form());
    area.bottom = area.top;  // the caption and the bar, then the menus
    for (HWND menu : menus) area = Union(area, e2e::WindowRectOnScreen(menu));
    EXPECT_TRUE(e2e::MatchesGolden(e2e::CaptureScreenRect(area), kGoldenFolder, "menu_bar_submenu_" + Narrow(skin)));
    for (int i = 0; i < 3; ++i) gallery_->Key(VK_ESCAPE);
    EXPECT_TRUE(e2e::Eventually([&] { return gallery_->MenuWindows().empty(); }, true));
  }
}

TEST_F(GalleryGoldenTest, MdiWindowWithAMaximisedChildInBothSkins) {
  gallery_->ClickOn(gallery_->ButtonControl(L"TButton", L"MDI..."));
  HWND frame = gallery_->WaitForTitledWindow(L"MDI windows");
  ASSERT_NE(frame, nullptr);
  HWND client = e2e::FindChild(frame, L"MDIClient");
  HWND notes = e2e::FindChild(frame, L"TForm", L"Notes");
  ASSERT_TRUE(client && notes);
  SendMessageW(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(notes), 0);
  SendMessageW(client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(notes), 0);
  for (const wchar_t* skin : kSkins) {
    e2e::Activate(gallery_->Form());
    UseSkin(skin);
    e2e::Activate(frame);
    EXPECT_TRUE(IsZoomed(notes));
    EXPECT_TRUE(Matches(frame, "mdi_maximised_" + Narrow(skin)));
  }
}

}  // namespace
}  // namespace lanvero::gallery::testing
