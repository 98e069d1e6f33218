// Painting of an overlay panel: the bar is composed in a bitmap of its own
// from the skin and copied to the panel with one blit.
#include "skin/image/win/BitmapDC.h"
#include "skin/image/win/SkinDraw.h"
#include "skin/runtime/controls/ScrollbarPaint.h"
#include "skin/runtime/controls/ScrollbarPanel.h"
#include "skin/runtime/controls/SkinControl.h"

namespace lanvero {

void TWScrollbar::PaintPanel(HDC dc) {
  if (!obj || !obj->fsd) return;
  const TSkinData& sd = *obj->fsd;
  RECT bar{};
  ThumbExtent thumb;
  bool shown = false, enabled = false;
  if (!ReadBar(bar, thumb, shown, enabled)) return;
  if (!shown) {
    HideScrollbar();
    return;
  }
  RECT r{0, 0, bar.right - bar.left, bar.bottom - bar.top};
  RECT client{};
  GetClientRect(WindowHandle(), &client);
  if (r.right < 0 || r.bottom < 0 || r.right > client.right || r.bottom > client.bottom) return;
  const int32_t thickness = ScrollbarThickness(sd, CW);
  if (thickness <= 0) return;
  Len = IsVertical() ? r.bottom : r.right;

  ScrollbarLook look;
  look.vertical = IsVertical();
  look.arrowLength = CW;
  look.enabled = enabled;
  look.hot = static_cast<ScrollPart>(scrollpos);
  look.pressed = fdown;
  if (sbType == kScrollBarControl) {
    (IsVertical() ? r.right : r.bottom) = thickness;
  }
  look.area = r;
  (IsVertical() ? look.area.right : look.area.bottom) = thickness;

  if (fdown && scrollpos == kPartThumb && IsWindowBar()) {
    TrackThumb();
  } else {
    thumbTop = thumb.start;
    thumbbottom = thumb.end;
  }
  look.thumb = ThumbExtent{thumbTop, thumbbottom};

  DibSection image = DibSection::Create(r.right, r.bottom);
  if (image.IsEmpty()) return;
  BitmapDC target(image.Handle());
  if (!target) return;
  SetStretchBltMode(target.Get(), COLORONCOLOR);
  FillSolid(target.Get(), FromRECT(r), sd.Colors[kSchemeButtonFace]);
  PaintScrollbar(target.Get(), sd, look);
  if (sbType == kScrollBarControl) {
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, 0, 0, client.right, client.bottom, target.Get(), 0, 0, r.right, r.bottom, SRCCOPY);
  } else {
    BitBlt(dc, 0, 0, r.right, r.bottom, target.Get(), 0, 0, SRCCOPY);
  }
}

}  // namespace lanvero
