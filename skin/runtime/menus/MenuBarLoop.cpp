// Opening the menu bar's drop-downs and walking between them: a press or a
// key opens a button's drop-down with TrackPopupMenu; a message-filter hook
// watches the menu's loop and, when the arrow keys or the mouse move to
// another button, ends the loop (EndMenu) and the next drop-down opens
// once TrackPopupMenu has returned, so that exactly one menu window is
// alive at any moment. The selected item is known from WM_MENUSELECT,
// which the window receives because the drop-downs are tracked with
// notifications. Escape in a drop-down leaves its button selected in the
// bar, where the arrow keys move, Down or Return open and Escape leaves.
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/menus/Menus.h"
#include "skin/runtime/menus/MenuBar.h"
#include "skin/runtime/tracking/SkinManager.h"

namespace lanvero {
namespace {

// The open drop-down of a menu bar: one per process, since only one can be
// open at a time.
struct MenuLoopState {
  HHOOK MenuLoopHook = nullptr;
  TWinSkinForm* MenuOwner = nullptr;
  int32_t OpenButtonIndex = -1;
  HMENU HotMenu = nullptr;  // the menu holding the selected item
  bool HotHasSubMenu = false;
  bool FirstKeySent = false;
  int32_t SwitchTo = -1;  // the button whose drop-down opens after this one closed
  bool ClosedByEscape = false;
  POINT LastMousePoint{};
};

MenuLoopState& Loop() {
  static MenuLoopState state;
  return state;
}

bool IsKeyOf(const MSG& msg, WPARAM key) { return msg.message == WM_KEYDOWN && msg.wParam == key; }

bool IsMouseButtonDown(UINT message) {
  return message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN ||
         message == WM_NCLBUTTONDOWN || message == WM_NCRBUTTONDOWN || message == WM_NCMBUTTONDOWN;
}

bool IsKeyRelease(UINT message) {
  return message == WM_KEYUP || message == WM_SYSKEYUP || message == WM_CHAR || message == WM_SYSCHAR;
}

}  // namespace

int32_t OpenMenuBarButton() { return Loop().OpenButtonIndex; }

void NoteMenuSelect(WPARAM wParam, LPARAM lParam) {
  MenuLoopState& loop = Loop();
  if (!loop.MenuOwner) return;
  const auto menu = reinterpret_cast<HMENU>(lParam);
  if (HIWORD(wParam) == 0xFFFF && !menu) {
    loop.HotMenu = nullptr;  // the menu closes
    return;
  }
  loop.HotMenu = menu;
  loop.HotHasSubMenu = (HIWORD(wParam) & MF_POPUP) != 0 && GetSubMenu(menu, LOWORD(wParam)) != nullptr;
}

void TWinSkinForm::InstallMenuLoopHook() {
  MenuLoopState& loop = Loop();
  loop.SwitchTo = -1;
  loop.FirstKeySent = false;
  loop.ClosedByEscape = false;
  loop.HotMenu = nullptr;
  loop.HotHasSubMenu = false;
  GetCursorPos(&loop.LastMousePoint);
  if (!loop.MenuLoopHook) {
    loop.MenuLoopHook = SetWindowsHookExW(WH_MSGFILTER, MenuLoopFilter, nullptr, GetCurrentThreadId());
  }
}

void TWinSkinForm::ReleaseMenuLoopHook() {
  MenuLoopState& loop = Loop();
  if (loop.MenuLoopHook) UnhookWindowsHookEx(loop.MenuLoopHook);
  loop.MenuLoopHook = nullptr;
  loop.HotMenu = nullptr;
  loop.OpenButtonIndex = -1;
  loop.FirstKeySent = false;
  loop.MenuOwner = nullptr;
}

void TWinSkinForm::EndMenuLoop() { fInMenu = false; }

int32_t TWinSkinForm::NeighbourButton(bool forward) const {
  if (!menu) return -1;
  return NeighbourIndex(Loop().OpenButtonIndex, static_cast<int32_t>(menu->Buttons().size()), forward);
}

// The button a message of the drop-down's loop moves to, or -1.
int32_t TWinSkinForm::SwitchTarget(const MSG& msg) {
  MenuLoopState& loop = Loop();
  if (IsKeyOf(msg, VK_RIGHT) && !loop.HotHasSubMenu) return NeighbourButton(true);
  // In a deeper sub-menu, Left only closes that sub-menu.
  if (IsKeyOf(msg, VK_LEFT) && (!loop.HotMenu || loop.HotMenu == activemenu)) return NeighbourButton(false);
  if (msg.message != WM_MOUSEMOVE || !menu) return -1;
  if (msg.pt.x == loop.LastMousePoint.x && msg.pt.y == loop.LastMousePoint.y) return -1;
  loop.LastMousePoint = msg.pt;
  const TMenuBtn* button = menu->FindBtn(ScreenToFrame(msg.pt));
  return button ? button->index : -1;
}

LRESULT CALLBACK TWinSkinForm::MenuLoopFilter(int code, WPARAM wParam, LPARAM lParam) {
  const LRESULT next = CallNextHookEx(nullptr, code, wParam, lParam);
  MenuLoopState& loop = Loop();
  if (next || code != MSGF_MENU || !loop.MenuOwner) return next;
  const MSG& msg = *reinterpret_cast<const MSG*>(lParam);
  if (!loop.FirstKeySent) {
    loop.FirstKeySent = true;
    PostMessageW(msg.hwnd, WM_KEYDOWN, VK_DOWN, 0);
  }
  if (msg.message == WM_SYSKEYDOWN && msg.wParam == VK_MENU) {
    loop.MenuOwner->EndMenuLoop();
    return next;
  }
  if (IsKeyOf(msg, VK_ESCAPE)) loop.ClosedByEscape = !loop.HotMenu || loop.HotMenu == loop.MenuOwner->activemenu;
  const int32_t target = loop.MenuOwner->SwitchTarget(msg);
  if (target < 0 || target == loop.OpenButtonIndex) return next;
  loop.SwitchTo = target;
  EndMenu();
  return 1;  // the loop ends; the key or move is not the menu's any more
}

void TWinSkinForm::ClickButton(TMenuBtn* button) {
  if (!button) return;
  GetWindowRect(Hwnd, &wTr);
  const int x = wTr.left + button->bounds.left + 1;
  const int y = wTr.top + button->bounds.top + 1;
  PostMessageW(Hwnd, WM_NCLBUTTONDOWN, HTMENU, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
}

// Runs the button's command, or shows its drop-down until it closes.
void TWinSkinForm::OpenDropDown(TMenuBtn& button) {
  if (!button.enabled) return;  // a disabled command never runs
  if (!button.hsubmenu || button.menuitem) PostMessageW(Hwnd, WM_COMMAND, button.mid, 0);
  if (!button.hsubmenu) return;
  MenuLoopState& loop = Loop();
  loop.OpenButtonIndex = button.index;
  loop.MenuOwner = this;
  GetWindowRect(Hwnd, &wTr);
  MakeMenuOwnerDraw(button.hsubmenu);
  fInMenu = true;
  const UINT flags = TPM_RIGHTBUTTON | (bidileft ? TPM_RIGHTALIGN : TPM_LEFTALIGN);
  const int x = wTr.left + (bidileft ? button.bounds.right : button.bounds.left);
  const int y = wTr.top + button.bounds.bottom;
  SkinManager().menutype = 1;
  SkinManager().menuactive = true;
  activemenu = button.hsubmenu;
  button.state = 2;
  button.Draw();
  InstallMenuLoopHook();
  TrackPopupMenu(button.hsubmenu, flags, x, y, 0, Hwnd, nullptr);
  SkinManager().menuactive = false;
  fInMenu = false;
}

bool TWinSkinForm::CheckMenu(TMenuBtn* Button) {
  if (!Button || !menu) return false;
  CallScope scope(*this);
  int32_t index = Button->index;
  // The bar may be rebuilt or freed while a drop-down is open.
  for (TMenuBtn* button = menu->ButtonAt(index); button; button = menu ? menu->ButtonAt(index) : nullptr) {
    MenuLoopState& loop = Loop();
    loop.SwitchTo = -1;
    loop.ClosedByEscape = false;
    const bool dropDown = button->enabled && button->hsubmenu;
    OpenDropDown(*button);
    const int32_t switchTo = loop.SwitchTo;
    // Escape in the drop-down, or a walk onto a button without one, leaves
    // the button selected in the bar.
    const bool walkedOnto = !dropDown && index != Button->index;
    const bool stayInBar = (loop.ClosedByEscape || walkedOnto) && switchTo < 0;
    ReleaseMenuLoopHook();
    ApplyMenuChangedInLoop();
    if (TMenuBtn* shown = menu ? menu->ButtonAt(index) : nullptr) {
      shown->state = 1;
      shown->Draw();
    }
    index = switchTo >= 0 ? switchTo : stayInBar ? SelectInBar(index, walkedOnto) : -1;
  }
  return true;
}

// The bar after Escape closed a drop-down: the button stays selected, the
// arrow keys move the selection, Down, Up or Return open its drop-down, a
// letter opens the button it is the accelerator of, and anything else
// leaves the bar. A walk that went on through a button without a drop-down
// (`walking`) goes on: the arrow keys open the next drop-down at once.
// Returns the button to open, or -1.
int32_t TWinSkinForm::SelectInBar(int32_t index, bool walking) {
  MSG msg{};
  for (;;) {
    TMenuBtn* selected = menu ? menu->ButtonAt(index) : nullptr;
    if (!selected || !IsWindow(Hwnd)) return -1;
    selected->state = 3;
    selected->Draw();
    if (!GetMessageW(&msg, nullptr, 0, 0)) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return -1;
    }
    if (IsKeyRelease(msg.message)) continue;
    const bool key = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
    if (key && (msg.wParam == VK_LEFT || msg.wParam == VK_RIGHT)) {
      selected->state = 1;
      selected->Draw();
      index = NeighbourIndex(index, static_cast<int32_t>(menu->Buttons().size()), msg.wParam == VK_RIGHT);
      if (walking) return index;
      continue;
    }
    if (key && (msg.wParam == VK_DOWN || msg.wParam == VK_UP || msg.wParam == VK_RETURN)) return index;
    selected->state = 1;
    selected->Draw();
    if (key) {
      const auto character = static_cast<wchar_t>(MapVirtualKeyW(static_cast<UINT>(msg.wParam), MAPVK_VK_TO_CHAR));
      const TMenuBtn* accelerated = character ? menu->FindAccelButton(character) : nullptr;
      return accelerated ? accelerated->index : -1;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
    if (IsMouseButtonDown(msg.message)) return -1;
  }
}

void TWinSkinForm::ApplyMenuChangedInLoop() {
  if (!menuChangedInLoop_) return;
  menuChangedInLoop_ = false;
  if (FForm && IsWindow(Hwnd)) FForm->Perform(framework::CM_MENUCHANGED);
}

void TWinSkinForm::UpdateMainMenu() {
  if (!menu || !IsWindow(Hwnd)) return;
  framework::WindowDC dc(Hwnd, true);
  GetWindowRect(Hwnd, &wTr);
  fwidth = wTr.right - wTr.left;
  fheight = wTr.bottom - wTr.top;
  menu->UpdataBtn();
  menu->DrawMenu(dc.Get(), Rect{bw.left, bw.top, fwidth - bw.right, bw.top + MenuHeight});
}

namespace {

bool OnlyAltHeld() { return GetKeyState(VK_MENU) < 0 && GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_CONTROL) >= 0; }

}  // namespace

// Alt+letter typed in a control reaches its form as a dialog character (the
// form's own handler, which gives it to a control with that accelerator, has
// had it first): the bar's button with that accelerator opens. A form
// without a bar hands the letter on: an MDI child to its frame, any other
// form to the program's main form, unless a modal form has that disabled.
bool TWinSkinForm::DialogKey(const framework::TMessage& message) {
  if (!OnlyAltHeld()) return false;
  if (menu) {
    TMenuBtn* button = fInMenu ? nullptr : menu->FindAccelButton(static_cast<wchar_t>(message.WParam));
    if (!button) return false;
    ClickButton(button);
    return true;
  }
  framework::TCustomForm* other = SkinManager().MDIForm;
  if (FormStyle != sfsMDIChild) {
    framework::TApplication* application = framework::Application();
    other = application ? application->MainForm() : nullptr;
  }
  if (!other || other == FForm || !other->HandleAllocated() || !IsWindowEnabled(other->WindowHandle())) return false;
  return other->Perform(framework::CM_DIALOGCHAR, message.WParam, message.LParam) != 0;
}

// Keyboard entry: Alt or F10 alone opens the first button, Alt with a
// letter the button that letter is the accelerator of. False when the key
// is not the menu bar's.
bool TWinSkinForm::EnterMenuBarByKey(LPARAM key) {
  if (!menu || fInMenu || key == L' ' || key == L'-' || GetCapture()) return false;
  TMenuBtn* button = key == 0 ? menu->ButtonAt(0) : menu->FindAccelButton(static_cast<wchar_t>(key));
  if (!button) return false;
  CheckMenu(button);
  return true;
}

}  // namespace lanvero
