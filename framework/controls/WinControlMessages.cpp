// The windowed control's message dispatch: notifications reflected to the
// child windows' objects, focus and position changes, and the framework's
// own notifications (colour, font, visibility, enabled state).
#include "framework/controls/WinControl.h"

#include "framework/forms/Form.h"
#include "framework/menus/Menus.h"

namespace lanvero::framework {

bool TWinControl::ReflectToChild(HWND child, TMessage& message) {
  TControl* control = FindControlFromHandle(child);
  if (!control || control == this) return false;
  message.Result = control->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
  return true;
}

// A child window's notification goes to the child's object (an owner-drawn
// menu item's to the popup menu that holds it); false when nobody took it.
bool TWinControl::ReflectNotification(TMessage& message) {
  switch (message.Msg) {
    case WM_NOTIFY: return ReflectToChild(reinterpret_cast<NMHDR*>(message.LParam)->hwndFrom, message);
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
      return item->CtlType == ODT_MENU ? DispatchPopupMenuItem(message) : ReflectToChild(item->hwndItem, message);
    }
    case WM_MEASUREITEM: {
      const auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
      return item->CtlType == ODT_MENU ? DispatchPopupMenuItem(message)
                                       : ReflectToChild(GetDlgItem(handle_, static_cast<int>(item->CtlID)), message);
    }
    case WM_COMPAREITEM: return ReflectToChild(reinterpret_cast<COMPAREITEMSTRUCT*>(message.LParam)->hwndItem, message);
    case WM_DELETEITEM: return ReflectToChild(reinterpret_cast<DELETEITEMSTRUCT*>(message.LParam)->hwndItem, message);
    default:
      // WM_COMMAND, WM_CTLCOLOR*, scroll and list-box key messages name the child in lParam.
      return message.LParam && ReflectToChild(reinterpret_cast<HWND>(message.LParam), message);
  }
}

void TWinControl::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT: return WMPaint(message);
    case WM_ERASEBKGND: return WMEraseBkgnd(message);
    case WM_SETCURSOR: return WMSetCursor(message);
    case WM_SETFOCUS: return WMSetFocus(message);
    case WM_KILLFOCUS: return WMKillFocus(message);
    case WM_WINDOWPOSCHANGED: return WMWindowPosChanged(message);
    case WM_MOUSELEAVE: return WMMouseLeave(message);
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_COMPAREITEM:
    case WM_DELETEITEM:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CHARTOITEM:
    case WM_VKEYTOITEM:
      if (ReflectNotification(message)) return;
      break;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN: return CNKeyDown(message);
    case CN_CHAR:
    case CN_SYSCHAR: return CNChar(message);
    case CN_CTLCOLORMSGBOX:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORDLG:
    case CN_CTLCOLORSCROLLBAR:
    case CN_CTLCOLORSTATIC: return CNCtlColor(message);
    case CM_ENTER: return CMEnter(message);
    case CM_EXIT: return CMExit(message);
    case CM_RECREATEWND: return CMRecreateWnd(message);
    default: return TControl::Dispatch(message);
  }
  DefaultHandler(message);
}

void TWinControl::WMSetFocus(TMessage& message) {
  DefaultHandler(message);
  if (TCustomForm* form = GetParentForm(this); form && form != this) form->SetFocusedControl(this);
}

void TWinControl::WMKillFocus(TMessage& message) { DefaultHandler(message); }

void TWinControl::WMWindowPosChanged(TMessage& message) {
  const auto* position = reinterpret_cast<WINDOWPOS*>(message.LParam);
  if (!(position->flags & SWP_NOSIZE) || !(position->flags & SWP_NOMOVE)) {
    RECT rect{};
    GetWindowRect(handle_, &rect);
    HWND parentWindow = GetParent(handle_);
    if (parentWindow && (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_CHILD)) {
      MapWindowPoints(nullptr, parentWindow, reinterpret_cast<POINT*>(&rect), 2);
    }
    const bool resized = rect.right - rect.left != width_ || rect.bottom - rect.top != height_;
    const bool moved = rect.left != left_ || rect.top != top_;
    left_ = rect.left;
    top_ = rect.top;
    width_ = rect.right - rect.left;
    height_ = rect.bottom - rect.top;
    if (resized) Realign();
    if (resized || moved) {
      BoundsChanged();
      if (resized && OnResize) OnResize(this);
    }
  }
  DefaultHandler(message);
}

void TWinControl::CNCtlColor(TMessage& message) {
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  SetTextColor(dc, ColorToRGB(Font()->Color()));
  SetBkColor(dc, ColorToRGB(Color()));
  message.Result = reinterpret_cast<LRESULT>(BackgroundBrush());
}

void TWinControl::CMEnter(TMessage&) {
  if (OnEnter) OnEnter(this);
}

void TWinControl::CMExit(TMessage&) {
  if (OnExit) OnExit(this);
}

void TWinControl::CMVisibleChanged(TMessage& message) {
  if (handle_) {
    ShowWindow(handle_, message.WParam ? SW_SHOWNOACTIVATE : SW_HIDE);
  } else if (message.WParam) {
    UpdateControlState();
  }
}

void TWinControl::CMEnabledChanged(TMessage&) {
  if (handle_) EnableWindow(handle_, Enabled() ? TRUE : FALSE);
  Invalidate();
}

void TWinControl::CMColorChanged(TMessage&) {
  for (TControl* control : std::vector<TControl*>(controls_)) control->Perform(CM_PARENTCOLORCHANGED);
  Invalidate();
}

void TWinControl::CMFontChanged(TMessage&) {
  SendFont();
  for (TControl* control : std::vector<TControl*>(controls_)) control->Perform(CM_PARENTFONTCHANGED);
  Invalidate();
}

void TWinControl::CMBiDiModeChanged(TMessage&) {
  for (TControl* control : std::vector<TControl*>(controls_)) {
    if (control->ParentBiDiMode()) control->SetParentBiDiMode(true);
  }
  RecreateWnd();
}

}  // namespace lanvero::framework
