// The frame skinner's message handling: the window procedure in three
// stages, the form hook, frame geometry, non-client mouse, the timer and
// the window state.
#include "framework/forms/Form.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/runtime/SkinMessages.h"
#include "skin/runtime/frame/WinSkinForm.h"
#include "skin/runtime/geometry/CaptionButtonRules.h"
#include "skin/runtime/menus/MenuBar.h"
#include "skin/runtime/tracking/SkinManager.h"

// Last: its macros (SelectBitmap, ...) clash with the framework's names.
#include <windowsx.h>

namespace lanvero {
namespace {

constexpr UINT_PTR kFrameTimerId = 0x5A4B;
constexpr UINT CM_MENUCHANGED_MESSAGE = 0xB015;

bool IsSystemCommandId(WORD id) {
  switch (id & 0xFFF0) {
    case SC_SIZE:
    case SC_MOVE:
    case SC_MINIMIZE:
    case SC_MAXIMIZE:
    case SC_NEXTWINDOW:
    case SC_PREVWINDOW:
    case SC_CLOSE:
    case SC_RESTORE: return (id & 0x000F) == 0;
    default: return false;
  }
}

}  // namespace

LRESULT TWinSkinForm::CallDefault(UINT msg, WPARAM wParam, LPARAM lParam) {
  return CallNextProc(Hwnd, msg, wParam, lParam);
}

LRESULT TWinSkinForm::SubclassMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (hwnd != Hwnd && hwnd == ClientHwnd) return ClientWndProc(msg, wParam, lParam);
  if (Skinstate == kFrameCreated && msg == WM_NCPAINT) return 0;
  LRESULT result = 0;
  if (Stage1(msg, wParam, lParam, result)) return result;
  if ((dwstyle & WS_CHILD) && FormStyle != sfsMDIChild) return CallDefault(msg, wParam, lParam);
  if (Stage2(msg, wParam, lParam, result)) return result;
  const bool stage3 = Skinstate != kFrameCreated && !(FormStyle == sfsMDIChild && Windowstate == swsMax);
  if (stage3 && Stage3(msg, wParam, lParam, result)) return result;
  return CallDefault(msg, wParam, lParam);
}

bool TWinSkinForm::Stage1(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_TIMER:
      if (wParam != kFrameTimerId) break;
      TimerTick();
      return true;
    case WM_ERASEBKGND:
      result = CallDefault(msg, wParam, lParam);
      if (!FForm && fsd && fsd->Gdi()) {
        RECT client{};
        GetClientRect(Hwnd, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, fsd->Gdi()->BGBrush.Get());
        result = 1;
      }
      return true;
    case WM_NCDESTROY:
      Skinstate = kFrameReleasing;
      UnSubclass3();
      result = CallDefault(msg, wParam, lParam);
      Skinstate = kFrameDestroyed;
      FForm = nullptr;
      SkinManager().FrameWindowGone(*this);
      return true;
    case WM_NCACTIVATE:
      if (Skinstate == kFrameCreated && FormStyle != sfsMDIChild) {
        result = 0;
        return true;
      }
      break;
    case WM_NCUAHDRAWCAPTION: result = 0; return true;
    case WM_MENUSELECT: NoteMenuSelect(wParam, lParam); break;
    case WM_INITMENUPOPUP:
      SkinManager().menutype = reinterpret_cast<HMENU>(wParam) == hsysmenu ? 2 : 1;
      result = CallDefault(msg, wParam, lParam);
      return true;
    case WM_MEASUREITEM:
    case WM_DRAWITEM:
      // The skinned system menu's entries, whatever state the frame is in.
      if (SystemMenuItemMessage(msg, lParam, result)) return true;
      break;
    case WM_CTLCOLORBTN:
      result = CallDefault(msg, wParam, lParam);
      if (!FForm) SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
      return true;
    case WM_CTLCOLORSTATIC:
      result = CallDefault(msg, wParam, lParam);
      if (!FForm && fsd && fsd->Gdi()) {
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        result = reinterpret_cast<LRESULT>(fsd->Gdi()->BGBrush.Get());
      }
      return true;
    case WM_SKINACTIVATE: Activate(); return true;
    case WM_SKINRESETSCROLLBAR:
      RecreateSkinner(reinterpret_cast<HWND>(wParam));
      result = 0;
      return true;
    case WM_SKINQUERY:
      result = 1;
      PostMessageW(Hwnd, WM_SKINNOTIFY, 0, SKIN_SIGNATURE);
      return true;
    default: break;
  }
  if (!sMainMenu) {
    result = CallDefault(msg, wParam, lParam);
    return true;
  }
  return false;
}

bool TWinSkinForm::Stage2(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_SIZE:
      // Handled once: the window's own procedure sees each WM_SIZE once.
      result = WMSize(wParam, lParam);
      return true;
    case WM_ACTIVATE:
    case WM_NCACTIVATE: FWindowActive = LOBYTE(wParam) != 0; return false;
    case WM_GETMINMAXINFO:
      result = CallDefault(msg, wParam, lParam);
      ReadWindowState();
      return true;
    case WM_WINDOWPOSCHANGED:
      ReadWindowState();
      result = CallDefault(msg, wParam, lParam);
      return true;
    case WM_SETICON:
      result = CallDefault(msg, wParam, lParam);
      BuildIconBitmap();
      return true;
    case WM_COMMAND:
      if (lParam == 0 && IsSystemCommandId(LOWORD(wParam))) {
        PostMessageW(Hwnd, WM_SYSCOMMAND, LOWORD(wParam), 0);
      } else {
        result = CallDefault(msg, wParam, lParam);
      }
      return true;
    case WM_SYSCOMMAND: result = WMSysCommand(wParam, lParam); return true;
    case WM_SKINMENUCLICK:
      result = 0;
      if (menu && !fInMenu) CheckMenu(menu->FindBtn(ScreenToFrame(lParam)));
      return true;
    default: return false;
  }
}

bool TWinSkinForm::Stage3(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_WINDOWPOSCHANGING: result = CallDefault(msg, wParam, lParam); return true;
    case WM_NCCALCSIZE: result = WMNCCalcSize(wParam, lParam); return true;
    case WM_NCHITTEST: result = WMNCHitTest(wParam, lParam); return true;
    case WM_NCPAINT:
      SetSysMenuStyle(true);
      if (fsd->MenuMsg) {
        if (FormBorder == sbsNone) {
          result = CallDefault(msg, wParam, lParam);
          return true;
        }
        PaintFrame(nullptr);
      }
      result = 0;
      return true;
    case WM_NCACTIVATE: result = WMNCActivate(wParam, lParam); return true;
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN: return NonClientMouse(msg, wParam, lParam, result);
    case WM_SKINNCPAINT:
      PaintFrame(nullptr);
      result = 0;
      return true;
    case WM_MEASUREITEM: result = WMMeasureItem(wParam, lParam); return true;
    case WM_DRAWITEM: result = WMDrawItem(wParam, lParam); return true;
    default: return false;
  }
}

void TWinSkinForm::FormMessageHook(framework::TMessage& message) {
  switch (message.Msg) {
    case WM_SETTEXT:
      OldWndProc(message);
      if (!IsWindowVisible(Hwnd)) return;
      if (Windowstate == swsMin) {
        PaintFrame(nullptr);
      } else {
        Refresh();
      }
      return;
    case WM_SKINCHANGED: SkinChange(); return;
    case WM_SKINPAINTFRAME:
      if (message.LParam != SKIN_SIGNATURE) break;
      if (message.WParam) PaintFrame(reinterpret_cast<HDC>(message.WParam));
      message.Result = SKIN_SIGNATURE;
      return;
    case WM_SKINPING: message.Result = message.LParam == SKIN_SIGNATURE ? SKIN_SIGNATURE : 1; return;
    case framework::CM_DIALOGCHAR:
      OldWndProc(message);
      if (!message.Result && DialogKey(message)) message.Result = 1;
      return;
    case CM_MENUCHANGED_MESSAGE: {
      // The menu of an open drop-down must live until its loop ends.
      if (fInMenu) {
        menuChangedInLoop_ = true;
        return;
      }
      // The framework put its menu back on the window: paint nothing while
      // it does, and take the native menu bar off again.
      const bool menuMsg = fsd->MenuMsg;
      fsd->MenuMsg = false;
      OldWndProc(message);
      fsd->MenuMsg = menuMsg;
      if (menu) UpdateMainMenu();
      if (GetMenu(Hwnd) && sMainMenu) SetMenu(Hwnd, nullptr);
      return;
    }
    default: break;
  }
  OldWndProc(message);
}

// --- Frame geometry ---------------------------------------------------------------

FramePoint TWinSkinForm::ScreenToFrame(POINT pt) const {
  ScreenToClient(Hwnd, &pt);
  FramePoint p{pt.x, pt.y};
  if (!(FormStyle == sfsMDIChild && Windowstate == swsMin)) {
    p.x += bw.left;
    p.y += bw.top + MenuHeight;
  }
  return p;
}

FramePoint TWinSkinForm::ScreenToFrame(LPARAM screenPoint) const {
  return ScreenToFrame(POINT{GET_X_LPARAM(screenPoint), GET_Y_LPARAM(screenPoint)});
}

LRESULT TWinSkinForm::WMNCCalcSize(WPARAM wParam, LPARAM lParam) {
  CallDefault(WM_NCCALCSIZE, wParam, lParam);
  if (LOBYTE(wParam) == 0) return 0;  // the system's own client rectangle stays
  auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
  const bool mdiChildNotNormal = FormStyle == sfsMDIChild && Windowstate != swsNormal;
  if (mdiChildNotNormal || FormBorder == sbsNone || Windowstate == swsMin) {
    params->rgrc[1] = params->rgrc[0];
    return WVR_VALIDRECTS;
  }
  const WINDOWPOS& pos = *params->lppos;
  const Rect window{pos.x, pos.y, pos.x + pos.cx, pos.y + pos.cy};
  params->rgrc[0] = ToRECT(ClientRectInside(window, bw, MenuHeight));
  params->rgrc[1] = params->rgrc[0];
  return WVR_VALIDRECTS;
}

LRESULT TWinSkinForm::WMNCHitTest(WPARAM wParam, LPARAM lParam) {
  const LRESULT system = CallDefault(WM_NCHITTEST, wParam, lParam);
  return MapHitTest(static_cast<int32_t>(system), ScreenToFrame(lParam), bw, MenuHeight);
}

LRESULT TWinSkinForm::WMNCActivate(WPARAM wParam, LPARAM) {
  FWindowActive = wParam != 0;
  StartTimer(wParam != 0);
  if (FormStyle == sfsMDIform && ClientHwnd) SendMessageW(ClientHwnd, WM_NCACTIVATE, wParam, 0);
  if (FormStyle == sfsMDIChild) CallDefault(WM_NCACTIVATE, wParam, 0);
  if (!(FormStyle == sfsMDIChild && Windowstate == swsMax)) PaintFrame(nullptr);
  return 1;
}

// --- Non-client mouse -----------------------------------------------------------------

bool TWinSkinForm::NonClientMouse(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  const FramePoint point = ScreenToFrame(lParam);
  TWinSysButton* button = SysButtonAt(point);
  result = 0;
  TMenuBtn* menuButton = button || !menu ? nullptr : menu->FindBtn(point);
  if (menuButton && msg == WM_NCMOUSEMOVE) {
    if (FWindowActive) menuButton->MouseEnter();
    return true;
  }
  if (menuButton && msg == WM_NCLBUTTONDOWN) {
    HideCaptionHint();
    if (!FWindowActive) SetForegroundWindow(Hwnd);
    if (!fInMenu) CheckMenu(menuButton);
    return true;
  }
  switch (msg) {
    case WM_NCMOUSEMOVE:
      if (!FWindowActive) return true;
      if (button) {
        button->MouseEnter();
        return true;
      }
      if (ActiveBtn) {
        TNCObject* leaving = ActiveBtn;
        ActiveBtn = nullptr;
        leaving->MouseLeave();
      }
      result = CallDefault(msg, wParam, lParam);
      return true;
    case WM_NCLBUTTONDOWN:
      HideCaptionHint();
      if (button) {
        if (!FWindowActive) SetForegroundWindow(Hwnd);
        button->MouseDown();
        return true;
      }
      if (Windowstate == swsMax && FWindowActive && wParam == HTCAPTION) wParam = HTMENU;
      result = CallDefault(msg, wParam, lParam);
      return true;
    case WM_NCLBUTTONUP:
      HideCaptionHint();
      if (button) {
        if (button == ActiveBtn) {
          button->MouseUp();
          PerformButtonAction(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        }
        return true;
      }
      result = CallDefault(msg, wParam, lParam);
      return true;
    case WM_NCLBUTTONDBLCLK:
      if (button) {
        if (IsWindowIconAction(button->data.Action)) {
          StartTimer(false);
          PostMessageW(Hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        return true;
      }
      if (Windowstate != swsNormal) {
        Restore();
      } else if (FormIcons & sbiMax) {
        Maximize();
      } else {
        result = CallDefault(msg, wParam, lParam);
      }
      return true;
    case WM_NCRBUTTONDOWN:
      HideCaptionHint();
      if (wParam == HTCAPTION && FormStyle != sfsMDIChild) {
        PopupSysMenu(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return true;
      }
      result = CallDefault(msg, wParam, lParam);
      return true;
    default: return false;
  }
}

void TWinSkinForm::TimerTick() {
  if (!ActiveBtn) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  const FramePoint p = ScreenToFrame(cursor);
  const Rect& b = ActiveBtn->bounds;
  if (p.x < b.left || p.x >= b.right || p.y < b.top || p.y >= b.bottom) {
    TNCObject* leaving = ActiveBtn;
    ActiveBtn = nullptr;
    leaving->MouseLeave();
    HideCaptionHint();
    return;
  }
  AdvanceCaptionHint();
}

// --- Window state -----------------------------------------------------------------------

LRESULT TWinSkinForm::WMSize(WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallDefault(WM_SIZE, wParam, lParam);
  if (FormStyle == sfsMDIChild && (wParam == SIZE_MAXIMIZED || wParam == SIZE_RESTORED)) {
    // The frame shows or drops this child's merged buttons.
    if (GetParent(Hwnd) == SkinManager().clienthwnd && IsWindowVisible(Hwnd)) {
      SkinManager().SetMDIMax(wParam == SIZE_MAXIMIZED);
      PostMessageW(SkinManager().clienthwnd, WM_SKINREDRAWFRAME, reinterpret_cast<WPARAM>(Hwnd), 0);
    }
  }
  switch (wParam) {
    case SIZE_RESTORED: Windowstate = swsNormal; break;
    case SIZE_MINIMIZED: Windowstate = swsMin; break;
    case SIZE_MAXIMIZED: Windowstate = swsMax; break;
    default: break;
  }
  const bool running = Skinstate == kFrameRunning || Skinstate == kFrameChanging;
  const bool mdiOk = FormStyle != sfsMDIChild || (Windowstate == swsNormal && !SkinManager().MDIMax);
  if (Windowstate != swsMin && running && mdiOk) Cropwindow();
  return result;
}

LRESULT TWinSkinForm::WMSysCommand(WPARAM wParam, LPARAM lParam) {
  if ((wParam & 0xFFF0) == SC_KEYMENU && lParam == VK_SPACE) {
    // Alt+Space: the skinned system menu at the client area's corner; the
    // system's own handling follows when it closes.
    POINT corner{0, 0};
    ClientToScreen(Hwnd, &corner);
    PopupSysMenu(corner);
    return 0;
  }
  if ((wParam & 0xFFF0) == SC_KEYMENU && EnterMenuBarByKey(lParam)) return 1;
  switch (wParam) {
    case SC_MINIMIZE: Windowstate = swsMin; break;
    case SC_MAXIMIZE: Windowstate = swsMax; break;
    case SC_RESTORE:
      Windowstate = swsNormal;
      if (FormStyle == sfsMDIChild && SkinManager().MDIMax) SkinManager().MDIMax = false;
      break;
    default: break;
  }
  return CallDefault(WM_SYSCOMMAND, wParam, lParam);
}

void TWinSkinForm::Maximize() {
  if (Windowstate == swsMax) {
    Restore();
    return;
  }
  if (FormStyle == sfsMDIChild) SkinManager().SetMDIMax(true);
  Windowstate = swsMax;
  PostMessageW(Hwnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  ActiveBtn = nullptr;
}

void TWinSkinForm::Minimize() {
  if (Windowstate == swsMin) {
    Restore();
    return;
  }
  Windowstate = swsMin;
  SetSysMenuStyle(false);
  PostMessageW(Hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TWinSkinForm::Restore() {
  Windowstate = swsNormal;
  PostMessageW(Hwnd, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TWinSkinForm::SetSysMenuStyle(bool remove) {
  if (FormIcons & sbicaption) return;
  dwstyle = GetWindowLongPtrW(Hwnd, GWL_STYLE);
  LONG_PTR style = dwstyle;
  if (remove) {
    style &= ~static_cast<LONG_PTR>(WS_SYSMENU);
  } else if (hsysmenu && (FormIcons & sbisystem)) {
    style |= WS_SYSMENU;
  }
  if (style != dwstyle) {
    dwstyle = style;
    SetWindowLongPtrW(Hwnd, GWL_STYLE, style);
  }
}

bool TWinSkinForm::MDIChildMax() const {
  if (FormStyle != sfsMDIform || !ClientHwnd) return false;
  BOOL maximised = FALSE;  // the message writes a four-byte BOOL
  const HWND child =
      reinterpret_cast<HWND>(SendMessageW(ClientHwnd, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximised)));
  return child && maximised;
}

}  // namespace lanvero
