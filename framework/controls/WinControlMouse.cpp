// Mouse messages over window-less children go to them; the control under
// the mouse hears CM_MOUSEENTER and CM_MOUSELEAVE; the cursor follows the
// control under it.
#include "framework/controls/WinControl.h"

#include "framework/forms/Application.h"

namespace lanvero::framework {

namespace {

// The control under the mouse, for CM_MOUSEENTER and CM_MOUSELEAVE.
TControl* g_mouseControl = nullptr;

bool IsMouseButtonMessage(UINT msg) {
  return msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP || msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDOWN ||
         msg == WM_RBUTTONUP || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDOWN || msg == WM_MBUTTONUP ||
         msg == WM_MBUTTONDBLCLK;
}

bool IsButtonDown(UINT msg) {
  return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN || msg == WM_LBUTTONDBLCLK ||
         msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
}

}  // namespace

void TWinControl::WndProc(TMessage& message) {
  if ((message.Msg == WM_MOUSEMOVE || IsMouseButtonMessage(message.Msg)) && ForwardMouseToChild(message)) return;
  TControl::WndProc(message);
}

bool TWinControl::ForwardMouseToChild(TMessage& message) {
  const POINT point{message.X(), message.Y()};
  TControl* target = (GetCapture() == handle_ && mouseCaptureControl_) ? mouseCaptureControl_ : ControlAtPos(point);
  if (message.Msg == WM_MOUSEMOVE) {
    UpdateMouseControl(target ? target : this);
    if (!trackingMouse_ && handle_) {
      TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, handle_, 0};
      trackingMouse_ = TrackMouseEvent(&track) != FALSE;
    }
  }
  if (!target) return false;
  if (IsButtonDown(message.Msg)) {
    if (TApplication* application = Application()) application->CancelHint();
    SetCapture(handle_);
    mouseCaptureControl_ = target;
  }
  const LPARAM local = MAKELPARAM(point.x - target->Left(), point.y - target->Top());
  message.Result = target->Perform(message.Msg, message.WParam, local);
  if (!IsButtonDown(message.Msg) && message.Msg != WM_MOUSEMOVE &&
      !(message.WParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) {
    if (GetCapture() == handle_) ReleaseCapture();
    mouseCaptureControl_ = nullptr;
  }
  return true;
}

void TWinControl::UpdateMouseControl(TControl* control) {
  if (control == g_mouseControl) return;
  TControl* previous = g_mouseControl;
  g_mouseControl = control;
  if (previous) previous->Perform(CM_MOUSELEAVE);
  if (control) control->Perform(CM_MOUSEENTER);
  if (TApplication* application = Application()) {
    if (previous) application->HintMouseLeave(previous);
    if (control) application->HintMouseEnter(control);
  }
}

void TWinControl::ForgetMouseControl(TControl* control) {
  if (g_mouseControl == control) g_mouseControl = nullptr;
  if (TApplication* application = Application()) application->HintMouseLeave(control);
}

void TWinControl::WMMouseLeave(TMessage& message) {
  trackingMouse_ = false;
  if (g_mouseControl == this || (g_mouseControl && g_mouseControl->Parent() == this && !g_mouseControl->IsWindowed())) {
    UpdateMouseControl(nullptr);
  }
  DefaultHandler(message);
}

void TWinControl::WMSetCursor(TMessage& message) {
  if (reinterpret_cast<HWND>(message.WParam) == handle_ && LOWORD(message.LParam) == HTCLIENT) {
    POINT point{};
    GetCursorPos(&point);
    ::ScreenToClient(handle_, &point);
    TControl* target = ControlAtPos(point);
    const TCursor cursor = target && target->Cursor() != crDefault ? target->Cursor() : Cursor();
    if (cursor != crDefault) {
      ::SetCursor(LoadCursorFor(cursor));
      message.Result = 1;
      return;
    }
  }
  DefaultHandler(message);
}

}  // namespace lanvero::framework
