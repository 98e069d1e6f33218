// Messages of the control framework. Every control object receives its
// window's messages, and the framework's own notifications, as a TMessage
// through its replaceable handler WindowProc.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

namespace lanvero::framework {

struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;

  WORD WParamLo() const { return LOWORD(WParam); }
  WORD WParamHi() const { return HIWORD(WParam); }
  // Signed client coordinates of mouse messages.
  int X() const { return static_cast<short>(LOWORD(LParam)); }
  int Y() const { return static_cast<short>(HIWORD(LParam)); }
};

// A control's message handler; code that hooks a control saves the current
// one, installs its own and passes on what it does not consume.
using TWndMethod = std::function<void(TMessage&)>;

// Notifications the framework sends to controls (WParam/LParam as noted).
inline constexpr UINT CM_BASE = 0xB000;
inline constexpr UINT CM_ACTIVATE = CM_BASE + 0x00;
inline constexpr UINT CM_DEACTIVATE = CM_BASE + 0x01;
inline constexpr UINT CM_DIALOGKEY = CM_BASE + 0x05;     // virtual key, key data; Result 1 = handled
inline constexpr UINT CM_DIALOGCHAR = CM_BASE + 0x06;    // character, key data; Result 1 = handled
inline constexpr UINT CM_FOCUSCHANGED = CM_BASE + 0x07;  // LParam: the newly focused TWinControl*
inline constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 0x08;
inline constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 0x09;
inline constexpr UINT CM_HITTEST = CM_BASE + 0x0A;         // LParam: client point; Result 1 = hit
inline constexpr UINT CM_VISIBLECHANGED = CM_BASE + 0x0B;  // WParam: new visibility
inline constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 0x0C;
inline constexpr UINT CM_COLORCHANGED = CM_BASE + 0x0D;
inline constexpr UINT CM_FONTCHANGED = CM_BASE + 0x0E;
inline constexpr UINT CM_CURSORCHANGED = CM_BASE + 0x0F;
inline constexpr UINT CM_TEXTCHANGED = CM_BASE + 0x12;
inline constexpr UINT CM_MOUSEENTER = CM_BASE + 0x13;
inline constexpr UINT CM_MOUSELEAVE = CM_BASE + 0x14;
inline constexpr UINT CM_MENUCHANGED = CM_BASE + 0x15;
inline constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 0x19;
inline constexpr UINT CM_ENTER = CM_BASE + 0x1A;
inline constexpr UINT CM_EXIT = CM_BASE + 0x1B;
inline constexpr UINT CM_RELEASE = CM_BASE + 0x21;  // posted to a form that frees itself
inline constexpr UINT CM_BIDIMODECHANGED = CM_BASE + 0x3C;
inline constexpr UINT CM_RECREATEWND = CM_BASE + 0x33;  // the control's window is re-created

// Notifications a parent reflects back to the child control that sent them:
// CN_BASE + the original message (for example 0xBC4E for WM_NOTIFY).
inline constexpr UINT CN_BASE = 0xBC00;
inline constexpr UINT CN_CHARTOITEM = CN_BASE + WM_CHARTOITEM;
inline constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
inline constexpr UINT CN_COMPAREITEM = CN_BASE + WM_COMPAREITEM;
inline constexpr UINT CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
inline constexpr UINT CN_CTLCOLORDLG = CN_BASE + WM_CTLCOLORDLG;
inline constexpr UINT CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
inline constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
inline constexpr UINT CN_CTLCOLORMSGBOX = CN_BASE + WM_CTLCOLORMSGBOX;
inline constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
inline constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
inline constexpr UINT CN_DELETEITEM = CN_BASE + WM_DELETEITEM;
inline constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
inline constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
inline constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
inline constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
inline constexpr UINT CN_VKEYTOITEM = CN_BASE + WM_VKEYTOITEM;
inline constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
inline constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
inline constexpr UINT CN_KEYUP = CN_BASE + WM_KEYUP;
inline constexpr UINT CN_CHAR = CN_BASE + WM_CHAR;
inline constexpr UINT CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
inline constexpr UINT CN_SYSCHAR = CN_BASE + WM_SYSCHAR;

}  // namespace lanvero::framework
