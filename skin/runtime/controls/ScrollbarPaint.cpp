#include "skin/runtime/controls/ScrollbarPaint.h"

#include <cstdlib>

#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/image/win/SkinDraw.h"
#include "skin/runtime/controls/SkinControl.h"

namespace lanvero {
namespace {

// Frames of the arrow strip.
constexpr int kArrowFrames = 23;
constexpr int kLeftArrow = 1, kRightArrow = 5, kUpArrow = 9, kDownArrow = 13;
constexpr int kHorzGrip = 17, kVertGrip = 20;
constexpr int kShaftFrames = 4, kShaftEnabled = 1, kShaftDisabled = 3;

HBITMAP ImageOf(const TDataSkinObject* object) { return object ? MapHandle(object->Map) : nullptr; }

// Along and across the bar's axis inside `area`.
RECT Piece(const ScrollbarLook& look, int32_t from, int32_t to) {
  const RECT& a = look.area;
  if (look.vertical) return RECT{a.left, a.top + from, a.right, a.top + to};
  return RECT{a.left + from, a.top, a.left + to, a.bottom};
}

int32_t Length(const ScrollbarLook& look) {
  return look.vertical ? look.area.bottom - look.area.top : look.area.right - look.area.left;
}

// Normal frame, raised by `pressedStep` while pressed and `hotStep` while hot.
int Raised(const ScrollbarLook& look, int base, ScrollPart part, int pressedStep, int hotStep) {
  if (look.normalFramesOnly || look.hot != part) return base;
  return base + (look.pressed ? pressedStep : hotStep);
}

void DrawShaft(HDC dc, const TSkinData& sd, const ScrollbarLook& look) {
  const TDataSkinObject* shaft = look.vertical ? sd.VBar.get() : sd.HBar.get();
  if (!ImageOf(shaft)) return;
  const RECT r = Piece(look, look.arrowLength, Length(look) - look.arrowLength);
  if (r.right <= r.left || r.bottom <= r.top) return;
  DrawSkinFrame(dc, FromRECT(r), ImageOf(shaft), shaft->r, look.enabled ? kShaftEnabled : kShaftDisabled, kShaftFrames,
                shaft->trans == 1, shaft->Tile == 1, false);
}

void DrawArrows(HDC dc, const TSkinData& sd, const ScrollbarLook& look) {
  const HBITMAP strip = ImageOf(sd.SArrow.get());
  const int32_t length = Length(look);
  const int32_t arrow = ArrowLength(length, look.arrowLength);
  const int first = look.vertical ? kUpArrow : kLeftArrow;
  const int second = look.vertical ? kDownArrow : kRightArrow;
  TSkinControl::DrawSkinMap2(dc, Piece(look, 0, arrow), strip, Raised(look, first, kPartFirstArrow, 1, 3),
                             kArrowFrames);
  TSkinControl::DrawSkinMap2(dc, Piece(look, length - arrow, length), strip,
                             Raised(look, second, kPartSecondArrow, 1, 3), kArrowFrames);
}

void DrawThumb(HDC dc, const TSkinData& sd, const ScrollbarLook& look) {
  const int32_t length = Length(look);
  const ThumbExtent thumb = look.thumb;
  if (thumb.start < 0 || thumb.end >= length || thumb.Length() <= 0) return;
  const TDataSkinObject* slider = look.vertical ? sd.VSlider.get() : sd.HSlider.get();
  if (ImageOf(slider) && slider->frame > 0) {
    const int frame = Raised(look, 1, kPartThumb, 1, 2);
    DrawSkinFrame(dc, FromRECT(Piece(look, thumb.start, thumb.end)), ImageOf(slider), slider->r, frame, slider->frame,
                  slider->trans == 1, false, false);
  }
  const SIZE gripImage = BitmapSize(ImageOf(sd.SArrow.get()));
  const int32_t grip = gripImage.cy;
  if (grip <= 0 || thumb.Length() <= grip - 2) return;
  const int32_t gripStart = thumb.start + (thumb.Length() - grip) / 2;
  if (gripStart < 0 || gripStart + grip > length) return;
  const int frame = Raised(look, look.vertical ? kVertGrip : kHorzGrip, kPartThumb, 1, 2);
  TSkinControl::DrawSkinMap2(dc, Piece(look, gripStart, gripStart + grip), ImageOf(sd.SArrow.get()), frame,
                             kArrowFrames);
}

}  // namespace

int32_t ScrollbarThickness(const TSkinData& sd, int32_t arrowLength) {
  const SIZE image = BitmapSize(ImageOf(sd.SArrow.get()));
  if (image.cy <= 0) return 0;
  return std::abs(image.cy - arrowLength) > 2 ? arrowLength : image.cy;
}

void PaintScrollbar(HDC dc, const TSkinData& sd, const ScrollbarLook& look) {
  if (!ImageOf(sd.SArrow.get()) || look.area.right <= look.area.left || look.area.bottom <= look.area.top) return;
  DrawShaft(dc, sd, look);
  DrawArrows(dc, sd, look);
  if (look.enabled) DrawThumb(dc, sd, look);
}

}  // namespace lanvero
