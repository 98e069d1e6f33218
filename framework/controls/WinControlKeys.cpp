// Keys and characters reach the focused control first (CN_KEYDOWN,
// CN_CHAR); what it does not want goes to its form as dialog keys and
// accelerator characters.
#include "framework/controls/WinControl.h"

#include "framework/forms/Form.h"

namespace lanvero::framework {

void TWinControl::CNKeyDown(TMessage& message) {
  auto key = static_cast<WORD>(message.WParam);
  const TShiftState shift = (GetKeyState(VK_SHIFT) < 0 ? ssShift : 0) | (GetKeyState(VK_CONTROL) < 0 ? ssCtrl : 0) |
                            (GetKeyState(VK_MENU) < 0 ? ssAlt : 0);
  // A form with KeyPreview sees the key before the control.
  TCustomForm* form = GetParentForm(this);
  const LifeWatch life = WatchLife();
  if (form && form != this && form->KeyPreview() && form->OnKeyDown) form->OnKeyDown(form, key, shift);
  if (life.Gone()) return;
  if (key != 0 && OnKeyDown) OnKeyDown(this, key, shift);
  if (life.Gone()) return;  // the handler deleted this control
  if (key == 0) {
    message.Result = 1;
    return;
  }
  // Navigation keys the control does not want go to its form as dialog keys.
  UINT wanted = 0;
  switch (key) {
    case VK_TAB: wanted = DLGC_WANTTAB; break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: wanted = DLGC_WANTARROWS; break;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL: wanted = DLGC_WANTALLKEYS; break;
    default: return;
  }
  if (handle_ && (SendMessageW(handle_, WM_GETDLGCODE, key, 0) & wanted)) return;
  if (form) {
    message.Result = form->Perform(CM_DIALOGKEY, key, message.LParam) != 0 ? 1 : 0;
  }
}

void TWinControl::CNChar(TMessage& message) {
  auto character = static_cast<wchar_t>(message.WParam);
  if (OnKeyPress && message.Msg == CN_CHAR) {
    const LifeWatch life = WatchLife();
    OnKeyPress(this, character);
    if (life.Gone()) return;
    if (character == 0) {
      message.Result = 1;
      return;
    }
  }
  // Accelerator characters (Alt+letter, or letters a control ignores) are
  // offered to the form's controls as dialog characters.
  const bool wantsChars = handle_ && (SendMessageW(handle_, WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS);
  if (message.Msg == CN_SYSCHAR || !wantsChars) {
    if (TCustomForm* form = GetParentForm(this)) {
      message.Result = form->Perform(CM_DIALOGCHAR, character, message.LParam) != 0 ? 1 : 0;
    }
  }
}

}  // namespace lanvero::framework
