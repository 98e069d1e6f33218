// The media player: its button sets by name, button layout and presses,
// commands that fail in words, its glyphs and their resources.
#include <windows.h>

#include "framework/base/GdiObject.h"
#include "framework/controls/MediaPlayer.h"
#include "framework/core/PropertyAccess.h"
#include "framework/graphics/Graphic.h"
#include "tests/framework/WinTestSupport.h"

namespace lanvero::framework::testing {
namespace {

constexpr char kLayout[] = R"(object F: TTestForm
  ClientWidth = 400
  ClientHeight = 100
  object Player: TMediaPlayer
    Width = 270
    Height = 30
    ColoredButtons = [btPlay, btRecord]
    EnabledButtons = [btPlay, btPause, btStop, btNext, btPrev, btStep, btBack, btRecord]
  end
end
)";

class MediaPlayerTest : public LayoutFormTest {
 protected:
  void SetUp() override {
    ShowForm(kLayout);
    player = Find<TMediaPlayer>(L"Player");
  }
  LRESULT Mouse(UINT msg, int x, int y = 10) {
    return SendMessageW(player->WindowHandle(), msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(x, y));
  }
  int Middle(TMPBtnType button) {
    const RECT rect = player->ButtonRect(button);
    return (rect.left + rect.right) / 2;
  }
  std::unique_ptr<TBitmap> Paint() {
    auto image = std::make_unique<TBitmap>(player->Width(), player->Height());
    player->Perform(WM_PAINT, reinterpret_cast<WPARAM>(image->Canvas().Handle()), 0);
    return image;
  }
  TMediaPlayer* player = nullptr;
};

TEST_F(MediaPlayerTest, ButtonSetsReadAsTextAndShareTheWidth) {
  wchar_t name[16]{};
  GetClassNameW(player->WindowHandle(), name, 16);
  EXPECT_STREQ(name, L"TMediaPlayer");
  EXPECT_EQ(GetPropertyText(player, "VisibleButtons"),
            L"[btPlay,btPause,btStop,btNext,btPrev,btStep,btBack,btRecord,btEject]");
  EXPECT_EQ(GetPropertyText(player, "ColoredButtons"), L"[btPlay,btRecord]");
  EXPECT_EQ(GetPropertyText(player, "EnabledButtons"), L"[btPlay,btPause,btStop,btNext,btPrev,btStep,btBack,btRecord]");
  EXPECT_EQ(player->ButtonRect(TMPBtnType::btStop).left, 60);
  EXPECT_EQ(player->ButtonAt(59), TMPBtnType::btPause);
  EXPECT_EQ(player->ButtonAt(269), TMPBtnType::btEject);

  EXPECT_TRUE(SetPropertyFromText(player, "VisibleButtons", L"[btPlay,btStop,btEject]"));
  const RECT stop = player->ButtonRect(TMPBtnType::btStop);
  EXPECT_TRUE(stop.left == 90 && stop.right == 180 && stop.top == 0 && stop.bottom == 30);
  const RECT pause = player->ButtonRect(TMPBtnType::btPause);
  EXPECT_TRUE(IsRectEmpty(&pause));  // hidden buttons take no room
  EXPECT_EQ(player->ButtonAt(100), TMPBtnType::btStop);
  player->SetVisibleButtons(0);
  EXPECT_EQ(player->ButtonAt(10), std::nullopt);
  EXPECT_EQ(GetPropertyText(player, "VisibleButtons"), L"[]");
}

TEST_F(MediaPlayerTest, PressAndReleaseOnOneButtonClicksIt) {
  std::vector<TMPBtnType> clicked;
  bool runDefault = false;
  player->OnButtonClick = [&](TObject*, TMPBtnType button, bool& doDefault) {
    clicked.push_back(button);
    doDefault = runDefault;
  };
  Mouse(WM_LBUTTONDOWN, Middle(TMPBtnType::btStop));
  EXPECT_EQ(player->PressedButton(), TMPBtnType::btStop);
  EXPECT_EQ(GetCapture(), player->WindowHandle());
  Mouse(WM_LBUTTONUP, Middle(TMPBtnType::btStop));
  EXPECT_EQ(player->PressedButton(), std::nullopt);
  EXPECT_EQ(clicked, std::vector<TMPBtnType>{TMPBtnType::btStop});
  EXPECT_EQ(player->Error(), 0);  // the handler kept the command from running

  // Released over another button: no click.
  Mouse(WM_LBUTTONDOWN, Middle(TMPBtnType::btPlay));
  Mouse(WM_LBUTTONUP, Middle(TMPBtnType::btNext));
  // A disabled button does not press.
  Mouse(WM_LBUTTONDOWN, Middle(TMPBtnType::btEject));
  EXPECT_EQ(player->PressedButton(), std::nullopt);
  Mouse(WM_LBUTTONUP, Middle(TMPBtnType::btEject));
  EXPECT_EQ(clicked.size(), 1u);

  // The default action runs and fails in words: nothing is open.
  runDefault = true;
  Mouse(WM_LBUTTONDOWN, Middle(TMPBtnType::btPlay));
  Mouse(WM_LBUTTONUP, Middle(TMPBtnType::btPlay));
  EXPECT_EQ(clicked.back(), TMPBtnType::btPlay);
  EXPECT_NE(player->Error(), 0);
  EXPECT_NE(player->ErrorMessage().find(L"open"), std::wstring::npos);
  EXPECT_EQ(LastReportedException(), L"");
}

TEST_F(MediaPlayerTest, CommandsWithoutMediaFailInWords) {
  for (auto command :
       {&TMediaPlayer::Play, &TMediaPlayer::Pause, &TMediaPlayer::Stop, &TMediaPlayer::Next, &TMediaPlayer::Previous,
        &TMediaPlayer::Step, &TMediaPlayer::Back, &TMediaPlayer::StartRecording, &TMediaPlayer::Eject}) {
    (player->*command)();
    EXPECT_NE(player->Error(), 0);
    EXPECT_FALSE(player->ErrorMessage().empty());
  }
  player->Open();  // neither a file nor a device type
  EXPECT_NE(player->Error(), 0);
  player->SetFileName(L"C:\\no such folder\\missing.wav");
  player->Open();
  EXPECT_FALSE(player->IsOpen());
  EXPECT_NE(player->Error(), 0);
  EXPECT_FALSE(player->ErrorMessage().empty());
  player->Close();
  EXPECT_EQ(player->Error(), 0);
}

TEST_F(MediaPlayerTest, GlyphsComeFromTheProgramsResources) {
  for (int button = 0; button < kMediaButtonCount; ++button) {
    for (auto kind : {TMPGlyphKind::gkEnabled, TMPGlyphKind::gkDisabled, TMPGlyphKind::gkColored}) {
      const std::wstring name = MediaGlyphResourceName(static_cast<TMPBtnType>(button), kind);
      const UniqueBitmap bitmap(LoadBitmapW(GetModuleHandleW(nullptr), name.c_str()));
      EXPECT_TRUE(bitmap) << std::string(name.begin(), name.end());
    }
  }
  EXPECT_EQ(MediaGlyphResourceName(TMPBtnType::btEject, TMPGlyphKind::gkColored), L"CL_MPEJECT");
  EXPECT_EQ(MediaGlyphResourceName(TMPBtnType::btPlay, TMPGlyphKind::gkDisabled), L"DI_MPPLAY");
}

TEST_F(MediaPlayerTest, ButtonsShowTheirGlyphsOnTheFace) {
  auto count = [](TBitmap& image, const RECT& rect, COLORREF colour) {
    int found = 0;
    for (int y = rect.top; y < rect.bottom; ++y) {
      for (int x = rect.left; x < rect.right; ++x) found += image.Canvas().Pixel(x, y) == colour ? 1 : 0;
    }
    return found;
  };
  auto image = Paint();
  constexpr COLORREF kOlive = RGB(128, 128, 0);
  EXPECT_EQ(count(*image, RECT{0, 0, player->Width(), player->Height()}, kOlive), 0);    // replaced by the face
  EXPECT_GT(count(*image, player->ButtonRect(TMPBtnType::btPlay), RGB(0, 160, 0)), 10);  // coloured
  EXPECT_GT(count(*image, player->ButtonRect(TMPBtnType::btStop), RGB(0, 0, 0)), 30);    // plain black
  EXPECT_EQ(count(*image, player->ButtonRect(TMPBtnType::btStop), RGB(0, 0, 128)), 0);
  EXPECT_GT(count(*image, player->ButtonRect(TMPBtnType::btEject), RGB(128, 128, 128)), 10);  // disabled: grey

  // A pressed button's glyph sinks by one pixel.
  const RECT play = player->ButtonRect(TMPBtnType::btPlay);
  auto firstGreen = [&](TBitmap& picture) {
    for (int y = play.top; y < play.bottom; ++y) {
      for (int x = play.left; x < play.right; ++x) {
        if (picture.Canvas().Pixel(x, y) == RGB(0, 160, 0)) return POINT{x, y};
      }
    }
    return POINT{-1, -1};
  };
  const POINT up = firstGreen(*image);
  Mouse(WM_LBUTTONDOWN, Middle(TMPBtnType::btPlay));
  auto pressed = Paint();
  const POINT down = firstGreen(*pressed);
  EXPECT_EQ(down.x, up.x + 1);
  EXPECT_EQ(down.y, up.y + 1);
  Mouse(WM_LBUTTONUP, player->Width() + 50);  // released outside: no command
  EXPECT_EQ(player->Error(), 0);
}

}  // namespace
}  // namespace lanvero::framework::testing
