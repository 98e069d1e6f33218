// TSkinTab: attaching, the working images, the tab scroll arrows and the
// close marks. The drawing is in TabStripDraw.cpp.
#include "skin/runtime/controls/TabSkinner.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/controls/PageControl.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/image/ImgUtil.h"
#include "skin/image/win/SkinDraw.h"
#include "skin/runtime/SkinMessages.h"
#include "skin/runtime/controls/TabItems.h"
#include "skin/runtime/frame/WinSkinForm.h"

namespace lanvero {
namespace {

DibSection Transformed(const DibSection& source, void (*transform)(PixelImage&)) {
  PixelImage image = source.ToImage();
  transform(image);
  return DibSection::FromImage(image);
}

}  // namespace

void TSkinTab::Init(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas, bool acolor) {
  if (Inited) return;
  TSkinControl::Init(sf, sd, acanvas, acolor);
  if (!Inited) return;
  enabled = IsWindowEnabled(hwnd);
  const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  showclose = control && control->Tag() == kCloseMarkTag && dynamic_cast<framework::TPageControl*>(control) &&
              !(style & (TCS_BOTTOM | TCS_VERTICAL));
  FinishAttach();
}

void TSkinTab::Inithwnd(HWND ahwnd, TSkinData* sd, framework::TCanvas* acanvas, TWinSkinForm* sf) {
  TSkinControl::Inithwnd(ahwnd, sd, acanvas, sf);
  focused = GetFocus() == hwnd;
  enabled = IsWindowEnabled(hwnd);
  FinishAttach();
}

void TSkinTab::FinishAttach() {
  inittab();
  SkinTabUpDown();
  skinned = true;
  unicode = IsWindowUnicode(hwnd);
}

// The working images first, so that the repaint shows the new skin.
void TSkinTab::SkinChange() {
  inittab();
  TSkinControl::SkinChange();
}

void TSkinTab::ReadPosition() {
  const LONG_PTR style = hwnd ? GetWindowLongPtrW(hwnd, GWL_STYLE) : 0;
  const bool bottom = style & TCS_BOTTOM, vertical = style & TCS_VERTICAL;
  if (bottom && vertical) {
    Position = TSkinTabPosition::Stright;
  } else if (bottom) {
    Position = TSkinTabPosition::Stbottom;
  } else if (vertical) {
    Position = TSkinTabPosition::Stleft;
  } else {
    Position = TSkinTabPosition::StTop;
  }
}

void TSkinTab::inittab() {
  ReadPosition();
  tabbmp = DibSection();
  borderbmp = DibSection();
  const TDataSkinBorder* tab = fsd ? fsd->tab.get() : nullptr;
  if (!tab) return;
  if (HBITMAP strip = MapHandle(tab->Map)) tabbmp = CopyBitmap(strip);
  HBITMAP page = nullptr;
  if (tab->style == 0) page = MapHandle(tab->MaskMap);
  if (tab->style == 1 && fsd->TabSheet) page = MapHandle(fsd->TabSheet->Map);
  if (page) borderbmp = CopyBitmap(page);
  switch (Position) {
    case TSkinTabPosition::Stbottom:
      if (!borderbmp.IsEmpty()) borderbmp = Transformed(borderbmp, FlipVertical);
      if (!tabbmp.IsEmpty()) tabbmp = Transformed(tabbmp, FlipVertical);
      break;
    case TSkinTabPosition::Stleft:
      if (!borderbmp.IsEmpty()) borderbmp = Transformed(borderbmp, RotateBitmapLeft);
      break;
    case TSkinTabPosition::Stright:
      if (!borderbmp.IsEmpty()) borderbmp = Transformed(borderbmp, RotateBitmapRight);
      break;
    case TSkinTabPosition::StTop: break;
  }
}

bool TSkinTab::SkinTabUpDown() {
  HWND arrows = SkinScrollArrows(*this);
  return arrows && (GetWindowLongPtrW(arrows, GWL_STYLE) & WS_VISIBLE);
}

bool TSkinTab::BeforeProc(framework::TMessage& message) {
  if (message.Msg == WM_PAINT) {
    WMPaint(message);
    return false;
  }
  if (message.Msg == WM_LBUTTONDOWN && showclose && HitCloseMark(message)) {
    message.Result = 0;
    return false;
  }
  return TSkinControl::BeforeProc(message);
}

bool TSkinTab::HitCloseMark(const framework::TMessage& message) {
  const POINT point{LOWORD(message.LParam), HIWORD(message.LParam)};
  // The program may close tabs (and repaint, which rebuilds the marks)
  // while it is asked: look at the marks as they were clicked.
  const std::vector<RECT> marks = CloseRect;
  for (size_t i = 0; i < marks.size(); ++i) {
    if (!PtInRect(&marks[i], point)) continue;
    const HWND frameWindow = skinform ? skinform->Hwnd : nullptr;
    const LRESULT keep =
        frameWindow ? SendMessageW(frameWindow, WM_SKINTABCLOSE, reinterpret_cast<WPARAM>(hwnd), static_cast<LPARAM>(i))
                    : 0;
    if (keep == 0) CloseTab(static_cast<int>(i));
    return true;
  }
  return false;
}

// Frees the page of tab `tabIndex`: hidden pages have no tab, so the tab
// index is looked up among the pages instead of taken as a page index.
void TSkinTab::CloseTab(int tabIndex) {
  auto* pages = dynamic_cast<framework::TPageControl*>(control);
  if (!pages) return;
  for (int i = 0; i < pages->PageCount(); ++i) {
    framework::TTabSheet* page = pages->Pages(i);
    if (page->TabIndex() == tabIndex) {
      delete page;
      return;
    }
  }
}

}  // namespace lanvero
