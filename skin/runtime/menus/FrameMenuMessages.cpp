// Menu items at a frame skinner's window: the skinned system menu's own
// entries, WM_MEASUREITEM and WM_DRAWITEM of other owner-drawn items (items
// of the framework main menu, native items the framework does not know),
// native menus switched to owner drawing, and letting go of all of it.
#include "framework/forms/Form.h"
#include "framework/graphics/Canvas.h"
#include "framework/menus/Menus.h"
#include "framework/services/Screen.h"
#include "skin/runtime/frame/WinSkinForm.h"
#include "skin/runtime/menus/MenuHandlers.h"
#include "skin/runtime/tracking/SkinManager.h"

namespace lanvero {
namespace {

using framework::TMenuItem;

// Identifiers a program gives the owner-drawn items it draws itself; the
// framework's own items are found by their command.
constexpr UINT kLastProgramItemId = 4095;

bool ProgramDrawsItem(UINT id) {
  return (id >= 1 && id <= kLastProgramItemId) || framework::TPopupMenu::FindPopupItem(id) != nullptr;
}

// A canvas over a device context with the system menu font.
class MenuCanvas {
 public:
  explicit MenuCanvas(HDC dc) {
    canvas_.SetHandle(dc);
    canvas_.Font().Assign(framework::Screen().MenuFont());
  }
  ~MenuCanvas() { canvas_.SetHandle(nullptr); }
  framework::TCanvas& Get() { return canvas_; }

 private:
  framework::TCanvas canvas_;
};

}  // namespace

bool TWinSkinForm::SystemMenuItemMessage(UINT msg, LPARAM lParam, LRESULT& result) {
  if (!sysmenu) return false;
  if (msg == WM_MEASUREITEM) {
    auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    TMenuItem* item =
        measure.CtlType == ODT_MENU ? sysmenu->FindItem(measure.itemID, framework::TFindItemKind::fkCommand) : nullptr;
    if (!item) return false;
    item->MeasureItem(measure);
  } else if (msg == WM_DRAWITEM) {
    const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    TMenuItem* item =
        draw.CtlType == ODT_MENU ? sysmenu->FindItem(draw.itemID, framework::TFindItemKind::fkCommand) : nullptr;
    if (!item) return false;
    item->DrawItem(draw);
  } else {
    return false;
  }
  result = TRUE;
  return true;
}

TMenuItem* TWinSkinForm::MainMenuItem(UINT command) const {
  framework::TMainMenu* menu = FForm ? FForm->Menu() : nullptr;
  return menu ? menu->FindItem(command, framework::TFindItemKind::fkCommand) : nullptr;
}

LRESULT TWinSkinForm::WMMeasureItem(WPARAM wParam, LPARAM lParam) {
  auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
  if (measure.CtlType != ODT_MENU) return CallDefault(WM_MEASUREITEM, wParam, lParam);
  if (FForm) {
    SkinManager().SetPopMenu();
    if (TMenuItem* item = MainMenuItem(measure.itemID)) {
      framework::WindowDC dc(Hwnd);
      MenuCanvas canvas(dc.Get());
      int width = static_cast<int>(measure.itemWidth);
      int height = static_cast<int>(measure.itemHeight);
      menuPainter_.MeasureItem(item, canvas.Get(), width, height);
      measure.itemWidth = static_cast<UINT>(width);
      measure.itemHeight = static_cast<UINT>(height);
      return TRUE;
    }
    if (ProgramDrawsItem(measure.itemID)) return CallDefault(WM_MEASUREITEM, wParam, lParam);
  }
  // Window-list entries, system commands and items of native menus.
  menuPainter_.MeasureNativeItem(activemenu, measure);
  return TRUE;
}

LRESULT TWinSkinForm::WMDrawItem(WPARAM wParam, LPARAM lParam) {
  const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  if (draw.CtlType != ODT_MENU) return CallDefault(WM_DRAWITEM, wParam, lParam);
  const auto menu = reinterpret_cast<HMENU>(draw.hwndItem);
  SkinManager().SetHMenu(menu);
  SkinManager().SetPopMenu();
  const bool selected = (draw.itemState & ODS_SELECTED) != 0;
  if (FForm) {
    if (TMenuItem* item = MainMenuItem(draw.itemID)) {
      MenuCanvas canvas(draw.hDC);
      menuPainter_.DrawMenuItem(item, canvas.Get(), draw.rcItem, selected);
      return TRUE;
    }
    if (ProgramDrawsItem(draw.itemID)) return CallDefault(WM_DRAWITEM, wParam, lParam);
  }
  menuPainter_.SetBarMenu(FForm ? FForm->Menu() : nullptr);
  const std::unique_ptr<TMenuItem> temporary = MakeTempMenuItem(menu, draw.itemID);
  menuPainter_.DrawNativeMenuItem(menu, *temporary, selected, draw.rcItem, draw.hDC);
  return TRUE;
}

void TWinSkinForm::MakeMenuOwnerDraw(HMENU menu) {
  activemenu = menu;
  std::vector<OwnerDrawnItem> changed = MakeItemsOwnerDrawn(menu);
  ownerDrawnItems_.insert(ownerDrawnItems_.end(), changed.begin(), changed.end());
}

// Nothing of the skinner stays on a menu once it lets go of the window:
// the handlers come off the form's menus and the system menu, and native
// items go back to the system's drawing. A system menu whose loop is still
// running is drawn by the system from now on and freed when it closes.
void TWinSkinForm::ReleaseMenus() {
  if (FForm) {
    InitPopMenu(FForm, false, false);
    InitMainMenu(FForm, false, false);
  }
  GiveBackOwnerDrawnItems(ownerDrawnItems_);
  ownerDrawnItems_.clear();
  activemenu = nullptr;
  menuPainter_.SetBarMenu(nullptr);
  if (!sysmenu) return;
  ForEachSubItem(*sysmenu->Items(), [this](TMenuItem& item) { UnbindSkinHandlers(item, *this); });
  if (sysMenuOpen_) {
    GiveBackOwnerDrawnItems(AllItemsOf(sysmenu->Items()->Handle()));
  } else {
    sysmenu.reset();
  }
}

}  // namespace lanvero
