// TSkinTab's painting: the whole window is composed off screen (the strip
// of tabs from the skin's tab frames, the page border from the page image)
// and copied once, around the tab scroll arrows when they show.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>

#include "framework/controls/WinControl.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/image/ImgUtil.h"
#include "skin/image/SysColors.h"
#include "skin/image/win/SkinDraw.h"
#include "skin/runtime/controls/OffscreenBitmap.h"
#include "skin/runtime/controls/TabItems.h"
#include "skin/runtime/controls/TabSkinner.h"

namespace lanvero {
namespace {

constexpr int kCurrentTabFrame = 2;
constexpr int kTabFrame = 1;
// The page image's fixed borders when the skin gives the page with the tabs.
constexpr Margins kPageMargins{4, 5, 4, 4};

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

bool OnSide(TSkinTabPosition position) {
  return position == TSkinTabPosition::Stleft || position == TSkinTabPosition::Stright;
}

// The band between the window and the page on the tabs' side.
RECT StripRect(TSkinTabPosition position, const RECT& rc, const RECT& page) {
  switch (position) {
    case TSkinTabPosition::Stbottom: return {rc.left, page.bottom, rc.right, rc.bottom};
    case TSkinTabPosition::Stleft: return {rc.left, rc.top, page.left, rc.bottom};
    case TSkinTabPosition::Stright: return {page.right, rc.top, rc.right, rc.bottom};
    case TSkinTabPosition::StTop: break;
  }
  return {rc.left, rc.top, rc.right, page.top};
}

// A tab's client rectangle in the strip as it is composed (lying flat
// for tabs on a side, `flatWidth` wide).
RECT InStrip(TSkinTabPosition position, const RECT& r, const RECT& rc, const RECT& page, int flatWidth) {
  switch (position) {
    case TSkinTabPosition::Stbottom: return {r.left, r.top - page.bottom - 1, r.right, r.bottom - page.bottom - 1};
    case TSkinTabPosition::Stleft: return {flatWidth - r.bottom, r.left, flatWidth - r.top, r.right};
    case TSkinTabPosition::Stright: return {r.top - 1, rc.right - r.right, r.bottom - 1, rc.right - r.left};
    case TSkinTabPosition::StTop: break;
  }
  return {r.left, r.top + 1, r.right, r.bottom + 1};
}

// Moves the page rectangle one pixel toward the tabs, under their edge.
void TowardTabs(TSkinTabPosition position, RECT& page) {
  switch (position) {
    case TSkinTabPosition::StTop: page.top += 1; break;
    case TSkinTabPosition::Stbottom: page.bottom -= 1; break;
    case TSkinTabPosition::Stleft: page.left += 1; break;
    case TSkinTabPosition::Stright: page.right -= 1; break;
  }
}

// Copies `source` (turned for tabs on a side) to (x, y) of `target`.
void CopyStrip(const OffscreenBitmap& source, TSkinTabPosition position, HDC target, int x, int y) {
  if (!OnSide(position)) return source.CopyTo(target, x, y);
  GdiFlush();
  PixelImage image = source.Bitmap().ToImage();
  if (position == TSkinTabPosition::Stleft) {
    RotateBitmapLeft(image);
  } else {
    RotateBitmapRight(image);
  }
  const DibSection turned = DibSection::FromImage(image);
  BitmapDC turnedDc(turned.Handle());
  if (turnedDc) BitBlt(target, x, y, turned.Width(), turned.Height(), turnedDc.Get(), 0, 0, SRCCOPY);
}

}  // namespace

void TSkinTab::DrawControl(HDC dc, const RECT& rc) {
  OffscreenBitmap whole(Width(rc), Height(rc));
  if (!whole) return;
  const RECT local{0, 0, Width(rc), Height(rc)};
  FillParentColor(whole.Dc(), local);
  RECT page = TabPageRect(hwnd, local);
  TowardTabs(Position, page);
  CloseRect.assign(static_cast<size_t>(std::max<LRESULT>(0, SendMessageW(hwnd, TCM_GETITEMCOUNT, 0, 0))), RECT{});
  const TDataSkinBorder* tab = fsd ? fsd->tab.get() : nullptr;
  if (tab && !tabbmp.IsEmpty()) DrawTabStrip(whole.Dc(), local, page);
  if (!borderbmp.IsEmpty()) {
    const bool paneMargins = tab && tab->style != 0 && fsd->TabSheet;
    DrawSkinFrame(whole.Dc(), FromRECT(page), borderbmp.Handle(), paneMargins ? fsd->TabSheet->r : kPageMargins, 1, 1,
                  false, false, false);
  }
  if (control && kind == 2) control->PaintControls(whole.Dc());
  if (SkinTabUpDown()) {
    BlitAroundUpDown(dc, rc, whole.Dc());
  } else {
    whole.CopyTo(dc, rc.left, rc.top);
  }
}

void TSkinTab::DrawTabStrip(HDC target, const RECT& rc, const RECT& page) {
  const TDataSkinBorder& tab = *fsd->tab;
  const RECT strip = StripRect(Position, rc, page);
  const bool side = OnSide(Position);
  const int flatWidth = side ? Height(strip) : Width(strip);
  const int flatHeight = side ? Width(strip) : Height(strip);
  OffscreenBitmap composed(flatWidth, flatHeight);
  if (!composed) return;
  const HDC dc = composed.Dc();
  FillParentColor(dc, RECT{0, 0, flatWidth, flatHeight});
  framework::SelectGuard font(dc, WindowFont(hwnd));
  const auto [items, current, images] = ReadTabStrip(hwnd);
  for (size_t i = 0; i < items.size(); ++i) {
    if (!items[i].hasRect) continue;
    const RECT r = InStrip(Position, items[i].rect, rc, page, flatWidth);
    const int frame = static_cast<int>(i) == current ? kCurrentTabFrame : kTabFrame;
    DrawSkinFrame(dc, FromRECT(r), tabbmp.Handle(), tab.r, frame, tab.frame, tab.trans == 1, tab.Tile == 1, false);
    if (showclose) DrawCloseMark(dc, r, i);
    SetTextColor(dc, ResolveColor(frame == kTabFrame ? tab.Normalcolor2 : tab.Overcolor2));
    DrawImgCaption(dc, r, images, items[i].image, items[i].text, 1);
  }
  CopyStrip(composed, Position, target, strip.left, strip.top);
}

// A square with both diagonals in the tab's top right corner. Marks are
// drawn only on top tabs, where the strip lies at the window's origin, so
// the square is also where the click lands.
void TSkinTab::DrawCloseMark(HDC dc, const RECT& item, size_t index) {
  const RECT mark{item.right - 8, item.top + 2, item.right - 2, item.top + 8};
  const POINT outline[] = {{mark.left, mark.top},
                           {mark.right, mark.top},
                           {mark.right, mark.bottom},
                           {mark.left, mark.bottom},
                           {mark.left, mark.top}};
  Polyline(dc, outline, 5);
  MoveToEx(dc, mark.left, mark.top, nullptr);
  LineTo(dc, mark.right, mark.bottom);
  MoveToEx(dc, mark.right, mark.top, nullptr);
  LineTo(dc, mark.left, mark.bottom);
  if (index < CloseRect.size()) CloseRect[index] = mark;
}

// The arrows paint themselves: the composed picture goes everywhere else.
void TSkinTab::BlitAroundUpDown(HDC dc, const RECT& rc, HDC composed) {
  HWND arrows = FindWindowExW(hwnd, nullptr, UPDOWN_CLASSW, nullptr);
  RECT area{};
  GetWindowRect(arrows, &area);
  MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&area), 2);
  framework::SavedDC saved(dc);
  ExcludeClipRect(dc, area.left, area.top, area.right, area.bottom);
  BitBlt(dc, rc.left, rc.top, Width(rc), Height(rc), composed, 0, 0, SRCCOPY);
}

}  // namespace lanvero
