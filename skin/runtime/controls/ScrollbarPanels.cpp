#include "skin/runtime/controls/ScrollbarPanels.h"

#include "framework/controls/WinControl.h"
#include "skin/image/win/SkinDraw.h"
#include "skin/runtime/controls/SkinControl.h"
#include "skin/runtime/frame/WinSkinForm.h"

namespace lanvero {
POINT ClientOriginInWindow(HWND hwnd) {
  RECT window{};
  GetWindowRect(hwnd, &window);
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  return POINT{origin.x - window.left, origin.y - window.top};
}

void TScrollbarPanels::Make(TSkinControl* owner, framework::TWinControl* control, HWND window) {
  if (hb || vb) return;
  hb = MakeScrollbarPanel();
  vb = MakeScrollbarPanel();
  if (control) {
    SetEnabled(control->Enabled());
    hb->Attach(owner, control, kWindowHorzBar);
    vb->Attach(owner, control, kWindowVertBar);
    if (!control->Visible()) Hide();
  } else {
    hb->AttachHwnd(owner, window, kWindowHorzBar);
    vb->AttachHwnd(owner, window, kWindowVertBar);
  }
}

void TScrollbarPanels::Free() {
  hb.reset();
  vb.reset();
}

void TScrollbarPanels::Reposition(HWND window) {
  if (hb) hb->SetPosition(window);
  if (vb) vb->SetPosition(window);
}

void TScrollbarPanels::Hide() {
  if (hb) hb->HideScrollbar();
  if (vb) vb->HideScrollbar();
}

void TScrollbarPanels::Repaint() {
  if (hb && hb->sbVisible) hb->RepaintBar();
  if (vb && vb->sbVisible) vb->RepaintBar();
}

void TScrollbarPanels::SetEnabled(bool enabled) {
  if (hb) hb->SetEnabled(enabled);
  if (vb) vb->SetEnabled(enabled);
}

void TScrollbarPanels::Scrolled(UINT msg, WPARAM wParam) {
  TWScrollbar* panel = msg == WM_HSCROLL ? hb.get() : vb.get();
  if (!panel) return;
  panel->scrollpos = LOWORD(wParam);
  panel->RepaintBar();
}

void TScrollbarPanels::FollowBars(HWND window, HDC windowDC, Color face) {
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  if (hb && (hb->sbVisible || (style & WS_HSCROLL))) hb->SetPosition(window);
  if (vb && (vb->sbVisible || (style & WS_VSCROLL))) vb->SetPosition(window);
  PaintCorner(window, windowDC, face);
}

void TScrollbarPanels::PaintCorner(HWND window, HDC windowDC, Color face) const {
  if (!hb || !vb || !hb->sbVisible || !vb->sbVisible || !windowDC) return;
  const POINT origin = ClientOriginInWindow(window);
  RECT corner{vb->sbRect.left, hb->sbRect.top, vb->sbRect.right, hb->sbRect.bottom};
  OffsetRect(&corner, origin.x, origin.y);
  FillSolid(windowDC, FromRECT(corner), face);
}

bool TScrollbarPanels::CoverShownBars(HWND window) const {
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  const auto covered = [](const ScrollbarPanel& panel) {
    return panel && panel->sbVisible && IsWindowVisible(panel->WindowHandle());
  };
  const bool horizontal = style & WS_HSCROLL, vertical = style & WS_VSCROLL;
  if (!horizontal && !vertical) return false;
  return (!horizontal || covered(hb)) && (!vertical || covered(vb));
}

bool TakeScrollingControl(TSkinControl& skinner, framework::TWinControl* acontrol, TSkinData* sd,
                          framework::TCanvas* acanvas, TWinSkinForm* sf) {
  if (skinner.Inited || !acontrol || acontrol != skinner.OwnerControl()) return false;
  skinner.fsd = sd;
  skinner.skinform = sf;
  skinner.fCanvas = acanvas;
  skinner.control = acontrol;
  skinner.hwnd = acontrol->Handle();
  skinner.isunicode = IsWindowUnicode(skinner.hwnd);
  if (sf) sf->AddControlList(&skinner);
  return true;
}

void HookScrollingControl(TSkinControl& skinner, ScrollbarHookNotice& notice) {
  framework::TWinControl* control = skinner.control;
  if (!control) return;
  skinner.OldWndProc = control->WindowProc;
  control->WindowProc = [self = &skinner, notice = &notice](framework::TMessage& message) {
    // Copies: the handler itself may be gone when the message returns.
    TSkinControl* skinnerHere = self;
    ScrollbarHookNotice* noticeHere = notice;
    CallDepthCounted::CallScope scope(*skinnerHere);
    ++noticeHere->hookDepth;
    skinnerHere->NewWndProc(message);
    const bool outermost = --noticeHere->hookDepth == 0;
    noticeHere->AfterMessage(message.Msg, outermost);
  };
}

}  // namespace lanvero
