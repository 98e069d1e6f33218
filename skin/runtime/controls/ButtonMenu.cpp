// TSkinMenuButton: a drop-down button: glyph, caption and a small arrow
// pointing down, over the skin's button frame.
#include "framework/controls/WinControl.h"
#include "framework/graphics/Graphic.h"
#include "skin/image/ImgUtil.h"
#include "skin/image/win/BitmapDC.h"
#include "skin/image/win/SkinText.h"
#include "skin/runtime/controls/ButtonSkinners.h"
#include "skin/runtime/controls/PropertyByName.h"

namespace lanvero {
namespace {

int Width(const RECT& rc) { return rc.right - rc.left; }
int Height(const RECT& rc) { return rc.bottom - rc.top; }

constexpr int kArrowWidth = 8;

}  // namespace

void TSkinMenuButton::DrawControl(HDC dc, const RECT& rc) {
  const TDataSkinButton* button = ButtonDefinition();
  if (!button) return;
  ReadWindowState();
  // The focus shows as the hot frame here.
  int frame = focused ? kButtonHot : kButtonNormal;
  if (state & kSkinPressed) {
    frame = kButtonPressed;
  } else if (state & kSkinHot) {
    frame = kButtonHot;
  }
  if (!enabled) frame = kButtonDisabled;
  if (!PrepareBuffer(rc)) return;
  {
    BitmapDC target(btemp.Handle());
    if (!target) return;
    const RECT client{0, 0, Width(rc), Height(rc)};
    DrawSkinMap(target.Get(), client, button, FrameWithin(frame, button->frame), button->frame);
    framework::SavedDC saved(target.Get());
    SelectCaptionFont(target.Get());
    DrawFace(target.Get(), SIZE{Width(rc), Height(rc)}, frame);
  }
  CopyBuffer(dc, rc);
}

void TSkinMenuButton::DrawFace(HDC face, SIZE c, int frame) {
  auto* glyph =
      dynamic_cast<framework::TBitmap*>(GetObjectPropByName(control, "Glyph", framework::TBitmap::StaticClassInfo()));
  const SIZE g = glyph && !glyph->Empty() ? SIZE{glyph->Width(), glyph->Height()} : SIZE{0, 0};
  caption = ReplaceFirst(caption, L"||", L"\r\n");
  SIZE t{0, 0};
  if (!caption.empty()) {
    RECT room{0, 0, c.cx - g.cx - kArrowWidth, c.cy};
    InflateRect(&room, -2, -2);
    SkinDrawText(face, caption, room, DT_CALCRECT | DT_WORDBREAK);
    t = {Width(room), Height(room)};
  }
  int margin = static_cast<int>(GetIntPropByName(control, "Margin"));
  int spacing = static_cast<int>(GetIntPropByName(control, "Spacing"));
  if (margin == -1 && spacing == -1) {
    margin = (c.cx - (g.cx + t.cx + kArrowWidth)) / 4;
    spacing = margin;
  } else if (margin == -1) {
    margin = (c.cx - (g.cx + t.cx + 2 * spacing + kArrowWidth)) / 2;
  } else if (spacing == -1) {
    spacing = ((c.cx + kArrowWidth - 2 * margin - g.cx) - t.cx) / 2;
  }
  DrawGlyphCell(face, POINT{margin, (c.cy - g.cy) / 2}, 1, 1, glyph);
  DrawArrow(face, POINT{margin + g.cx + t.cx + 3 * spacing, (c.cy - 3) / 2 + 2}, enabled);
  if (caption.empty()) return;
  const int textX = margin + g.cx + spacing, textY = (c.cy - t.cy + 1) / 2;
  RECT text{textX, textY, textX + t.cx, textY + t.cy};
  SetBkMode(face, TRANSPARENT);
  ApplySkinTextColor(face, frame, false, enabled);
  SkinDrawText(face, caption, text, DT_WORDBREAK);
  if (focused) DrawFocusAround(face, text);
}

void TSkinMenuButton::DrawArrow(HDC dc, POINT at, bool isEnabled) const {
  const COLORREF color = GetSysColor(isEnabled ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW);
  const framework::UniquePen pen(CreatePen(PS_SOLID, 1, color));
  const framework::UniqueBrush brush(CreateSolidBrush(color));
  framework::SelectGuard usePen(dc, pen.Get());
  framework::SelectGuard useBrush(dc, brush.Get());
  const POINT corners[3] = {at, {at.x - 3, at.y - 3}, {at.x + 3, at.y - 3}};
  Polygon(dc, corners, 3);
}

}  // namespace lanvero
