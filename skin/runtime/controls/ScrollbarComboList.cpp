#include "skin/runtime/controls/ScrollbarComboList.h"

#include "skin/image/win/BitmapDC.h"
#include "skin/image/win/SkinDraw.h"
#include "skin/runtime/controls/ScrollbarInfo.h"
#include "skin/runtime/controls/ScrollbarPaint.h"

namespace lanvero {
namespace {

using framework::TMessage;

// Sent by a combo box to its list when the list is shown.
constexpr UINT kComboListShown = 0x01AE;
// How often a drag with no messages checks that the button is still held.
constexpr DWORD kReleasePollMs = 50;

struct ThumbDrag {
  HWND list = nullptr;
  POINT start{};
  int32_t thumbOffset = 0;  // the thumb's start in the track at the press
  int32_t track = 0;        // the bar without its arrows
  int32_t thumbLength = 0;
  ScrollRange range;
  int32_t last = 0;

  void Follow() {
    POINT cursor{};
    GetCursorPos(&cursor);
    const int32_t offset = thumbOffset + (cursor.y - start.y);
    const int32_t position = DraggedPosition(offset, track, thumbLength, range);
    if (position != last) SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, position), 0);
    last = position;
  }

  void Finish() {
    SendMessageW(list, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, last), 0);
    PostMessageW(list, WM_VSCROLL, SB_ENDSCROLL, 0);
  }

  // Runs until the button is released, the capture is lost, the list goes
  // away or the program is asked to quit (the quit request is passed on to
  // the outer loop). A release whose message went elsewhere still ends it.
  void Run() {
    MSG msg{};
    while (GetCapture() == list && IsWindow(list)) {
      if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!ButtonHeld()) {
          Finish();
          return;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, kReleasePollMs, QS_ALLINPUT);
        continue;
      }
      if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        return;
      }
      if (msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP) {
        Finish();
        return;
      }
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
      if ((msg.message == WM_MOUSEMOVE || msg.message == WM_NCMOUSEMOVE) && IsWindow(list)) Follow();
    }
  }

  static bool ButtonHeld() {
    const int button = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    return (GetAsyncKeyState(button) & 0x8000) != 0;
  }
};

}  // namespace

TComboxScrollBar::TComboxScrollBar(framework::TComponent* AOwner) : TSkinControl(AOwner) {
  cw = GetSystemMetrics(SM_CXHSCROLL);
}

bool TComboxScrollBar::BeforeProc(TMessage& message) {
  switch (message.Msg) {
    case WM_NCPAINT: return true;
    case WM_NCMOUSEMOVE: return message.WParam != HTHSCROLL && message.WParam != HTVSCROLL;
    case WM_NCLBUTTONDOWN: return !DragThumb(message);
    default: return TSkinControl::BeforeProc(message);
  }
}

void TComboxScrollBar::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case WM_NCPAINT:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case kComboListShown: PaintControl(nullptr); break;
    default: TSkinControl::AfterProc(message); break;
  }
}

void TComboxScrollBar::DrawControl(HDC dc, const RECT&) { PaintBar(dc); }

void TComboxScrollBar::PaintBar(HDC dc) {
  if (!fsd || !dc) return;
  SCROLLBARINFO info;
  if (!SkinScrollBarInfo(hwnd, OBJID_VSCROLL, info) || !ScrollBarShown(info)) return;
  RECT window{};
  GetWindowRect(hwnd, &window);
  RECT bar = info.rcScrollBar;
  RECT inside{};
  if (!IntersectRect(&inside, &bar, &window) || !EqualRect(&inside, &bar)) return;
  OffsetRect(&bar, -window.left, -window.top);
  const int32_t thickness = ScrollbarThickness(*fsd, cw);
  len = bar.bottom - bar.top;
  if (thickness <= 0 || len <= 0) return;
  thumbtop = info.xyThumbTop;
  thumbBottom = info.xyThumbBottom;

  ScrollbarLook look;
  look.vertical = true;
  look.area = RECT{0, 0, thickness, len};
  look.arrowLength = cw;
  look.thumb = ThumbExtent{thumbtop, thumbBottom};
  look.enabled = ScrollBarEnabled(info);
  look.normalFramesOnly = true;

  DibSection image = DibSection::Create(thickness, len);
  if (image.IsEmpty()) return;
  BitmapDC target(image.Handle());
  if (!target) return;
  SetStretchBltMode(target.Get(), COLORONCOLOR);
  FillSolid(target.Get(), Rect{0, 0, thickness, len}, fsd->Colors[kSchemeButtonFace]);
  PaintScrollbar(target.Get(), *fsd, look);
  BitBlt(dc, bar.left, bar.top, thickness, len, target.Get(), 0, 0, SRCCOPY);
}

bool TComboxScrollBar::DragThumb(const TMessage& message) {
  if (message.WParam != HTVSCROLL) return false;
  SCROLLBARINFO info;
  if (!SkinScrollBarInfo(hwnd, OBJID_VSCROLL, info)) return false;
  const int32_t along = message.Y() - info.rcScrollBar.top;
  if (along < info.xyThumbTop || along >= info.xyThumbBottom) return false;
  SCROLLINFO scroll{};
  scroll.cbSize = sizeof scroll;
  scroll.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
  if (!GetScrollInfo(hwnd, SB_VERT, &scroll)) return false;

  ThumbDrag drag;
  drag.list = hwnd;
  GetCursorPos(&drag.start);
  drag.thumbOffset = info.xyThumbTop - cw;
  drag.track = (info.rcScrollBar.bottom - info.rcScrollBar.top) - 2 * cw;
  drag.thumbLength = info.xyThumbBottom - info.xyThumbTop;
  drag.range = ScrollRange{scroll.nMin, scroll.nMax, scroll.nPage, scroll.nPos};
  drag.last = scroll.nPos;
  SetCapture(hwnd);
  drag.Run();
  if (GetCapture() == drag.list) ReleaseCapture();
  return true;
}

}  // namespace lanvero
