#include "skin/runtime/controls/StatusBarSkinner.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/controls/StatusBar.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/image/SysColors.h"
#include "skin/image/win/BitmapDC.h"
#include "skin/image/win/SkinDraw.h"
#include "skin/image/win/SkinText.h"
#include "skin/runtime/controls/PropertyByName.h"
#include "skin/runtime/controls/TabItems.h"

namespace lanvero {
namespace {

constexpr int kSizeGripFrame = 5;

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

UINT AlignmentFlags(framework::TAlignment alignment) {
  switch (alignment) {
    case framework::TAlignment::taRightJustify: return DT_RIGHT;
    case framework::TAlignment::taCenter: return DT_CENTER;
    default: return DT_LEFT;
  }
}

// The window font with a plain style, for the panel texts.
framework::UniqueFont PlainFont(HWND window) {
  LOGFONTW font{};
  HFONT current = WindowFont(window);
  if (!current || !GetObjectW(current, sizeof(font), &font)) {
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
  }
  font.lfWeight = FW_NORMAL;
  font.lfItalic = font.lfUnderline = font.lfStrikeOut = FALSE;
  return framework::UniqueFont(CreateFontIndirectW(&font));
}

void Line(HDC dc, COLORREF color, POINT from, POINT to, POINT end) {
  framework::UniquePen pen(CreatePen(PS_SOLID, 1, color));
  framework::SelectGuard selected(dc, pen.Get());
  MoveToEx(dc, from.x, from.y, nullptr);
  LineTo(dc, to.x, to.y);
  LineTo(dc, end.x, end.y);
}

}  // namespace

void DrawPanelBevel(HDC dc, const RECT& r, int bevel) {
  if (bevel != TSkinStatusBar::kLowered && bevel != TSkinStatusBar::kRaised) return;
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW), light = GetSysColor(COLOR_BTNHIGHLIGHT);
  const bool lowered = bevel == TSkinStatusBar::kLowered;
  Line(dc, lowered ? shadow : light, {r.left, r.bottom - 1}, {r.left, r.top}, {r.right - 1, r.top});
  Line(dc, lowered ? light : shadow, {r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, {r.left - 1, r.bottom - 1});
}

bool TSkinStatusBar::BeforeProc(framework::TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT: WMPaint(message); return false;
    case WM_ERASEBKGND: message.Result = 1; return false;
    default: return TSkinControl::BeforeProc(message);
  }
}

void TSkinStatusBar::DrawControl(HDC dc, const RECT& rc) {
  if (!fsd || Width(rc) <= 0 || Height(rc) <= 0) return;
  DibSection& scratch = ScratchBitmap();
  if (scratch.Width() < Width(rc) || scratch.Height() < Height(rc)) {
    scratch = DibSection::Create(std::max(scratch.Width(), Width(rc)), std::max(scratch.Height(), Height(rc)));
  }
  BitmapDC composed(scratch.Handle());
  if (!composed) return;
  const HDC target = composed.Get();
  const RECT local{0, 0, Width(rc), Height(rc)};
  FillFace(target, local);
  const framework::UniqueFont font = PlainFont(hwnd);
  framework::SelectGuard selected(target, font.Get());
  if (fsd->StatusBar) SetTextColor(target, ResolveColor(fsd->StatusBar->Normalcolor2));
  auto* bar = dynamic_cast<framework::TStatusBar*>(control);
  if (!bar || bar->SimplePanel() || bar->Panels()->Count() == 0) {
    DrawSimpleText(target, local);
  } else {
    DrawPanels(target, local);
  }
  DrawSizeGrip(target, local);
  if (control) control->PaintControls(target);
  BitBlt(dc, rc.left, rc.top, Width(rc), Height(rc), target, 0, 0, SRCCOPY);
}

void TSkinStatusBar::DrawSimpleText(HDC dc, const RECT& rc) {
  const UINT alignment = control && control->UseRightToLeftAlignment() ? DT_RIGHT : DT_LEFT;
  std::wstring text = control ? GetTextPropByName(control, "simpletext") : GetWindowTextStr(hwnd);
  DrawPanelFace(dc, rc, kLowered);
  DrawPanelText(dc, rc, std::move(text), alignment);
}

void TSkinStatusBar::DrawPanels(HDC dc, const RECT& rc) {
  auto& panels = *static_cast<framework::TStatusBar*>(control)->Panels();
  const bool rtl = control->UseRightToLeftAlignment();
  for (int i = 0; i < panels.Count(); ++i) {
    const framework::TStatusPanel& panel = *panels[i];
    UINT alignment = AlignmentFlags(panel.Alignment());
    if (rtl && alignment != DT_CENTER) alignment = alignment == DT_LEFT ? DT_RIGHT : DT_LEFT;
    RECT r{};
    if (!SendMessageW(hwnd, SB_GETRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r))) continue;
    // Faces meet without the system's gaps; the last reaches the edge.
    r.right = i == panels.Count() - 1 ? rc.right : r.right + 2;
    DrawPanelFace(dc, r, kLowered);
    DrawPanelText(dc, r, panel.Text(), alignment);
  }
}

void TSkinStatusBar::DrawPanelFace(HDC dc, const RECT& r, int bevel) {
  const TDataSkinObject* face = fsd->StatusBar.get();
  HBITMAP strip = face ? MapHandle(face->Map) : nullptr;
  if (!strip) return DrawPanelBevel(dc, r, bevel);
  const DibSection built =
      BuildSkinBitmap(Rect{0, 0, Width(r), Height(r)}, strip, face->r, bevel, 3, face->Tile == 1, false);
  BitmapDC source(built.Handle());
  if (source) BitBlt(dc, r.left, r.top, Width(r), Height(r), source.Get(), 0, 0, SRCCOPY);
}

void TSkinStatusBar::DrawPanelText(HDC dc, RECT r, std::wstring text, UINT alignment) {
  if (text.empty()) text = L" ";
  InflateRect(&r, -2, 0);
  DrawCaption(dc, r, text, true, false, alignment);
}

// The grip cell sits one pixel in from the bottom right corner.
void TSkinStatusBar::DrawSizeGrip(HDC dc, const RECT& rc) {
  const TDataSkinObject* extra = fsd->ExtraImages.get();
  HBITMAP strip = extra ? MapHandle(extra->Map) : nullptr;
  if (!strip || extra->frame < kSizeGripFrame || !(GetWindowLongPtrW(hwnd, GWL_STYLE) & SBARS_SIZEGRIP)) return;
  const SIZE size = BitmapSize(strip);
  const int cellWidth = size.cx / extra->frame;
  const RECT cell{rc.right - 1 - cellWidth, rc.bottom - 1 - size.cy, rc.right - 1, rc.bottom - 1};
  DrawSkinMap1(dc, cell, strip, kSizeGripFrame, extra->frame);
}

}  // namespace lanvero
