// Painting the menu bar: the band from the skin's menu bar image (or its
// colour), the buttons' texts, the merged buttons of a maximised MDI child,
// and a single button's hot or pressed look over the kept background.
#include "framework/base/GdiObject.h"
#include "framework/menus/Menus.h"
#include "framework/services/Screen.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/image/SysColors.h"
#include "skin/image/win/BitmapDC.h"
#include "skin/image/win/SkinDraw.h"
#include "skin/image/win/SkinText.h"
#include "skin/runtime/menus/MenuBar.h"
#include "skin/runtime/tracking/SkinManager.h"

namespace lanvero {
namespace {

constexpr int32_t kMenuBarVisibility = 100;
constexpr UINT kCenteredTextFormat = DT_CENTER | DT_SINGLELINE | DT_EXPANDTABS;

HFONT MenuFont() { return framework::Screen().MenuFont().Handle(); }

bool IsMergedMDIButton(const TWinSysButton& button) {
  return button.data.Visibility == kMenuBarVisibility && !button.data.Map.Empty();
}

}  // namespace

void DrawCenteredText(HDC dc, const Rect& rect, const std::wstring& text, bool enabled) {
  SetBkMode(dc, TRANSPARENT);
  RECT measured = ToRECT(rect);
  SkinDrawText(dc, text, measured, kCenteredTextFormat | DT_CALCRECT | DT_NOCLIP);
  const int dx = (rect.Width() - (measured.right - measured.left)) / 2;
  const int dy = (rect.Height() - (measured.bottom - measured.top)) / 2;
  OffsetRect(&measured, dx, dy);
  if (!enabled) SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  SkinDrawText(dc, text, measured, kCenteredTextFormat);
}

MenuBarBand TWinSkinMenu::BandOf(const Rect& band, int32_t mdiLimit) const {
  MenuBarBand bar;
  bar.band = band;
  bar.hasDefinition = FSD.Menubar != nullptr;
  if (bar.hasDefinition) {
    bar.leftTile = FSD.Menubar->r.left;
    bar.rightTile = FSD.Menubar->r.right;
  }
  bar.rightToLeft = menu && menu->BiDiModeRightToLeft();
  bar.rightToLeftLimit = mdiLimit;
  return bar;
}

void TWinSkinMenu::Layout(HDC dc, const MenuBarBand& band) {
  std::vector<int32_t> widths;
  widths.reserve(buttons_.size());
  for (const auto& button : buttons_) {
    if (!button->visible) {
      widths.push_back(kInvisibleMenuButton);
      continue;
    }
    RECT measured{0, 0, 0, 0};
    SkinDrawText(dc, button->caption, measured, DT_CALCRECT | DT_NOCLIP);
    widths.push_back(measured.right - measured.left);
  }
  const std::vector<Rect> bounds = LayoutMenuBarButtons(band, widths);
  for (size_t i = 0; i < buttons_.size(); ++i) buttons_[i]->bounds = bounds[i];
}

// Right to left, the menu buttons end 5 pixels left of the merged buttons.
int32_t TWinSkinMenu::MDIButtonsLeft() const {
  if (!(menu && menu->BiDiModeRightToLeft()) || !SF.MDIChildMax()) return -1;
  int32_t limit = -1;
  for (const auto& button : SF.SysBtn) {
    if (!IsMergedMDIButton(*button)) continue;
    const int32_t left = button->bounds.left - 5 - Bar.left;
    limit = limit < 0 ? left : std::min(limit, left);
  }
  return limit;
}

void TWinSkinMenu::SetMenuRect() {
  const Rect band{SF.bw.left, SF.bw.top, SF.fwidth - SF.bw.right, SF.bw.top + SF.MenuHeight};
  if (band.IsEmpty()) return;
  framework::WindowDC screen(nullptr);
  const framework::SelectGuard font(screen.Get(), MenuFont());
  Layout(screen.Get(), BandOf(band, -1));
}

void TWinSkinMenu::DrawMenu(HDC dc, const Rect& rc) {
  if (rc.IsEmpty()) return;
  const Rect origin{0, 0, rc.Width(), rc.Height()};
  DibSection scratch = DibSection::Create(origin.right, origin.bottom);
  if (scratch.IsEmpty()) return;
  BitmapDC target(scratch.Handle());
  const TDataSkinObject* image = FSD.Menubar.get();
  if (image && !image->Map.Empty()) {
    const int32_t frame = SF.FWindowActive ? 1 : 2;
    if (image->Tile == 1) {
      DrawSkinFrame(target.Get(), origin, MapHandle(image->Map), image->r, frame, 2, false, false, true);
    } else {
      DrawSkinFrameTiled(target.Get(), origin, MapHandle(image->Map), image->r, frame, 2, false, true);
    }
  } else {
    FillSolid(target.Get(), origin, FSD.Colors[kSchemeMenubar]);
  }
  GdiFlush();
  Bar = rc;
  bkmap = CopyBitmap(scratch.Handle());
  const framework::SelectGuard font(target.Get(), MenuFont());
  SetTextColor(target.Get(), ResolveColor(FSD.Colors[kSchemeMenuBarText]));
  Layout(target.Get(), BandOf(rc, MDIButtonsLeft()));
  for (const auto& button : buttons_) {
    if (!button->visible || button->bounds.IsEmpty()) continue;
    SetTextColor(target.Get(), ResolveColor(FSD.Colors[kSchemeMenuBarText]));
    const Rect cell{button->bounds.left - rc.left, 0, button->bounds.right - rc.left, origin.bottom - 1};
    DrawCenteredText(target.Get(), cell, button->caption, button->enabled);
  }
  DrawMDIButtons(target.Get(), rc);
  BitBlt(dc, rc.left, rc.top, origin.right, origin.bottom, target.Get(), 0, 0, SRCCOPY);
}

// A maximised MDI child's caption buttons at the right end of the band.
void TWinSkinMenu::DrawMDIButtons(HDC dc, const Rect& band) {
  if (!SF.MDIChildMax()) return;
  for (const auto& button : SF.SysBtn) {
    if (!IsMergedMDIButton(*button) || !button->visible) continue;
    const Rect at = button->bounds.Offset(-band.left, -band.top);
    DrawSkinFrameStretched(dc, at, MapHandle(button->data.Map), 1, button->data.frame, true);
  }
  if (!SkinManager().MDIMax) SkinManager().SetMDIMax(true);
}

void TMenuBtn::Draw() {
  if (bar_.bkmap.IsEmpty() || !visible || bounds.IsEmpty() || !IsWindow(SF.Hwnd)) return;
  framework::WindowDC dc(SF.Hwnd, true);
  const Rect& band = bar_.Bar;
  {
    BitmapDC background(bar_.bkmap.Handle());
    BitBlt(dc.Get(), bounds.left, band.top, bounds.Width(), band.Height(), background.Get(), bounds.left - band.left, 0,
           SRCCOPY);
  }
  if (state == 2 || state == 3) {
    const framework::UniqueBrush brush(CreateSolidBrush(ResolveColor(fsd.Colors[kSchemeButtonHilight])));
    const RECT frame = ToRECT(bounds);
    FrameRect(dc.Get(), &frame, brush.Get());
  }
  const framework::SelectGuard font(dc.Get(), MenuFont());
  SetTextColor(dc.Get(), ResolveColor(fsd.Colors[enabled ? kSchemeMenuBarText : kSchemeButtonShadow]));
  DrawCenteredText(dc.Get(), bounds, caption, enabled);
}

}  // namespace lanvero
