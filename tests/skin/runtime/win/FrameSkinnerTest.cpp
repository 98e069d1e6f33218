// The frame skinner on a real window: the frame it leaves around the client
// area, the region cut along the skin's magenta corners, hit testing, the
// messages a caption button press and the system menu leave behind, and how
// often skinning and a skin change make the window's controls paint.
#include <windowsx.h>

#include <memory>

#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/runtime/SkinMessages.h"
#include "tests/skin/runtime/win/DialogTemplate.h"
#include "tests/skin/runtime/win/SkinnedFormFixture.h"

namespace lanvero::testing {
namespace {

// Paint messages a control's own handler received.
struct PaintCounts {
  int erases = 0;
  int paints = 0;
};

std::shared_ptr<PaintCounts> CountPaintsOf(framework::TWinControl& control) {
  auto counts = std::make_shared<PaintCounts>();
  framework::TWndMethod previous = control.WindowProc;
  control.WindowProc = [counts, previous](framework::TMessage& message) {
    counts->erases += message.Msg == WM_ERASEBKGND;
    counts->paints += message.Msg == WM_PAINT;
    previous(message);
  };
  return counts;
}

class FrameSkinnerTest : public SkinnedFormTest {
 protected:
  // A skinned form with one panel that stays native (tag 99), so that only
  // the frame's work reaches it, and the count of its paint messages.
  std::shared_ptr<PaintCounts> MakeFormWithNativePanel() {
    std::shared_ptr<PaintCounts> counts;
    beforeShow_ = [&counts](framework::testing::TTestForm& form) {
      counts = CountPaintsOf(*framework::testing::FindIn<framework::TWinControl>(form, L"Panel1"));
    };
    MakeSkinnedForm("object Panel1: TPanel\n Left = 20\n Top = 20\n Width = 200\n Height = 120\n Tag = 99\n end\n");
    return counts;
  }
};

const TWinSysButton* ButtonWithAction(const TWinSkinForm& skinner, int32_t action) {
  for (const auto& button : skinner.Buttons()) {
    if (button->data.Action == action && button->visible) return button.get();
  }
  return nullptr;
}

POINT Centre(const Rect& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

TEST_F(FrameSkinnerTest, ClientAreaIsTheWindowLessTheSkinBordersAndKeepsItsSize) {
  MakeSkinnedForm();
  const TWinSkinForm& skinner = *Skinner();
  const TDataSkinBorder& top = *skin_->border[kEdgeTop];
  EXPECT_EQ(skinner.bw.top, top.Map.Height() / top.frame);
  RECT client{};
  GetClientRect(Window(), &client);
  EXPECT_EQ(client.right, 400);
  EXPECT_EQ(client.bottom, 300);
  const RECT window = WindowRect();
  EXPECT_EQ(window.right - window.left, 400 + skinner.bw.left + skinner.bw.right);
  EXPECT_EQ(window.bottom - window.top, 300 + skinner.bw.top + skinner.bw.bottom);
  POINT origin{0, 0};
  ClientToScreen(Window(), &origin);
  EXPECT_EQ(origin.x - window.left, skinner.bw.left);
  EXPECT_EQ(origin.y - window.top, skinner.bw.top);
}

TEST_F(FrameSkinnerTest, RegionCutsTheMagentaCornersAndKeepsTheInside) {
  MakeSkinnedForm();
  framework::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(Window(), region.Get()), ERROR) << "no window region was set";
  const RECT window = WindowRect();
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  EXPECT_FALSE(PtInRegion(region.Get(), 0, 0)) << "the cut top-left corner";
  EXPECT_FALSE(PtInRegion(region.Get(), width - 1, 0)) << "the cut top-right corner";
  EXPECT_TRUE(PtInRegion(region.Get(), width / 2, height / 2));
  EXPECT_TRUE(PtInRegion(region.Get(), width / 2, 1)) << "the caption bar's top edge";
  EXPECT_TRUE(PtInRegion(region.Get(), 1, height / 2)) << "the left border";
}

TEST_F(FrameSkinnerTest, HitTestAnswersAcrossTheFrame) {
  MakeSkinnedForm();
  const TWinSkinForm& skinner = *Skinner();
  const RECT window = WindowRect();
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  auto hit = [&](int x, int y) { return SendMessageW(Window(), WM_NCHITTEST, 0, ScreenLParam(x, y)); };
  EXPECT_EQ(hit(width / 2, skinner.bw.top / 2), HTCAPTION);
  EXPECT_EQ(hit(width / 2, height / 2), HTCLIENT);
  EXPECT_EQ(hit(0, height / 2), HTLEFT) << "a sizeable window is still sized at its borders";
  EXPECT_EQ(hit(width - 1, height / 2), HTRIGHT);
  EXPECT_EQ(hit(width / 2, height - 1), HTBOTTOM);
  EXPECT_EQ(hit(width - 1, height - 1), HTBOTTOMRIGHT);
  const TWinSysButton* close = ButtonWithAction(skinner, 0);
  ASSERT_NE(close, nullptr);
  const POINT c = Centre(close->bounds);
  EXPECT_EQ(hit(c.x, c.y), HTCAPTION) << "the system's own close button never answers over the skin's";
}

TEST_F(FrameSkinnerTest, CloseButtonPressedAndReleasedClosesDraggedOffDoesNothing) {
  MakeSkinnedForm();
  const TWinSysButton* close = ButtonWithAction(*Skinner(), 0);
  ASSERT_NE(close, nullptr);
  const POINT c = Centre(close->bounds);
  const RECT window = WindowRect();
  Record();
  // Pressed, dragged onto the caption and released there: no command.
  SendMessageW(Window(), WM_NCLBUTTONDOWN, HTCAPTION, ScreenLParam(c.x, c.y));
  EXPECT_EQ(Skinner()->ActiveBtn, close);
  SendMessageW(Window(), WM_NCMOUSEMOVE, HTCAPTION, ScreenLParam((window.right - window.left) / 2, 10));
  SendMessageW(Window(), WM_NCLBUTTONUP, HTCAPTION, ScreenLParam((window.right - window.left) / 2, 10));
  PumpFor(50);
  for (const SeenMessage& m : Seen()) {
    EXPECT_FALSE(m.msg == WM_SYSCOMMAND && m.wParam == SC_CLOSE) << "closed after the press was dragged off";
    EXPECT_NE(m.msg, WM_NCLBUTTONDOWN) << "the press on a skinned button must not reach the window";
  }
  // Pressed and released on the button: one close command.
  SendMessageW(Window(), WM_NCLBUTTONDOWN, HTCAPTION, ScreenLParam(c.x, c.y));
  SendMessageW(Window(), WM_NCLBUTTONUP, HTCAPTION, ScreenLParam(c.x, c.y));
  PumpFor(100);
  EXPECT_TRUE(SawInOrder(Seen(), {{WM_SYSCOMMAND, SC_CLOSE}}));
}

TEST_F(FrameSkinnerTest, ActivationPaintsTheFrameItselfAndAnswersTheSkinQuery) {
  MakeSkinnedForm();
  Record();
  EXPECT_EQ(SendMessageW(Window(), WM_SKINQUERY, 0, 0), 1);
  EXPECT_EQ(SendMessageW(Window(), WM_NCACTIVATE, FALSE, 0), 1);
  EXPECT_FALSE(Skinner()->FWindowActive);
  EXPECT_EQ(SendMessageW(Window(), WM_NCACTIVATE, TRUE, 0), 1);
  EXPECT_TRUE(Skinner()->FWindowActive);
  PumpFor(50);
  // The form hears that skinning is done; its own handler never paints the
  // non-client area or sees the engine's query.
  EXPECT_TRUE(SawInOrder(Seen(), {{WM_SKINNOTIFY, 0}}));
  for (const SeenMessage& m : Seen()) {
    EXPECT_NE(m.msg, WM_NCPAINT);
    EXPECT_NE(m.msg, WM_SKINQUERY);
  }
}

// Sends the message that opens the skinned system menu (a right click on the
// caption by default); while its menu loop runs, `during` is called once,
// then the menu is closed.
void WithSystemMenuOpen(HWND window, LPARAM lParam, const std::function<void()>& during, UINT msg = WM_NCRBUTTONDOWN,
                        WPARAM wParam = HTCAPTION) {
  const bool opened = WithMenuOpen([&] { SendMessageW(window, msg, wParam, lParam); },
                                   [&](HWND) {
                                     if (during) during();
                                   });
  EXPECT_TRUE(opened) << "no popup menu window while the system menu was open";
}

TEST_F(FrameSkinnerTest, SystemMenuOpensOnTheCaptionAndItsCommandsReachTheWindow) {
  MakeSkinnedForm();
  Record();
  WithSystemMenuOpen(Window(), ScreenLParam(60, 10), nullptr);
  PumpFor(50);
  EXPECT_NE(Skinner(), nullptr);
  // Commands of the owner-drawn menu come as WM_COMMAND and become system commands.
  SendMessageW(Window(), WM_COMMAND, SC_MINIMIZE, 0);
  PumpFor(100);
  EXPECT_TRUE(SawInOrder(Seen(), {{WM_SYSCOMMAND, SC_MINIMIZE}}));
  EXPECT_TRUE(IsIconic(Window()));
}

TEST_F(FrameSkinnerTest, AltSpaceOpensTheSkinnedSystemMenu) {
  MakeSkinnedForm();
  WithSystemMenuOpen(Window(), VK_SPACE, nullptr, WM_SYSCOMMAND, SC_KEYMENU);
}

TEST_F(FrameSkinnerTest, ResizeKeepsTheFrameAroundTheClientAndRecutsTheRegion) {
  MakeSkinnedForm();
  const TWinSkinForm& skinner = *Skinner();
  Record();
  SetWindowPos(Window(), nullptr, 0, 0, 520, 260, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  PumpFor(50);
  RECT client{};
  GetClientRect(Window(), &client);
  EXPECT_EQ(client.right, 520 - skinner.bw.left - skinner.bw.right);
  EXPECT_EQ(client.bottom, 260 - skinner.bw.top - skinner.bw.bottom);
  framework::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(Window(), region.Get()), ERROR);
  RECT box{};
  GetRgnBox(region.Get(), &box);
  EXPECT_EQ(box.right, 520);
  EXPECT_EQ(box.bottom, 260);
  // The form hears the new size once, as an unskinned form would.
  int sizes = 0;
  for (const SeenMessage& m : Seen()) sizes += m.msg == WM_SIZE;
  EXPECT_EQ(sizes, 1);
  EXPECT_TRUE(SawInOrder(Seen(), {{WM_WINDOWPOSCHANGING, 0}, {WM_SIZE, SIZE_RESTORED}}));
}

TEST_F(FrameSkinnerTest, AWindowSkinnedAsItShowsHasItsControlsErasedOnceAndPaintedOnce) {
  const std::shared_ptr<PaintCounts> counts = MakeFormWithNativePanel();
  ASSERT_TRUE(counts && Skinner());
  PumpFor(100);
  // Erased as the window showed; the skinned frame's new size and region
  // moved it along without erasing it again.
  EXPECT_EQ(counts->erases, 1);
  EXPECT_EQ(counts->paints, 1);
  // The form's own background went along too.
  LOGBRUSH face{};
  ASSERT_TRUE(GetObjectW(skin_->Gdi()->BGBrush.Get(), sizeof face, &face));
  framework::WindowDC dc(Window());
  EXPECT_EQ(GetPixel(dc.Get(), 390, 290), face.lbColor);
  EXPECT_EQ(GetPixel(dc.Get(), 5, 5), face.lbColor);
}

TEST_F(FrameSkinnerTest, ASkinChangePaintsTheWindowOnceInTheNewSkin) {
  const std::shared_ptr<PaintCounts> counts = MakeFormWithNativePanel();
  ASSERT_TRUE(counts && Skinner());
  PumpFor(100);
  *counts = {};
  skin_->LoadFromFile(BuiltSkinFile("coalrim"));
  RunPendingRequest();
  PumpFor(100);
  EXPECT_EQ(counts->erases, 1);
  EXPECT_EQ(counts->paints, 1);
  // In the new frame, which the new region follows.
  const TWinSkinForm& skinner = *Skinner();
  const RECT window = WindowRect();
  EXPECT_EQ(window.right - window.left, 400 + skinner.bw.left + skinner.bw.right);
  EXPECT_EQ(window.bottom - window.top, 300 + skinner.bw.top + skinner.bw.bottom);
  framework::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(Window(), region.Get()), ERROR);
  RECT box{};
  GetRgnBox(region.Get(), &box);
  EXPECT_EQ(box.right, window.right - window.left);
  EXPECT_EQ(box.bottom, window.bottom - window.top);
}

TEST_F(FrameSkinnerTest, ARawDialogThatPaintedBeforeItWasSkinnedIsRepaintedInTheSkinsBackground) {
  MakeSkinnedForm();
  UninstallNow();
  DialogTemplate dialog(L"Raw");
  const HWND window = CreateDialogIndirectParamW(nullptr, dialog.Get(), Window(), nullptr, 0);
  ASSERT_NE(window, nullptr);
  PumpFor(100);
  ASSERT_EQ(SkinManager().FrameSkinnerOf(window), nullptr) << "skinned with the skin off";
  InstallNow();
  // The dialog is skinned as it is activated, having painted natively.
  SetForegroundWindow(Window());
  PumpFor(50);
  SetForegroundWindow(window);
  for (int i = 0; i < 100; ++i) {
    const TWinSkinForm* dialogSkinner = SkinManager().FrameSkinnerOf(window);
    if (dialogSkinner && dialogSkinner->Skinstate == kFrameRunning) break;
    PumpFor(20);
  }
  ASSERT_NE(SkinManager().FrameSkinnerOf(window), nullptr);
  PumpFor(100);
  LOGBRUSH background{};
  ASSERT_TRUE(GetObjectW(skin_->Gdi()->BGBrush.Get(), sizeof background, &background));
  ASSERT_NE(background.lbColor, GetSysColor(COLOR_BTNFACE)) << "the test needs a skin of another face colour";
  RECT client{};
  GetClientRect(window, &client);
  {
    framework::WindowDC dc(window);
    EXPECT_EQ(GetPixel(dc.Get(), client.right - 4, client.bottom - 4), background.lbColor);
  }
  DestroyWindow(window);
  PumpFor(30);
}

TEST_F(FrameSkinnerTest, UninstallWhileTheSystemMenuIsOpenGivesTheWindowBack) {
  MakeSkinnedForm();
  const LONG_PTR classProc = GetClassLongPtrW(Window(), GCLP_WNDPROC);
  WithSystemMenuOpen(Window(), ScreenLParam(60, 10), UninstallNow);
  PumpFor(50);
  EXPECT_EQ(Skinner(), nullptr);
  EXPECT_EQ(SkinManager().LiveFrameSkinners(), 0) << "the skinner was not freed after its menu loop";
  EXPECT_EQ(GetWindowLongPtrW(Window(), GWLP_WNDPROC), classProc);
  EXPECT_NE(SendMessageW(Window(), WM_SKINQUERY, 0, 0), 1);
}

}  // namespace
}  // namespace lanvero::testing
