// Painting of an overlay panel: the bar is composed from the skin in the
// panel's picture, which is copied to the panel with one blit and kept for
// the paints that follow while the bar looks the same.
#include "skin/runtime/controls/ScrollbarPanel.h"
#include "skin/runtime/controls/SkinControl.h"

namespace lanvero {

std::optional<PanelLook> TWScrollbar::LookNow(bool& barShown) {
  barShown = true;
  if (!obj || !obj->fsd) return std::nullopt;
  const TSkinData& sd = *obj->fsd;
  RECT bar{};
  ThumbExtent thumb;
  bool enabled = false;
  if (!ReadBar(bar, thumb, barShown, enabled) || !barShown) return std::nullopt;
  RECT r{0, 0, bar.right - bar.left, bar.bottom - bar.top};
  RECT client{};
  GetClientRect(WindowHandle(), &client);
  if (r.right < 0 || r.bottom < 0 || r.right > client.right || r.bottom > client.bottom) return std::nullopt;
  const int32_t thickness = ScrollbarThickness(sd, CW);
  if (thickness <= 0) return std::nullopt;
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
  return MakePanelLook(sd, look, SIZE{r.right, r.bottom}, SIZE{client.right, client.bottom});
}

void TWScrollbar::PaintPanel(HDC dc) {
  bool barShown = true;
  const std::optional<PanelLook> look = LookNow(barShown);
  const HDC picture = look ? picture_.Compose(*obj->fsd, *look) : nullptr;
  if (!picture) {
    // Whatever the panel shows now is not a kept picture.
    picture_.Forget();
    if (!barShown) HideScrollbar();
    return;
  }
  const SIZE size = look->picture;
  if (sbType == kScrollBarControl) {
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, 0, 0, look->panel.cx, look->panel.cy, picture, 0, 0, size.cx, size.cy, SRCCOPY);
  } else {
    BitBlt(dc, 0, 0, size.cx, size.cy, picture, 0, 0, SRCCOPY);
  }
}

}  // namespace lanvero
