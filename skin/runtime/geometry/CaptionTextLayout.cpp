#include "skin/runtime/geometry/CaptionTextLayout.h"

namespace lanvero {
namespace {

int32_t HorizontalStart(const CaptionTextInput& in, int32_t textWidth, int32_t areaWidth) {
  if (in.rightToLeft) {
    switch (in.alignment) {
      case 0: return areaWidth - in.rightButtons - textWidth;
      case 1: return (areaWidth - textWidth - in.rightButtons) / 2;
      case 2: return in.textShift;
      default: return 0;
    }
  }
  switch (in.alignment) {
    case 0: return in.textShift;
    case 1: return (areaWidth - textWidth) / 2;
    case 2: return areaWidth - in.rightClip - textWidth;
    default: return 0;
  }
}

}  // namespace

CaptionTextPlacement PlaceCaptionText(const CaptionTextInput& in) {
  const Rect& r = in.area;
  // The measured rectangle starts at the area's corner and carries the
  // text-back image's fixed ends.
  Rect t{r.left, r.top, r.left + in.textWidth + in.backLeft + in.backRight, r.top + in.textHeight};
  const int32_t x = HorizontalStart(in, t.Width(), r.Width());
  const int32_t y = (r.Height() - t.Height()) / 2 + in.textShiftVert / 2;
  t = t.Offset(x, y);
  if (in.rightToLeft && x <= 0) t.left = in.textShift;
  if (in.rightToLeft) {
    t = t.Offset(10, 0);
  } else if (in.popupStyle) {
    if (in.rightButtons > 5 && r.right - in.rightButtons - 5 < t.right) t.right = r.right - in.rightButtons - 5;
  } else if (r.right - in.rightClip < t.right) {
    t.right = r.right - in.rightClip;
  }
  if (in.dialogFrame && in.alignment == 0) t.left -= 16;
  CaptionTextPlacement placement;
  placement.back = t;
  placement.text = Rect{t.left + in.backLeft, t.top, t.right - in.backRight, t.bottom};
  return placement;
}

}  // namespace lanvero
