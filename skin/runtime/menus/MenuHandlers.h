#pragma once
// The draw and measure handlers a frame skinner installs on framework menu
// items. Each is a small callable bound to one frame skinner; because its
// type is known, the skinner finds its own handlers among an item's and
// removes exactly those when it lets go, leaving the program's own.

#include <windows.h>

#include "framework/menus/Menus.h"
#include "skin/runtime/geometry/MenuItemGeometry.h"

namespace lanvero {

class TWinSkinForm;

struct SkinMenuDrawHandler {
  TWinSkinForm* skinner;
  void operator()(framework::TObject* sender, framework::TCanvas& canvas, const RECT& rect, bool selected) const;
};

struct SkinMenuMeasureHandler {
  TWinSkinForm* skinner;
  MenuMeasure kind;
  void operator()(framework::TObject* sender, framework::TCanvas& canvas, int& width, int& height) const;
};

// The skinner's draw handler on `item` (replacing any), and its measure
// handler of `kind` unless `keepMeasure` and the item has one already.
void BindSkinHandlers(framework::TMenuItem& item, TWinSkinForm& skinner, MenuMeasure kind, bool keepMeasure);
// Removes the handlers `skinner` installed on `item`; others stay.
void UnbindSkinHandlers(framework::TMenuItem& item, const TWinSkinForm& skinner);
bool HasSkinDrawHandler(const framework::TMenuItem& item, const TWinSkinForm& skinner);

// Calls `visit` for every item below `root`, at any depth.
template <class Visit>
void ForEachSubItem(framework::TMenuItem& root, Visit&& visit) {
  for (int i = 0; i < root.Count(); ++i) {
    framework::TMenuItem& item = *root.Items(i);
    visit(item);
    ForEachSubItem(item, visit);
  }
}

}  // namespace lanvero
