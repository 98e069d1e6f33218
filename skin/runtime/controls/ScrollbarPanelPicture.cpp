#include "skin/runtime/controls/ScrollbarPanelPicture.h"

#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/image/win/SkinDraw.h"

namespace lanvero {
namespace {

HBITMAP ImageOf(const TDataSkinObject* object) { return object ? MapHandle(object->Map) : nullptr; }

bool SameSize(SIZE a, SIZE b) { return a.cx == b.cx && a.cy == b.cy; }

bool SameBar(const ScrollbarLook& a, const ScrollbarLook& b) {
  return a.vertical == b.vertical && EqualRect(&a.area, &b.area) && a.arrowLength == b.arrowLength &&
         a.thumb == b.thumb && a.enabled == b.enabled && a.hot == b.hot && a.pressed == b.pressed &&
         a.normalFramesOnly == b.normalFramesOnly;
}

}  // namespace

PanelLook MakePanelLook(const TSkinData& sd, const ScrollbarLook& bar, SIZE picture, SIZE panel) {
  PanelLook look{bar, picture, panel};
  look.images = {ImageOf(sd.SArrow.get()), ImageOf(sd.HBar.get()), ImageOf(sd.VBar.get()), ImageOf(sd.HSlider.get()),
                 ImageOf(sd.VSlider.get())};
  look.face = sd.Colors[kSchemeButtonFace];
  return look;
}

bool SameLook(const PanelLook& a, const PanelLook& b) {
  return SameBar(a.bar, b.bar) && SameSize(a.picture, b.picture) && SameSize(a.panel, b.panel) &&
         a.images == b.images && a.face == b.face;
}

HDC PanelPicture::Compose(const TSkinData& sd, const PanelLook& look) {
  if (Shows(look)) return bitmap_->Dc();
  look_.reset();
  if (!bitmap_ || bitmap_->Width() != look.picture.cx || bitmap_->Height() != look.picture.cy) {
    bitmap_.reset();
    bitmap_.emplace(look.picture.cx, look.picture.cy);
  }
  if (!*bitmap_) {
    bitmap_.reset();
    return nullptr;
  }
  const HDC dc = bitmap_->Dc();
  SetStretchBltMode(dc, COLORONCOLOR);
  FillSolid(dc, Rect{0, 0, look.picture.cx, look.picture.cy}, look.face);
  PaintScrollbar(dc, sd, look.bar);
  look_ = look;
  return dc;
}

}  // namespace lanvero
