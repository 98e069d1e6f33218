// The system menu of a skinned window: rebuilt from the window's own system
// menu at every popup, with each entry enabled as the window state allows,
// and shown in place of the native one. A chosen entry reaches the window
// as WM_SYSCOMMAND, as the native menu's entries do.
#include "skin/runtime/frame/WinSkinForm.h"
#include "skin/runtime/tracking/SkinManager.h"

namespace lanvero {
namespace {

constexpr int kMenuTextChars = 80;

class UniqueMenu {
 public:
  UniqueMenu() : menu_(CreatePopupMenu()) {}
  UniqueMenu(const UniqueMenu&) = delete;
  UniqueMenu& operator=(const UniqueMenu&) = delete;
  ~UniqueMenu() {
    if (menu_) DestroyMenu(menu_);
  }
  HMENU Get() const { return menu_; }

 private:
  HMENU menu_;
};

}  // namespace

void TWinSkinForm::PopupSysMenu(POINT pt) {
  const DWORD now = GetTickCount();
  if (now - poptime <= DoubleTime) {
    // A second press within the double-click time closes the window.
    if (ActiveBtn) {
      StartTimer(false);
      PostMessageW(Hwnd, WM_CLOSE, 0, 0);
    }
    return;
  }
  if (!hsysmenu) return;
  SkinManager().menutype = 2;
  poptime = now;
  UniqueMenu menu;
  const int count = GetMenuItemCount(hsysmenu);
  for (int position = 0; position < count; ++position) {
    wchar_t text[kMenuTextChars] = {};
    MENUITEMINFOW item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STATE | MIIM_ID | MIIM_STRING;
    item.dwTypeData = text;
    item.cch = kMenuTextChars;
    if (!GetMenuItemInfoW(hsysmenu, static_cast<UINT>(position), TRUE, &item)) continue;
    if (text[0] == 0) {
      AppendMenuW(menu.Get(), MF_SEPARATOR, 0, nullptr);
      continue;
    }
    bool enabled = (item.fState & MFS_GRAYED) != MFS_GRAYED;
    switch (item.wID) {
      case SC_SIZE:
      case SC_MOVE: enabled = enabled && Windowstate != swsMax; break;
      case SC_MINIMIZE: enabled = Windowstate != swsMin && (FormIcons & sbiMin); break;
      case SC_MAXIMIZE: enabled = Windowstate != swsMax && (FormIcons & sbiMax); break;
      case SC_RESTORE: enabled = Windowstate != swsNormal; break;
      default: break;
    }
    UINT flags = MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED);
    if (item.fState & MFS_CHECKED) flags |= MF_CHECKED;
    AppendMenuW(menu.Get(), flags, item.wID, text);
  }
  const HWND window = Hwnd;
  const UINT command = static_cast<UINT>(
      TrackPopupMenuEx(menu.Get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_TOPALIGN, pt.x, pt.y, window,
                       nullptr));
  // The menu loop may have let the skinner go: only the window is used now.
  if (command && IsWindow(window)) PostMessageW(window, WM_SYSCOMMAND, command, 0);
}

}  // namespace lanvero
