#include "skin/runtime/controls/ObjImageSkinner.h"

#include <span>
#include <vector>

#include "framework/controls/WinControl.h"
#include "framework/graphics/Graphic.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/image/ImgUtil.h"
#include "skin/runtime/controls/BoxSkinners.h"
#include "skin/runtime/controls/PropertyByName.h"

namespace lanvero {
namespace {

// The mark cells each kind of control shows, in its order, as 1-based
// cells of the skin's strip.
constexpr int kCheckCells[] = {1, 2, 5, 1, 2, 5, 3, 4, 5};
constexpr int kRadioCells[] = {1, 2, 1, 2, 3, 4};
constexpr int kCheckGlyphCells[] = {1, 2, 5, 1, 2, 5};
constexpr int kMixedCell = 5;

std::span<const int> CellsOf(int kind) {
  switch (kind) {
    case TSkinObjImage::kCustomCheckGlyphs: return kCheckCells;
    case TSkinObjImage::kCustomRadioGlyphs: return kRadioCells;
    default: return kCheckGlyphCells;
  }
}

// A row of cells copied from `strip` (of `frames` cells). The fifth cell
// exists only in check strips of exactly five marks; elsewhere its places
// keep the new bitmap's black.
PixelImage GlyphRow(const PixelImage& strip, int frames, std::span<const int> cells) {
  const int cellWidth = strip.Width() / frames, height = strip.Height();
  PixelImage row(cellWidth * static_cast<int>(cells.size()), height);
  for (size_t target = 0; target < cells.size(); ++target) {
    const int source = cells[target];
    if (source > frames || (source == kMixedCell && frames != kMixedCell)) continue;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < cellWidth; ++x) {
        row.Set(static_cast<int>(target) * cellWidth + x, y, strip.At((source - 1) * cellWidth + x, y));
      }
    }
  }
  return row;
}

framework::TBitmap* BitmapProperty(framework::TPersistent* object, std::string_view name) {
  return dynamic_cast<framework::TBitmap*>(GetObjectPropByName(object, name, framework::TBitmap::StaticClassInfo()));
}

framework::TPersistent* PropertiesObject(framework::TPersistent* control) {
  return GetObjectPropByName(control, "Properties", framework::TPersistent::StaticClassInfo());
}

}  // namespace

void TSkinObjImage::Init(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas, bool) {
  if (Inited || !AttachWithoutHook(*this, sf, sd, acanvas)) return;
  ApplyGlyphs();
  Inited = true;
  skinstate = kSkinnerAttached;
}

void TSkinObjImage::SkinChange() { ApplyGlyphs(); }

void TSkinObjImage::ApplyGlyphs() {
  const TDataSkinButton* button = fsd ? fsd->Button.get() : nullptr;
  if (!button || !control) return;
  const bool radio = kind == kCustomRadioGlyphs;
  const TSkinBitmap& strip = radio ? button->RadioMap : button->CheckMap;
  const int frames = radio ? button->radioframe : button->checkframe;
  if (strip.Empty() || frames < 1 || strip.Image().Width() / frames < 1) return;
  framework::TBitmap glyphs;
  glyphs.LoadFromPixels(GlyphRow(strip.Image(), frames, CellsOf(kind)));
  if (kind == kCustomCheckGlyphs || kind == kCustomRadioGlyphs) {
    framework::TBitmap* target = BitmapProperty(control, "CustomGlyphs");
    if (!target) return;
    target->Assign(glyphs);
    SetPropByName(control, "transparentcolor", L"16711935");
    // Switching the glyphs off and on makes the control load them again.
    SetPropByName(control, "UseCustomGlyphs", L"false");
    SetPropByName(control, "UseCustomGlyphs", L"true");
  } else if (framework::TBitmap* target = BitmapProperty(PropertiesObject(control), "Glyph")) {
    target->Assign(glyphs);
    target->SetTransparent(false);
  }
}

void TSkinObjImage::Unsubclass() {
  skinned = false;
  if (!control) return;
  if (kind == kCustomCheckGlyphs || kind == kCustomRadioGlyphs) {
    SetPropByName(control, "UseCustomGlyphs", L"false");
  } else if (framework::TBitmap* glyph = BitmapProperty(PropertiesObject(control), "Glyph")) {
    glyph->SetData({});
  }
}

}  // namespace lanvero
