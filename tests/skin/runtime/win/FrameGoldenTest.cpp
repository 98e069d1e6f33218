// The skinned frame as it appears on the display, compared with reviewed
// golden images (tests/skin/runtime/win/golden) with a tolerance: both skins,
// active and inactive, a caption button hovered and pressed, a message box,
// and the open system menu. LANVERO_UPDATE_GOLDENS=1 writes the images anew instead of comparing
// (look at every one before committing it).
#include "tests/e2e/driver/Golden.h"
#include "tests/skin/runtime/win/SkinnedFormFixture.h"

namespace lanvero::testing {
namespace {

::testing::AssertionResult MatchesGolden(const e2e::Image& actual, const std::string& name) {
  return e2e::MatchesGolden(actual, "tests/skin/runtime/win/golden", name);
}

// Small windows keep the golden images small: the frame is what they show.
constexpr int kGoldenClientWidth = 360;
constexpr int kGoldenClientHeight = 40;

class FrameGoldenTest : public SkinnedFormTest {
 protected:
  void MakeSmallSkinnedForm() {
    MakeSkinnedForm("BorderIcons = [biSystemMenu, biMinimize, biMaximize]", kGoldenClientWidth, kGoldenClientHeight);
  }
  void Settle() {
    RedrawWindow(Window(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    PumpFor(150);
  }
  void UseSkin(const std::string& name) {
    skin_->LoadFromFile(BuiltSkinFile(name));
    RunPendingRequest();
    Settle();
  }
  void Deactivate() {
    SendMessageW(Window(), WM_NCACTIVATE, FALSE, 0);
    PumpFor(50);
  }
  const TWinSysButton* Close() const {
    for (const auto& button : Skinner()->Buttons()) {
      if (button->data.Action == 0 && button->visible) return button.get();
    }
    return nullptr;
  }
};

TEST_F(FrameGoldenTest, BothSkinsActiveAndInactive) {
  MakeSmallSkinnedForm();
  for (const std::string skin : {"paleglass", "coalrim"}) {
    UseSkin(skin);
    EXPECT_TRUE(MatchesGolden(e2e::CaptureWindow(Window()), skin + "_active"));
    Deactivate();
    EXPECT_TRUE(MatchesGolden(e2e::CaptureWindow(Window()), skin + "_inactive"));
    SendMessageW(Window(), WM_NCACTIVATE, TRUE, 0);
  }
}

TEST_F(FrameGoldenTest, CloseButtonHoveredAndPressed) {
  MakeSmallSkinnedForm();
  Settle();
  const TWinSysButton* close = Close();
  ASSERT_NE(close, nullptr);
  const int centreX = (close->bounds.left + close->bounds.right) / 2;
  const int centreY = (close->bounds.top + close->bounds.bottom) / 2;
  // The real cursor goes there too: the frame's timer takes the hover away
  // from a button the cursor is not on.
  const POINT onButton = ScreenPoint(centreX, centreY);
  SetCursorPos(onButton.x, onButton.y);
  SendMessageW(Window(), WM_NCMOUSEMOVE, HTCAPTION, ScreenLParam(centreX, centreY));
  PumpFor(50);
  const int captionRows = Skinner()->bw.top;
  EXPECT_TRUE(MatchesGolden(e2e::CropTop(e2e::CaptureWindow(Window()), captionRows), "paleglass_close_hot"));
  SendMessageW(Window(), WM_NCLBUTTONDOWN, HTCAPTION, ScreenLParam(centreX, centreY));
  PumpFor(50);
  EXPECT_TRUE(MatchesGolden(e2e::CropTop(e2e::CaptureWindow(Window()), captionRows), "paleglass_close_pressed"));
  // Released off the button: nothing happens and the button is idle again.
  SendMessageW(Window(), WM_NCMOUSEMOVE, HTCAPTION, ScreenLParam(60, 10));
  SendMessageW(Window(), WM_NCLBUTTONUP, HTCAPTION, ScreenLParam(60, 10));
}

e2e::Image g_messageBoxShot;

void CALLBACK CaptureAndCloseMessageBox(HWND, UINT, UINT_PTR id, DWORD) {
  HWND box = FindWindowW(L"#32770", nullptr);
  if (!box) return;
  KillTimer(nullptr, id);
  RedrawWindow(box, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Sleep(300);
  g_messageBoxShot = e2e::CaptureWindow(box);
  PostMessageW(box, WM_COMMAND, IDOK, 0);
}

TEST_F(FrameGoldenTest, MessageBoxWearsTheSkin) {
  MakeSmallSkinnedForm();
  g_messageBoxShot = {};
  const UINT_PTR timer = SetTimer(nullptr, 0, 400, CaptureAndCloseMessageBox);
  MessageBoxW(Window(), L"请输入搜索关键词！", L"Lanvero V1.0", MB_OK | MB_ICONINFORMATION);
  KillTimer(nullptr, timer);
  ASSERT_GT(g_messageBoxShot.width, 0) << "the message box was not captured";
  EXPECT_TRUE(MatchesGolden(g_messageBoxShot, "paleglass_message_box"));
}

TEST_F(FrameGoldenTest, SystemMenuWearsTheSkin) {
  MakeSmallSkinnedForm();
  Settle();
  // The cursor stays off the menu: no entry is highlighted.
  SetCursorPos(0, 0);
  e2e::Image shot;
  ASSERT_TRUE(WithMenuOpen([&] { SendMessageW(Window(), WM_NCRBUTTONDOWN, HTCAPTION, ScreenLParam(60, 10)); },
                           [&](HWND popup) {
                             RedrawWindow(popup, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
                             Sleep(300);
                             shot = e2e::CaptureWindow(popup);
                           }));
  ASSERT_GT(shot.width, 0) << "the system menu was not captured";
  EXPECT_TRUE(MatchesGolden(shot, "paleglass_system_menu"));
}

}  // namespace
}  // namespace lanvero::testing
