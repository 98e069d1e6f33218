#pragma once
// The item painter of skinned menus: draws and measures menu items from the
// skin's MenuItem definition (item and selected frames, the separator
// frame, the glyph column) and its colour scheme, over the background of
// the popup menu window the item shows in. Framework items reach it through
// the draw and measure handlers the frame skinner installs; native items are
// drawn through a temporary framework item read from the native menu.
//
// Each item is composed off screen in a bitmap of its own size and copied
// once. Painting never throws: what fails draws nothing.

#include <windows.h>

#include <memory>
#include <string>

#include "framework/graphics/PixelImage.h"
#include "skin/definitions/SkinData.h"

namespace lanvero::framework {
class TCanvas;
class TMenu;
class TMenuItem;
class TObject;
}  // namespace lanvero::framework

namespace lanvero {

struct PopupMenuBackground;

class TMenuItemPainter {
 public:
  // The skin drawn with (null: the skin data is gone), and the framework
  // main menu of the window's menu bar, whose reading direction items that
  // belong to no menu follow.
  void SetSkin(TSkinData* skin) { fsd_ = skin; }
  void SetBarMenu(framework::TMenu* menu) { barMenu_ = menu; }

  // Draw handler of every skinned framework item.
  void DrawMenuItem(framework::TObject* sender, framework::TCanvas& canvas, const RECT& rect, bool selected) const;
  // Measure handler of main-menu and tool bar items: the framework's own
  // measuring, widened by the skin.
  void MeasureItem(framework::TObject* sender, framework::TCanvas& canvas, int& width, int& height) const;
  // Measure handler of popup menu items, after the framework measured them.
  void MeasurePopupItem(framework::TObject* sender, framework::TCanvas& canvas, int& width, int& height) const;

  // A native item of `hmenu` (through a temporary framework item).
  void DrawNativeMenuItem(HMENU hmenu, framework::TMenuItem& item, bool selected, const RECT& rect, HDC dc) const;
  // A native item measured from its text in `hmenu`.
  void MeasureNativeItem(HMENU hmenu, MEASUREITEMSTRUCT& measure) const;

  void DrawFlatMenuItem(framework::TMenuItem& item, HDC dc, bool selected, const RECT& rect) const;
  void DrawMenuSeparator(HDC dc, const RECT& rect) const;
  void DrawMenuItemContent(framework::TMenuItem& item, HDC dc, bool selected, const Rect& rect) const;
  void DrawMenuItemText(framework::TMenuItem& item, HDC dc, UINT flags, bool selected, RECT& rect,
                        std::wstring text) const;

 private:
  const TDataSkinObject* ItemDefinition() const;
  int32_t GlyphColumn() const;
  void ComposeItem(framework::TMenuItem& item, bool selected, const RECT& rect, HDC dc,
                   const PopupMenuBackground* background, bool skinSeparator) const;
  void DrawGlyph(framework::TMenuItem& item, HDC dc, Rect glyph, const Rect& rect, bool rightToLeft) const;
  Color TextColor(const framework::TMenuItem& item, bool selected) const;

  TSkinData* fsd_ = nullptr;
  framework::TMenu* barMenu_ = nullptr;
};

// A framework item with the caption ("-" for none), enabled and checked
// state of item `id` of a native menu; it belongs to no menu.
std::unique_ptr<framework::TMenuItem> MakeTempMenuItem(HMENU hmenu, UINT id);

}  // namespace lanvero
