// The system menu of a skinned window: rebuilt from the window's own system
// menu at every popup as an owner-drawn framework popup menu, each entry
// enabled as the window state allows and drawn by the item painter with
// the skin's window-command glyphs, and shown in place of the native one.
// A chosen entry reaches the window as WM_SYSCOMMAND, as the native menu's
// entries do.
#include "framework/menus/Menus.h"
#include "framework/services/ImageList.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/runtime/frame/WinSkinForm.h"
#include "skin/runtime/menus/MenuHandlers.h"
#include "skin/runtime/tracking/SkinManager.h"

namespace lanvero {
namespace {

constexpr int kMenuTextChars = 80;
constexpr int kNoGlyph = -1;

int GlyphOfCommand(UINT command) {
  switch (command) {
    case SC_RESTORE: return kGlyphRestore;
    case SC_MAXIMIZE: return kGlyphMaximise;
    case SC_MINIMIZE: return kGlyphMinimise;
    case SC_CLOSE: return kGlyphClose;
    default: return kNoGlyph;
  }
}

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
  if (!hsysmenu || sysMenuOpen_) return;
  SkinManager().menutype = 2;
  poptime = now;
  BuildSysMenu();
  if (!sysmenu) return;
  const HWND window = Hwnd;
  sysMenuOpen_ = true;
  const UINT command =
      static_cast<UINT>(TrackPopupMenuEx(sysmenu->Handle(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_TOPALIGN,
                                         pt.x, pt.y, window, nullptr));
  sysMenuOpen_ = false;
  // This call keeps the skinner alive, but the menu loop may have let it
  // give the window back: then the menu goes now, and the window only gets
  // the command.
  framework::TMenuItem* chosen = command ? sysmenu->FindItem(command, framework::TFindItemKind::fkCommand) : nullptr;
  if (chosen && IsWindow(window)) chosen->Click();
  if (!subclassed_) sysmenu.reset();
}

void TWinSkinForm::BuildSysMenu() {
  sysmenu.reset();
  if (!hsysmenu) return;
  if (!sysmenuImages_) {
    sysmenuImages_ = std::make_unique<framework::TImageList>(nullptr);
    if (fsd && fsd->Gdi()) sysmenuImages_->CopyFrom(fsd->Gdi()->bmpmenu.Get());
  }
  auto menu = std::make_unique<framework::TPopupMenu>(nullptr);
  menu->SetImages(sysmenuImages_.get());
  menu->SetOwnerDraw(true);
  const HWND window = Hwnd;
  const int count = GetMenuItemCount(hsysmenu);
  for (int position = 0; position < count; ++position) {
    wchar_t text[kMenuTextChars] = {};
    MENUITEMINFOW entry{};
    entry.cbSize = sizeof entry;
    entry.fMask = MIIM_STATE | MIIM_ID | MIIM_STRING;
    entry.dwTypeData = text;
    entry.cch = kMenuTextChars;
    if (!GetMenuItemInfoW(hsysmenu, static_cast<UINT>(position), TRUE, &entry)) continue;
    bool enabled = (entry.fState & MFS_GRAYED) != MFS_GRAYED;
    switch (entry.wID) {
      case SC_SIZE:
      case SC_MOVE: enabled = enabled && Windowstate != swsMax; break;
      case SC_MINIMIZE: enabled = Windowstate != swsMin && (FormIcons & sbiMin); break;
      case SC_MAXIMIZE: enabled = Windowstate != swsMax && (FormIcons & sbiMax); break;
      case SC_RESTORE: enabled = Windowstate != swsNormal; break;
      default: break;
    }
    auto* item = new framework::TMenuItem(menu.get());
    item->SetCaption(text[0] ? std::wstring(text) : std::wstring(L"-"));
    item->SetTag(static_cast<intptr_t>(entry.wID));
    item->SetImageIndex(GlyphOfCommand(entry.wID));
    item->SetEnabled(enabled);
    item->SetChecked((entry.fState & MFS_CHECKED) != 0);
    item->OnClick = [window](framework::TObject* sender) {
      const auto command = static_cast<WPARAM>(static_cast<framework::TComponent*>(sender)->Tag());
      PostMessageW(window, WM_SYSCOMMAND, command, 0);
    };
    BindSkinHandlers(*item, *this, MenuMeasure::kPopupMenu, false);
    menu->Items()->Add(item);
  }
  sysmenu = std::move(menu);
}

}  // namespace lanvero
