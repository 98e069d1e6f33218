// The menu bar's buttons: rebuilt from the window's native menu, with the
// framework's items giving captions, states and drop-downs, and found by
// point, accelerator or index.
#include "skin/runtime/menus/MenuBar.h"

#include <cwctype>

#include "framework/forms/Form.h"
#include "framework/menus/Menus.h"

namespace lanvero {
namespace {

constexpr int kItemTextChars = 80;

// The character after a single "&" ("&&" is a literal ampersand); 0 for none.
wchar_t AcceleratorOf(const std::wstring& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] != L'&') return caption[i + 1];
    ++i;
  }
  return 0;
}

bool Contains(const Rect& r, FramePoint p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

}  // namespace

void TWinSkinMenu::FreeButtons() {
  for (const auto& button : buttons_) {
    if (SF.ActiveBtn == button.get()) SF.ActiveBtn = nullptr;
  }
  buttons_.clear();
}

void TWinSkinMenu::UpdataBtn() {
  if (HMENU current = GetMenu(SF.Hwnd)) hmenu = current;
  if (!hmenu) return;
  if (SF.FForm) {
    if (!SF.FForm->Menu()) return;
    menu = SF.FForm->Menu();
  }
  ReadButtons(false);
  SetMenu(SF.Hwnd, nullptr);
}

void TWinSkinMenu::UpdataBtn2(HMENU) {
  // The window's menu is already the new one.
  if (HMENU current = GetMenu(SF.Hwnd)) hmenu = current;
  if (!hmenu) return;
  if (SF.FForm) menu = SF.FForm->Menu();
  ReadButtons(true);
  SetMenu(SF.Hwnd, nullptr);
  SetMenuRect();
}

void TWinSkinMenu::ReadButtons(bool frameworkForEmptyTextOnly) {
  FreeButtons();
  count = GetMenuItemCount(hmenu);
  for (int i = 0; i < count; ++i) {
    wchar_t text[kItemTextChars] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING | MIIM_FTYPE;
    info.dwTypeData = text;
    info.cch = kItemTextChars - 1;
    if (!GetMenuItemInfoW(hmenu, static_cast<UINT>(i), TRUE, &info)) continue;
    auto button = std::make_unique<TMenuBtn>(SF, FSD, *this);
    button->index = static_cast<int32_t>(buttons_.size());
    button->hsubmenu = info.hSubMenu;
    button->enabled = (info.fState & MFS_GRAYED) == 0;
    button->visible = true;
    button->mid = info.wID;
    button->caption = text;
    if (!frameworkForEmptyTextOnly || button->caption.empty()) TakeFrameworkItem(*button, !frameworkForEmptyTextOnly);
    buttons_.push_back(std::move(button));
  }
}

void TWinSkinMenu::TakeFrameworkItem(TMenuBtn& button, bool keepItem) const {
  if (!menu) return;
  framework::TMenuItem* item = nullptr;
  if (button.hsubmenu) {
    item = menu->FindItem(static_cast<UINT>(reinterpret_cast<UINT_PTR>(button.hsubmenu)),
                          framework::TFindItemKind::fkHandle);
  }
  if (!item) item = menu->FindItem(button.mid, framework::TFindItemKind::fkCommand);
  if (!item) return;
  if (item->Action()) item->Action()->Update();
  button.caption = item->Caption();
  button.enabled = item->Enabled();
  button.mid = item->Command();
  button.hsubmenu = item->Count() > 0 ? item->Handle() : nullptr;
  if (keepItem) button.menuitem = item;
}

TMenuBtn* TWinSkinMenu::FindBtn(FramePoint p) const {
  for (const auto& button : buttons_) {
    if (button->visible && !button->caption.empty() && Contains(button->bounds, p)) return button.get();
  }
  return nullptr;
}

TMenuBtn* TWinSkinMenu::FindAccelButton(wchar_t key) const {
  const auto wanted = static_cast<wchar_t>(std::towupper(key));
  for (const auto& button : buttons_) {
    if (!button->enabled || !button->visible) continue;
    const wchar_t accelerator = AcceleratorOf(button->caption);
    if (accelerator && static_cast<wchar_t>(std::towupper(accelerator)) == wanted) return button.get();
  }
  return nullptr;
}

TMenuBtn* TWinSkinMenu::ButtonAt(int32_t index) const {
  if (index < 0 || index >= static_cast<int32_t>(buttons_.size())) return nullptr;
  return buttons_[static_cast<size_t>(index)].get();
}

}  // namespace lanvero
