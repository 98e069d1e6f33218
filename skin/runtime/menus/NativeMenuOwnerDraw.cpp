#include "skin/runtime/menus/NativeMenuOwnerDraw.h"

namespace lanvero {
namespace {

// MIIM_FTYPE changes the type alone; the MIIM_TYPE of old would drop the
// item's text on the way to owner drawing.
bool ReadItemType(HMENU menu, UINT position, MENUITEMINFOW& info) {
  info = MENUITEMINFOW{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU;
  return GetMenuItemInfoW(menu, position, TRUE, &info) != FALSE;
}

void WriteItemType(HMENU menu, UINT position, UINT type) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  info.fType = type;
  SetMenuItemInfoW(menu, position, TRUE, &info);
}

// Calls `visit(menu, position, info)` for every item of `menu` and of its
// sub-menus.
template <class Visit>
void VisitItems(HMENU menu, Visit&& visit, int depth = 0) {
  // Menus can be made to contain themselves; real ones are a few levels deep.
  constexpr int kDeepestMenu = 30;
  if (depth > kDeepestMenu || !IsMenu(menu)) return;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    const auto position = static_cast<UINT>(i);
    MENUITEMINFOW info;
    if (!ReadItemType(menu, position, info)) continue;
    visit(menu, position, info);
    if (info.hSubMenu) VisitItems(info.hSubMenu, visit, depth + 1);
  }
}

}  // namespace

std::vector<OwnerDrawnItem> MakeItemsOwnerDrawn(HMENU menu) {
  std::vector<OwnerDrawnItem> changed;
  VisitItems(menu, [&](HMENU owner, UINT position, const MENUITEMINFOW& info) {
    if (info.fType & MFT_OWNERDRAW) return;
    WriteItemType(owner, position, info.fType | MFT_OWNERDRAW);
    changed.push_back({owner, position});
  });
  return changed;
}

std::vector<OwnerDrawnItem> AllItemsOf(HMENU menu) {
  std::vector<OwnerDrawnItem> items;
  VisitItems(menu, [&](HMENU owner, UINT position, const MENUITEMINFOW&) { items.push_back({owner, position}); });
  return items;
}

void GiveBackOwnerDrawnItems(const std::vector<OwnerDrawnItem>& items) {
  for (const OwnerDrawnItem& item : items) {
    MENUITEMINFOW info;
    if (!IsMenu(item.menu) || !ReadItemType(item.menu, item.position, info)) continue;
    if (info.fType & MFT_OWNERDRAW) WriteItemType(item.menu, item.position, info.fType & ~MFT_OWNERDRAW);
  }
}

}  // namespace lanvero
