#pragma once
// Switching the items of a native menu to owner drawing and back. Only the
// items that were switched are switched back: items the program draws
// itself stay as they were. The item's text stays with it, so an
// owner-drawn item can still be measured and drawn from its text.

#include <windows.h>

#include <vector>

namespace lanvero {

// One item switched to owner drawing.
struct OwnerDrawnItem {
  HMENU menu;
  UINT position;
};

// Every item of `menu` and of its sub-menus, at any depth, becomes
// owner-drawn; returns the items that were not owner-drawn before.
std::vector<OwnerDrawnItem> MakeItemsOwnerDrawn(HMENU menu);

// Every item of `menu` and of its sub-menus, owner-drawn or not.
std::vector<OwnerDrawnItem> AllItemsOf(HMENU menu);

// The items go back to drawing by the system (menus destroyed meanwhile
// are skipped).
void GiveBackOwnerDrawnItems(const std::vector<OwnerDrawnItem>& items);

}  // namespace lanvero
