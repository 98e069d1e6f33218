#include "skin/runtime/controls/GroupBoxSkinner.h"

#include "framework/controls/WinControl.h"
#include "framework/graphics/Color.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/image/SysColors.h"
#include "skin/image/win/SkinText.h"
#include "skin/runtime/controls/OffscreenBitmap.h"
#include "skin/runtime/controls/PropertyByName.h"
#include "skin/runtime/controls/TabItems.h"

namespace lanvero {
namespace {

constexpr int kFrameworkGroup = 1;
constexpr int kCaptionIndent = 8;
constexpr int kCornerSize = 5;

}  // namespace

void TSkinGroupBox::Init(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas, bool acolor) {
  if (Inited) return;
  TSkinControl::Init(sf, sd, acanvas, acolor);
  if (Inited && control) kind = kFrameworkGroup;
}

bool TSkinGroupBox::BeforeProc(framework::TMessage& message) {
  if (!TSkinControl::BeforeProc(message)) return false;
  if (kind != kFrameworkGroup) return true;
  switch (message.Msg) {
    case WM_PAINT: WMPaint(message); return false;
    // The paint covers everything: erasing first would flash the old colour.
    case WM_ERASEBKGND: message.Result = 1; return false;
    default: return true;
  }
}

void TSkinGroupBox::DrawControl(HDC dc, const RECT& rc) {
  if (kind != kFrameworkGroup) return DrawGroupFrame(dc, rc);
  OffscreenBitmap group(rc.right - rc.left, rc.bottom - rc.top);
  if (!group) return;
  DrawGroupFrame(group.Dc(), RECT{0, 0, group.Width(), group.Height()});
  group.CopyTo(dc, rc.left, rc.top);
}

void TSkinGroupBox::DrawGroupFrame(HDC dc, const RECT& rc) {
  if (!fsd) return;
  caption = GetWindowTextStr(hwnd);
  if (caption.empty() && control) caption = GetTextPropByName(control, "Caption");
  if (control) FillFace(dc, rc);
  // Made before the DC state is saved: deselected before it is freed.
  framework::UniquePen line(CreatePen(PS_SOLID, 1, ResolveColor(fsd->Colors[kSchemeButtonShadow])));
  {
    framework::SavedDC saved(dc);
    if (control) {
      SelectObject(dc, control->Font()->Handle());
      SetTextColor(dc, framework::ColorToRGB(control->Font()->Color()));
    } else if (HFONT font = WindowFont(hwnd)) {
      SelectObject(dc, font);
    }
    const int lineTop = TextHeight(dc, L"0") / 2 - 1;
    if (kind != kFrameworkGroup) CoverNativeFrame(dc, RECT{0, lineTop, rc.right, rc.bottom});
    SelectObject(dc, line.Get());
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    RoundRect(dc, 1, lineTop, rc.right - 1, rc.bottom - 1, kCornerSize, kCornerSize);
    DrawGroupCaption(dc, rc);
  }
  if (control && kind == kFrameworkGroup) control->PaintControls(dc);
}

// The caption interrupts the frame line: opaque on the face colour.
void TSkinGroupBox::DrawGroupCaption(HDC dc, const RECT& rc) {
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, ResolveColor(fsd->Colors[kSchemeButtonFace]));
  const bool rightAligned = GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_RIGHT;
  RECT text = rightAligned ? RECT{rc.left, rc.top, rc.right - kCaptionIndent, rc.bottom}
                           : RECT{rc.left + kCaptionIndent, rc.top, rc.right, rc.bottom};
  SkinDrawText(dc, caption, text, rightAligned ? CheckBiDi(DT_EXPANDTABS | DT_RIGHT) : DT_EXPANDTABS);
}

// A raw group box drew its own frame line: two rectangles of the face
// brush hide it.
void TSkinGroupBox::CoverNativeFrame(HDC dc, RECT cover) {
  if (!fsd->Gdi()) return;
  FrameRect(dc, &cover, fsd->Gdi()->BGBrush.Get());
  InflateRect(&cover, -1, -1);
  FrameRect(dc, &cover, fsd->Gdi()->BGBrush.Get());
}

}  // namespace lanvero
