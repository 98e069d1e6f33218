// The skinned scroll bars of scrolling controls under Wine: the overlay
// panels lie over the native bars and show the skin's frames for each
// state, the controls still scroll under them (arrows, pages, thumb,
// wheel), the panels follow bars that move or go, and skinning switches
// off and on per control.
#include "framework/controls/grid/DBGrid.h"
#include "skin/image/SysColors.h"
#include "skin/runtime/SkinMessages.h"
#include "skin/runtime/controls/ScrollbarControlSkinner.h"
#include "skin/runtime/controls/ScrollbarInfo.h"
#include "skin/runtime/controls/SkinnerLookup.h"
#include "tests/skin/runtime/controls/win/ScrollbarTestSupport.h"

namespace lanvero::testing {
namespace {

constexpr int kArrowFrames = 23;

int FirstLine(framework::TMemo* memo) {
  return static_cast<int>(SendMessageW(memo->Handle(), EM_GETFIRSTVISIBLELINE, 0, 0));
}
int TopIndex(framework::TListBox* list) { return static_cast<int>(SendMessageW(list->Handle(), LB_GETTOPINDEX, 0, 0)); }

RECT NativeBar(HWND hwnd, LONG id) {
  SCROLLBARINFO info;
  EXPECT_TRUE(SkinScrollBarInfo(hwnd, id, info));
  return info.rcScrollBar;
}

// The middle of the down arrow of a vertical panel, in panel coordinates.
POINT DownArrow(const TWScrollbar& panel) { return POINT{panel.CW / 2, panel.Height() - panel.CW / 2}; }
POINT ThumbMiddle(const TWScrollbar& panel) { return POINT{panel.CW / 2, (panel.thumbTop + panel.thumbbottom) / 2}; }

void Click(HWND hwnd, POINT client) {
  MouseDown(hwnd, client);
  MouseUp(hwnd, client);
  PumpFor(150);
}

TEST_F(ScrollbarSkinnerTest, PanelsLieOverTheNativeBarsAndShowTheSkinFramesOfEachState) {
  ASSERT_NO_FATAL_FAILURE(MakeScrollingForm());
  TSkinScrollbar* skinner = SkinnerOf(memo_);
  ASSERT_NE(skinner, nullptr);
  EXPECT_EQ(SkinnerKindOf(skinner), L"TSkinScrollbar");
  EXPECT_EQ(SkinnerKindOf(SkinnerOfControl(list_)), L"TSkinScrollbar");
  TWScrollbar& panel = *skinner->VertPanel();
  ASSERT_TRUE(panel.sbVisible);
  ASSERT_TRUE(IsWindowVisible(panel.WindowHandle()));
  RECT placed{};
  GetWindowRect(panel.WindowHandle(), &placed);
  const RECT bar = NativeBar(memo_->Handle(), OBJID_VSCROLL);
  EXPECT_TRUE(EqualRect(&placed, &bar)) << "the panel covers the native bar exactly";
  EXPECT_FALSE(skinner->HorzPanel()->sbVisible) << "the memo has no horizontal bar";

  const TDataSkinObject& arrows = *skin_->SArrow;
  const Color face = ScreenFace(*skin_);
  const int half = panel.CW / 2;
  auto downArrowShows = [&](int frame) {
    const e2e::Image image = CapturePanel(panel);
    const POINT at = DownArrow(panel);
    return Near(image.At(at.x, at.y), StripPixel(arrows, frame, kArrowFrames, half, half, face));
  };
  EXPECT_TRUE(downArrowShows(13)) << "normal";
  const e2e::Image normal = CapturePanel(panel);
  const POINT up{half, half};
  EXPECT_TRUE(Near(normal.At(up.x, up.y), StripPixel(arrows, 9, kArrowFrames, half, half, face)));
  const POINT grip = ThumbMiddle(panel);
  EXPECT_TRUE(Near(normal.At(grip.x, grip.y), StripPixel(arrows, 20, kArrowFrames, half, half, face)))
      << "the grip of a vertical thumb";

  MouseTo(panel.WindowHandle(), DownArrow(panel));
  PumpFor(150);
  EXPECT_EQ(panel.scrollpos, kPartSecondArrow);
  EXPECT_TRUE(downArrowShows(16)) << "hot";
  panel.fdown = true;
  panel.RepaintBar();
  PumpFor(100);  // the display shows what was drawn once messages ran
  EXPECT_TRUE(downArrowShows(14)) << "pressed";
  panel.fdown = false;
  MouseTo(form_->WindowHandle(), POINT{390, 290});
  PumpFor(150);
  EXPECT_EQ(panel.scrollpos, kPartNone) << "leaving the panel clears the highlight";

  EnableScrollBar(memo_->Handle(), SB_VERT, ESB_DISABLE_BOTH);
  panel.RepaintBar();
  PumpFor(100);
  const e2e::Image disabled = CapturePanel(panel);
  const TDataSkinObject& shaft = *skin_->VBar;
  EXPECT_TRUE(Near(disabled.At(grip.x, grip.y), StripPixel(shaft, 3, 4, half, 8, face)))
      << "a disabled bar shows shaft frame 3 and no thumb";
}

TEST_F(ScrollbarSkinnerTest, ArrowsPagesThumbAndWheelStillScrollUnderTheSkin) {
  ASSERT_NO_FATAL_FAILURE(MakeScrollingForm());
  TWScrollbar& memoBar = *SkinnerOf(memo_)->VertPanel();
  TWScrollbar& listBar = *SkinnerOf(list_)->VertPanel();
  ASSERT_EQ(FirstLine(memo_), 0);
  Click(memoBar.WindowHandle(), DownArrow(memoBar));
  EXPECT_EQ(FirstLine(memo_), 1) << "one line per click on the down arrow";
  Click(listBar.WindowHandle(), DownArrow(listBar));
  EXPECT_EQ(TopIndex(list_), 1);

  const int beforePage = FirstLine(memo_);
  Click(memoBar.WindowHandle(), POINT{memoBar.CW / 2, memoBar.thumbbottom + 4});
  EXPECT_GT(FirstLine(memo_), beforePage + 2) << "a click below the thumb pages";

  const int beforeDrag = TopIndex(list_);
  const int thumbBefore = listBar.thumbTop;
  const POINT thumb = ThumbMiddle(listBar);
  MouseDown(listBar.WindowHandle(), thumb);
  for (int dy = 10; dy <= 40; dy += 10) MouseTo(listBar.WindowHandle(), POINT{thumb.x, thumb.y + dy});
  MouseUp(listBar.WindowHandle(), POINT{thumb.x, thumb.y + 40});
  PumpFor(200);
  EXPECT_GT(TopIndex(list_), beforeDrag + 5) << "dragging the thumb scrolls";
  EXPECT_GT(listBar.thumbTop, thumbBefore) << "and the skinned thumb follows";

  const int beforeWheel = TopIndex(list_);
  SendMessageW(list_->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
  PumpFor(100);
  EXPECT_GT(TopIndex(list_), beforeWheel) << "the wheel still scrolls";
}

TEST_F(ScrollbarSkinnerTest, ScrollBarControlIsCoveredStretchedAndStillScrolls) {
  ASSERT_NO_FATAL_FAILURE(MakeScrollingForm());
  auto* skinner = dynamic_cast<TSkinScControl*>(SkinnerOfControl(bar_));
  ASSERT_NE(skinner, nullptr);
  TWScrollbar& panel = *skinner->Panel();
  EXPECT_EQ(panel.sbDir, 0) << "Kind sbHorizontal";
  RECT placed{}, control{};
  GetWindowRect(panel.WindowHandle(), &placed);
  GetWindowRect(bar_->Handle(), &control);
  EXPECT_TRUE(EqualRect(&placed, &control));

  const e2e::Image image = CapturePanel(panel);
  const int mid = bar_->Height() / 2;
  EXPECT_TRUE(Near(image.At(bar_->Width() - 4, mid),
                   StripPixel(*skin_->SArrow, 5, kArrowFrames, 12, 8, ScreenFace(*skin_)), 24))
      << "the right arrow, stretched over the control's height";
  Click(panel.WindowHandle(), POINT{bar_->Width() - 6, mid});
  EXPECT_EQ(bar_->Position(), 1) << "a click on the right arrow moves one step";
}

TEST_F(ScrollbarSkinnerTest, PanelsFollowResizesAndBarsThatGo) {
  ASSERT_NO_FATAL_FAILURE(MakeScrollingForm());
  TWScrollbar& memoBar = *SkinnerOf(memo_)->VertPanel();
  memo_->SetBounds(20, 20, 200, 160);
  PumpFor(100);
  RECT placed{};
  GetWindowRect(memoBar.WindowHandle(), &placed);
  const RECT bar = NativeBar(memo_->Handle(), OBJID_VSCROLL);
  EXPECT_TRUE(EqualRect(&placed, &bar)) << "moved and sized with the memo";

  TWScrollbar& listBar = *SkinnerOf(list_)->VertPanel();
  ASSERT_TRUE(listBar.sbVisible);
  while (list_->Items()->Count() > 2) list_->Items()->Delete(0);
  PumpFor(150);
  EXPECT_FALSE(listBar.sbVisible) << "no bar, no panel";
  EXPECT_FALSE(IsWindowVisible(listBar.WindowHandle()));
  for (int i = 0; i < 40; ++i) list_->Items()->Add(L"again");
  PumpFor(150);
  EXPECT_TRUE(listBar.sbVisible) << "the bar came back, so did the panel";
}

// Z-order changes of the panels, seen by a thread hook: a control with both
// bars must not have its two panels swap places on every scroll step (each
// swap repaints the control's frame and both panels).
HWND g_watchedPanels[2];
int g_panelRestacks = 0;

LRESULT CALLBACK CountPanelRestacks(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && message->message == WM_WINDOWPOSCHANGING &&
      (message->hwnd == g_watchedPanels[0] || message->hwnd == g_watchedPanels[1]) &&
      !(reinterpret_cast<const WINDOWPOS*>(message->lParam)->flags & SWP_NOZORDER)) {
    ++g_panelRestacks;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(ScrollbarSkinnerTest, ScrollingLeavesBothPanelsWhereTheyAreUnderASkinnedEdge) {
  ASSERT_NO_FATAL_FAILURE(MakeScrollingForm());
  memo_->SetWordWrap(false);
  memo_->SetScrollBars(framework::TScrollStyle::ssBoth);
  for (int i = 0; i < 40; ++i) memo_->Lines()->Add(std::wstring(60, L'w'));
  PumpFor(200);
  TSkinScrollbar* skinner = SkinnerOf(memo_);
  ASSERT_NE(skinner, nullptr) << "a memo whose window was made anew stays skinned";
  ASSERT_TRUE(skinner->VertPanel() && skinner->HorzPanel());
  ASSERT_TRUE(skinner->VertPanel()->sbVisible && skinner->HorzPanel()->sbVisible);
  g_watchedPanels[0] = skinner->VertPanel()->WindowHandle();
  g_watchedPanels[1] = skinner->HorzPanel()->WindowHandle();
  g_panelRestacks = 0;
  HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, CountPanelRestacks, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  const int before = FirstLine(memo_);
  for (int i = 0; i < 5; ++i) {
    SendMessageW(memo_->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), 0);
    PumpFor(30);
  }
  UnhookWindowsHookEx(hook);
  EXPECT_GT(FirstLine(memo_), before);
  EXPECT_EQ(g_panelRestacks, 0) << "the panels already lie above the memo";
  const HWND above = GetWindow(memo_->Handle(), GW_HWNDPREV);
  EXPECT_TRUE(above == g_watchedPanels[0] || above == g_watchedPanels[1]) << "one of them directly above it";

  // The frame the memo shows: the skin's two-ring edge and, between the
  // bars, the skin's face.
  RedrawWindow(memo_->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  PumpFor(100);
  const e2e::Image shot = e2e::CaptureWindow(memo_->Handle());
  const Color shadow = FromColorRef(ResolveColor(skin_->Colors[kSchemeButtonShadow]));
  EXPECT_TRUE(Near(shot.At(0, shot.height / 2), shadow)) << std::hex << shot.At(0, shot.height / 2);
  EXPECT_TRUE(Near(shot.At(1, shot.height / 2), ScreenFace(*skin_))) << std::hex << shot.At(1, shot.height / 2);
  EXPECT_TRUE(Near(shot.At(shot.width - 4, shot.height - 4), ScreenFace(*skin_)))
      << "the corner between the bars: " << std::hex << shot.At(shot.width - 4, shot.height - 4);
}

// Paints of the watched panels, seen by a thread hook.
int g_panelPaints = 0;

LRESULT CALLBACK CountPanelPaints(int code, WPARAM wParam, LPARAM lParam) {
  const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && message->message == WM_PAINT &&
      (message->hwnd == g_watchedPanels[0] || message->hwnd == g_watchedPanels[1])) {
    ++g_panelPaints;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(ScrollbarSkinnerTest, APanelPaintsAgainOnlyWhenItsBarLooksDifferent) {
  ASSERT_NO_FATAL_FAILURE(MakeScrollingForm());
  TSkinScrollbar* skinner = SkinnerOf(memo_);
  TWScrollbar& panel = *skinner->VertPanel();
  PumpFor(100);
  g_watchedPanels[0] = g_watchedPanels[1] = panel.WindowHandle();
  g_panelPaints = 0;
  HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, CountPanelPaints, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  for (int i = 0; i < 5; ++i) {
    panel.RepaintBar();
    RedrawWindow(memo_->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    PumpFor(20);
  }
  const int unchanged = g_panelPaints;
  panel.scrollpos = kPartSecondArrow;
  panel.RepaintBar();
  const int hot = g_panelPaints - unchanged;
  SendMessageW(memo_->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
  PumpFor(50);
  const int scrolled = g_panelPaints - unchanged - hot;
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(unchanged, 0) << "neither asking again nor the memo's own paints repaint a panel that still shows its bar";
  EXPECT_EQ(hot, 1) << "a part turned hot";
  EXPECT_GE(scrolled, 1) << "the thumb moved";
  const TDataSkinObject& arrows = *skin_->SArrow;
  const int half = panel.CW / 2;
  const POINT down = DownArrow(panel);
  EXPECT_TRUE(Near(CapturePanel(panel).At(down.x, down.y),
                   StripPixel(arrows, 16, kArrowFrames, half, half, ScreenFace(*skin_))))
      << "the hot arrow, after the scroll repainted the panel from its picture";

  // Another skin, the bar looking the same otherwise: the panel shows the
  // new skin's arrows, not the picture it kept.
  panel.scrollpos = kPartNone;
  panel.RepaintBar();
  skin_->LoadFromFile(BuiltSkinFile("coalrim"));
  RunPendingRequest();
  PumpFor(150);
  TWScrollbar& after = *SkinnerOf(memo_)->VertPanel();
  const TDataSkinObject& newArrows = *skin_->SArrow;
  const POINT at = DownArrow(after);
  EXPECT_TRUE(Near(CapturePanel(after).At(at.x, at.y),
                   StripPixel(newArrows, 13, kArrowFrames, after.CW / 2, after.CW / 2, ScreenFace(*skin_))));
}

TEST_F(ScrollbarSkinnerTest, AGridsFixedCellsAndTitlesTakeTheSkinsColoursAndGetTheirOwnBack) {
  MakeSkinnedForm("object Grid1: TDBGrid\n Left = 10\n Top = 10\n Width = 200\n Height = 120\n end\n");
  auto* grid = FindIn<framework::TDBGrid>(*form_, L"Grid1");
  ASSERT_NE(SkinnerOf(grid), nullptr);
  EXPECT_EQ(grid->FixedColor(), static_cast<framework::TColor>(skin_->Colors[kSchemeButtonFace]));
  EXPECT_EQ(grid->TitleFont()->Color(), static_cast<framework::TColor>(skin_->Colors[kSchemeButtonText]))
      << "titles on the skin's face are written in its button text colour";
  UninstallNow();
  PumpFor(100);
  EXPECT_EQ(grid->FixedColor(), framework::clBtnFace);
  EXPECT_EQ(grid->TitleFont()->Color(), framework::clWindowText);
}

TEST_F(ScrollbarSkinnerTest, SkinEnableSwitchesBetweenNativeAndSkinnedBars) {
  ASSERT_NO_FATAL_FAILURE(MakeScrollingForm());
  TSkinScrollbar* skinner = SkinnerOf(memo_);
  TWScrollbar* panel = skinner->VertPanel();
  EXPECT_EQ(SendMessageW(memo_->Handle(), WM_SKINQUERY, 0, 0), 1);
  SendMessageW(memo_->Handle(), WM_SKINENABLE, 0, 0);
  PumpFor(50);
  EXPECT_FALSE(IsWindowVisible(panel->WindowHandle())) << "native bar showing";
  Click(memo_->Handle(), POINT{10, 10});
  SendMessageW(memo_->Handle(), WM_SKINENABLE, 1, 0);
  PumpFor(50);
  EXPECT_TRUE(IsWindowVisible(panel->WindowHandle()));
  EXPECT_TRUE(panel->sbVisible);

  // Painting composes in the panel's one picture and keeps no other bitmap.
  const int gdiBefore = framework::LiveGdiHandles();
  for (int i = 0; i < 20; ++i) {
    panel->scrollpos = i % 2 ? kPartThumb : kPartNone;
    panel->RepaintBar();
    RedrawWindow(memo_->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  }
  EXPECT_EQ(framework::LiveGdiHandles(), gdiBefore);
}

}  // namespace
}  // namespace lanvero::testing
