// Scroll bar skinners whose control, skinner or skin goes away while a
// press is inside the native bar's tracking loop; raw windows with panels;
// the drop-down list's own thumb dragging.
#include <functional>

#include "skin/runtime/SkinMessages.h"
#include "skin/runtime/controls/ScrollbarComboList.h"
#include "skin/runtime/controls/ScrollbarInfo.h"
#include "skin/runtime/controls/ScrollbarRawSkinner.h"
#include "skin/runtime/controls/SkinnerLookup.h"
#include "tests/skin/runtime/controls/win/ScrollbarTestSupport.h"

namespace lanvero::testing {
namespace {

std::function<void()> g_duringPress;

void CALLBACK RunDuringPress(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (auto action = std::exchange(g_duringPress, nullptr)) action();
}

// Presses the thumb of `panel`, moves down by 20 pixels and runs `during`
// from a timer while the native tracking loop runs, then releases.
void DragThumbAnd(TWScrollbar& panel, std::function<void()> during) {
  const HWND window = panel.WindowHandle();
  const POINT thumb{panel.CW / 2, (panel.thumbTop + panel.thumbbottom) / 2};
  POINT release{thumb.x, thumb.y + 20};
  ClientToScreen(window, &release);
  g_duringPress = [during = std::move(during), release] {
    during();
    MouseUp(GetDesktopWindow(), release);
  };
  SetTimer(nullptr, 0, 150, RunDuringPress);
  MouseDown(window, thumb);
  MouseTo(window, POINT{thumb.x, thumb.y + 20});
  PumpFor(600);
  g_duringPress = nullptr;
}

struct PanelCount {
  bool all;
  int found;
};

// A window procedure callback must be stdcall on 32-bit Windows: a named
// CALLBACK function, not a lambda.
BOOL CALLBACK CountPanel(HWND child, LPARAM data) {
  auto& state = *reinterpret_cast<PanelCount*>(data);
  wchar_t cls[32]{};
  GetClassNameW(child, cls, 32);
  if (std::wstring(cls) == L"TWScrollbar" && (state.all || IsWindowVisible(child))) ++state.found;
  return TRUE;
}

// Panel windows among the form's children; only the shown ones unless `all`.
int PanelWindows(HWND form, bool all = false) {
  PanelCount count{all, 0};
  EnumChildWindows(form, CountPanel, reinterpret_cast<LPARAM>(&count));
  return count.found;
}

int FirstLine(HWND memo) { return static_cast<int>(SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0)); }

TEST_F(ScrollbarSkinnerTest, DestroyingTheControlDuringAThumbDragDoesNotCrash) {
  ASSERT_NO_FATAL_FAILURE(MakeScrollingForm());
  ASSERT_EQ(PanelWindows(Window()), 3);  // memo, list box, scroll bar control
  framework::TMemo* memo = memo_;
  const HWND memoWindow = memo_->Handle();
  DragThumbAnd(*SkinnerOf(memo_)->VertPanel(), [&] {
    delete memo;
    memo_ = nullptr;
  });
  EXPECT_FALSE(IsWindow(memoWindow));
  EXPECT_EQ(PanelWindows(Window()), 2) << "the memo's panel went with it";
  EXPECT_EQ(SkinnerOfWindow(memoWindow), nullptr) << "and so did its skinner";
}

TEST_F(ScrollbarSkinnerTest, ReplacementOrUninstallDuringAThumbDragLeavesOneWorkingSkinner) {
  ASSERT_NO_FATAL_FAILURE(MakeScrollingForm());
  TSkinScrollbar* before = SkinnerOf(memo_);
  const HWND memoWindow = memo_->Handle();
  DragThumbAnd(*before->VertPanel(),
               [&] { PostMessageW(Window(), WM_SKINRESETSCROLLBAR, reinterpret_cast<WPARAM>(memoWindow), 0); });
  PumpFor(100);
  TSkinScrollbar* after = SkinnerOf(memo_);
  ASSERT_NE(after, nullptr);
  EXPECT_EQ(PanelWindows(Window()), 3) << "one panel per bar, the replaced skinner's gone";
  EXPECT_EQ(PanelWindows(Window(), true), 3)
      << "the replaced skinner's panel windows are gone (unused ones never had one)";
  EXPECT_GT(FirstLine(memoWindow), 0) << "the drag scrolled";
  SendMessageW(memoWindow, EM_LINESCROLL, 0, -100);
  EXPECT_EQ(SendMessageW(memoWindow, WM_SKINQUERY, 0, 0), 1) << "the new skinner answers";

  DragThumbAnd(*after->VertPanel(), [] { UninstallNow(); });
  PumpFor(100);
  EXPECT_EQ(PanelWindows(Window(), true), 0) << "every panel window freed once the press returned";
  EXPECT_EQ(SkinnerOfControl(memo_), nullptr);
  EXPECT_NE(SendMessageW(memoWindow, WM_SKINQUERY, 0, 0), 1) << "the memo's handler is its own again";
  memo_->Lines()->Add(L"still a memo");
  EXPECT_EQ(memo_->Lines()->Count(), 25);
}

class RawScrollbarTest : public ScrollbarSkinnerTest {
 protected:
  HWND MakeRawList(DWORD style) {
    const HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | style,
                                      200, 160, 120, 100, Window(), nullptr, GetModuleHandleW(nullptr), nullptr);
    for (int i = 0; i < 50; ++i) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"row"));
    return list;
  }
};

TEST_F(RawScrollbarTest, RawWindowBarsAreCoveredScrollAndGoWithTheWindow) {
  ASSERT_NO_FATAL_FAILURE(MakeSkinnedForm());
  const HWND list = MakeRawList(0);
  auto* skinner = new TSkinScrollbarH(nullptr);
  skinner->Inithwnd(list, skin_, &Skinner()->SkinnerCanvas(), Skinner());
  PumpFor(100);
  TWScrollbar& panel = *skinner->VertPanel();
  ASSERT_TRUE(panel.sbVisible);
  MouseDown(panel.WindowHandle(), POINT{panel.CW / 2, panel.Height() - panel.CW / 2});
  MouseUp(panel.WindowHandle(), POINT{panel.CW / 2, panel.Height() - panel.CW / 2});
  PumpFor(150);
  EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 1);

  DragThumbAnd(panel, [list] { DestroyWindow(list); });
  EXPECT_EQ(skinner->skinstate, kSkinnerWindowGone);
  EXPECT_EQ(PanelWindows(Window()), 0) << "no panel over a window that is gone";
}

TEST_F(RawScrollbarTest, DropDownListThumbIsDrawnAndDraggedToTheLastPageAndNoFurther) {
  ASSERT_NO_FATAL_FAILURE(MakeSkinnedForm());
  const HWND list = MakeRawList(LBS_NOINTEGRALHEIGHT);
  auto* skinner = new TComboxScrollBar(nullptr);
  skinner->Inithwnd(list, skin_, &Skinner()->SkinnerCanvas(), Skinner());
  RedrawWindow(list, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  PumpFor(100);
  SCROLLBARINFO info;
  ASSERT_TRUE(SkinScrollBarInfo(list, OBJID_VSCROLL, info));
  const e2e::Image shown = e2e::CaptureScreenRect(info.rcScrollBar);
  const int half = skinner->cw / 2;
  EXPECT_TRUE(Near(shown.At(half, half), StripPixel(*skin_->SArrow, 9, 23, half, half, ScreenFace(*skin_))))
      << "the up arrow painted into the list's frame";

  const POINT thumb{(info.rcScrollBar.left + info.rcScrollBar.right) / 2,
                    info.rcScrollBar.top + (info.xyThumbTop + info.xyThumbBottom) / 2};
  const HWND desktop = GetDesktopWindow();
  // Moved and released once the drag holds the capture, as a hand would.
  g_duringPress = [desktop, thumb] {
    MouseTo(desktop, POINT{thumb.x, thumb.y + 30});
    MouseTo(desktop, POINT{thumb.x, thumb.y + 150});
    MouseUp(desktop, POINT{thumb.x, thumb.y + 150});
  };
  SetTimer(nullptr, 0, 150, RunDuringPress);
  MouseDown(desktop, thumb);
  PumpFor(600);
  SCROLLINFO scroll{};
  scroll.cbSize = sizeof scroll;
  scroll.fMask = SIF_ALL;
  GetScrollInfo(list, SB_VERT, &scroll);
  EXPECT_EQ(scroll.nPos, scroll.nMax - static_cast<int>(scroll.nPage) + 1) << "the last position, and no further";
  DestroyWindow(list);
  PumpFor(50);
}

}  // namespace
}  // namespace lanvero::testing
