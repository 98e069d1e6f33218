// Media players under the skin: the panel laid over the player draws each
// visible button in its slot from the skin's button frames (pressed,
// disabled) with the player's glyphs, hands presses to the player, and
// lives exactly as long as the player and its skinner.
#include <windows.h>

#include "framework/controls/MediaPlayer.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/runtime/SkinMessages.h"
#include "skin/runtime/controls/SkinnerLookup.h"
#include "tests/e2e/driver/Desktop.h"
#include "tests/skin/runtime/controls/win/EditFamilyTestSupport.h"
#include "tests/skin/runtime/win/SkinnedFormFixture.h"

namespace lanvero::testing {
namespace {

using framework::TMPBtnType;

const char* kPlayer = "object Player: TMediaPlayer\n Left = 10\n Top = 10\n Width = 100\n Height = 30\n"
                      " VisibleButtons = [btPlay, btPause, btStop, btNext, btPrev]\n"
                      " EnabledButtons = [btPlay, btPause, btNext, btPrev]\n end\n"
                      "object Sink: TEdit\n Left = 10\n Top = 240\n Width = 100\n Height = 22\n end\n";

constexpr COLORREF kOlive = RGB(128, 128, 0);

class MediaPlayerSkinnerTest : public SkinnedFormTest {
 protected:
  void MakePlayerForm() {
    MakeSkinnedForm(kPlayer);
    player_ = framework::testing::FindIn<framework::TMediaPlayer>(*form_, L"Player");
    ASSERT_TRUE(player_);
    player_->OnButtonClick = [this](framework::TObject*, TMPBtnType button, bool& doDefault) {
      clicked_.push_back(button);
      doDefault = false;  // no media device in the tests
    };
    ASSERT_TRUE(skin_->Button && MapHandle(skin_->Button->Map));
    MoveTo(Window(), {380, 280});
  }
  HWND Panel() const { return FindWindowExW(player_->Handle(), nullptr, L"SkinMediaPlayerPanel", nullptr); }
  int Panels(HWND player) const {
    int n = 0;
    for (HWND w = FindWindowExW(player, nullptr, L"SkinMediaPlayerPanel", nullptr); w;
         w = FindWindowExW(player, w, L"SkinMediaPlayerPanel", nullptr)) {
      ++n;
    }
    return n;
  }
  // Pixels of the slot `slot` (`width` wide) that differ from frame `frame`
  // of the skin's buttons, along the edges where no glyph lies.
  long SlotMismatches(const e2e::Image& shot, int slot, int width, int frame) const {
    const TDataSkinButton& button = *skin_->Button;
    const e2e::Image want = ExpectedFrame(button, frame, width, 30);
    return Mismatches(shot, want, RECT{0, 0, width, 3}, slot * width) +
           Mismatches(shot, want, RECT{0, 27, width, 30}, slot * width) +
           Mismatches(shot, want, RECT{0, 0, 2, 30}, slot * width);
  }
  // The first pixel of a glyph resource that is not its olive background.
  static bool GlyphPixel(const wchar_t* name, POINT& at, uint32_t& rgb, SIZE& size) {
    framework::UniqueBitmap glyph(LoadBitmapW(GetModuleHandleW(nullptr), name));
    BITMAP info{};
    if (!glyph || !GetObjectW(glyph.Get(), sizeof info, &info)) return false;
    size = SIZE{info.bmWidth, info.bmHeight};
    framework::UniqueDC dc(CreateCompatibleDC(nullptr));
    framework::SelectGuard selected(dc.Get(), glyph.Get());
    for (int y = 0; y < info.bmHeight; ++y) {
      for (int x = 0; x < info.bmWidth; ++x) {
        const COLORREF c = GetPixel(dc.Get(), x, y);
        if (c == kOlive) continue;
        at = POINT{x, y};
        rgb = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        return true;
      }
    }
    return false;
  }

  framework::TMediaPlayer* player_ = nullptr;
  std::vector<TMPBtnType> clicked_;
};

TEST_F(MediaPlayerSkinnerTest, VisibleButtonsShareTheWidthInOrderWithTheSkinFramesAndGlyphs) {
  MakePlayerForm();
  ASSERT_EQ(SkinnerKindOf(SkinnerOfControl(player_)), L"TSkinMP");
  const HWND panel = Panel();
  ASSERT_TRUE(panel);
  RECT client{};
  GetClientRect(panel, &client);
  EXPECT_EQ(client.right, 100);
  EXPECT_EQ(client.bottom, 30);

  e2e::Image shot = Shot(panel);
  EXPECT_EQ(SlotMismatches(shot, 0, 20, 1), 0) << "play";
  EXPECT_EQ(SlotMismatches(shot, 1, 20, 1), 0) << "pause";
  EXPECT_EQ(SlotMismatches(shot, 2, 20, 3), 0) << "stop is disabled: frame 3";
  EXPECT_EQ(SlotMismatches(shot, 4, 20, 1), 0) << "prev, the fifth slot";

  POINT at{};
  uint32_t rgb = 0;
  SIZE size{};
  ASSERT_TRUE(GlyphPixel(L"DI_MPSTOP", at, rgb, size));
  EXPECT_EQ(shot.At(40 + (20 - size.cx) / 2 + at.x, (30 - size.cy) / 2 + at.y), rgb) << "the disabled glyph";

  player_->SetVisibleButtons(framework::MediaButtonBit(TMPBtnType::btPlay) |
                             framework::MediaButtonBit(TMPBtnType::btStop) |
                             framework::MediaButtonBit(TMPBtnType::btEject));
  PumpFor(40);
  shot = Shot(panel);
  EXPECT_EQ(SlotMismatches(shot, 0, 33, 1), 0) << "play, 33 wide";
  EXPECT_EQ(SlotMismatches(shot, 1, 33, 3), 0) << "stop";
  EXPECT_EQ(SlotMismatches(shot, 2, 33, 3), 0) << "eject is not enabled";
  for (int y = 0; y < 30; ++y) ASSERT_EQ(shot.At(99, y), OnScreen(skin_->Colors[kSchemeButtonFace])) << y;
}

TEST_F(MediaPlayerSkinnerTest, APressShowsPressedAndOnlyAReleaseOverTheSameButtonClicks) {
  MakePlayerForm();
  const HWND panel = Panel();
  ASSERT_TRUE(panel);
  ASSERT_GT(SlotMismatches(Shot(panel), 0, 20, 2), 0) << "pressed and normal frames differ where the test looks";
  SendMessageW(panel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 15));
  e2e::Image shot = Shot(panel);
  EXPECT_EQ(SlotMismatches(shot, 0, 20, 2), 0) << "play pressed";
  EXPECT_EQ(player_->PressedButton(), TMPBtnType::btPlay) << "the player got the press";
  SendMessageW(panel, WM_LBUTTONUP, 0, MAKELPARAM(30, 15));
  shot = Shot(panel);
  EXPECT_TRUE(clicked_.empty()) << "released over pause";
  EXPECT_EQ(SlotMismatches(shot, 0, 20, 1), 0) << "play no longer pressed";
  EXPECT_EQ(SlotMismatches(shot, 1, 20, 1), 0) << "pause never pressed";

  SendMessageW(panel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(50, 15));
  shot = Shot(panel);
  EXPECT_EQ(SlotMismatches(shot, 2, 20, 3), 0) << "disabled stop stays frame 3 while pressed";
  SendMessageW(panel, WM_LBUTTONUP, 0, MAKELPARAM(50, 15));
  EXPECT_TRUE(clicked_.empty()) << "a disabled button does nothing";

  e2e::Click(panel, {30, 15});
  PumpFor(60);
  ASSERT_EQ(clicked_.size(), 1u) << "a real click on pause reaches the player's OnClick";
  EXPECT_EQ(clicked_[0], TMPBtnType::btPause);
}

TEST_F(MediaPlayerSkinnerTest, ThePanelFollowsSkinEnableAndGoesWithItsPlayerAndSkinner) {
  MakePlayerForm();
  HWND player = player_->Handle();
  EXPECT_EQ(SendMessageW(player, WM_SKINQUERY, 0, 0), 1);
  ASSERT_EQ(Panels(player), 1);
  SendMessageW(player, WM_SKINENABLE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(Panel()));
  SendMessageW(player, WM_SKINENABLE, 1, 0);
  EXPECT_TRUE(IsWindowVisible(Panel()));

  UninstallNow();
  PumpFor(60);
  EXPECT_EQ(Panels(player), 0) << "the engine let go of the player";
  EXPECT_EQ(SkinnerOfControl(player_), nullptr);
  InstallNow();
  for (int i = 0; i < 50 && !SkinnerOfControl(player_); ++i) PumpFor(20);
  EXPECT_EQ(Panels(player), 1) << "skinned again, one panel";

  player_->SetBounds(10, 10, 180, 40);
  PumpFor(40);
  RECT client{};
  GetClientRect(Panel(), &client);
  EXPECT_EQ(client.right, 180);
  EXPECT_EQ(client.bottom, 40);

  // The player is freed from its own OnClick, inside the panel's release.
  const size_t before = Skinner()->Controls().size();
  const HWND panel = Panel();
  player_->OnButtonClick = [this](framework::TObject*, TMPBtnType, bool& doDefault) {
    doDefault = false;
    delete player_;
    player_ = nullptr;
  };
  SendMessageW(panel, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 15));
  SendMessageW(panel, WM_LBUTTONUP, 0, MAKELPARAM(10, 15));
  PumpFor(40);
  EXPECT_EQ(player_, nullptr);
  EXPECT_FALSE(IsWindow(player));
  EXPECT_FALSE(IsWindow(panel));
  EXPECT_EQ(SkinnerOfWindow(player), nullptr);
  EXPECT_EQ(Skinner()->Controls().size(), before - 1);
}

}  // namespace
}  // namespace lanvero::testing
