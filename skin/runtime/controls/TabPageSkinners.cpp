#include "skin/runtime/controls/TabPageSkinners.h"

#include <commctrl.h>

#include "framework/controls/WinControl.h"
#include "framework/graphics/Graphic.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/image/SysColors.h"
#include "skin/image/win/SkinDraw.h"
#include "skin/runtime/controls/OffscreenBitmap.h"
#include "skin/runtime/controls/PropertyByName.h"
#include "skin/runtime/controls/TabItems.h"
#include "skin/runtime/frame/WinSkinForm.h"

namespace lanvero {
namespace {

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

}  // namespace

// ----- TSkinTabSheet --------------------------------------------------------

bool TSkinTabSheet::BeforeProc(framework::TMessage& message) {
  if (!TSkinControl::BeforeProc(message)) return false;
  if (kind != 0) return true;
  switch (message.Msg) {
    case WM_PAINT:
    case WM_PRINT: WMPaint(message); return false;
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(hwnd, &client);
      if (fsd && fsd->Gdi()) FillRect(reinterpret_cast<HDC>(message.WParam), &client, fsd->Gdi()->BGBrush.Get());
      message.Result = 1;
      return false;
    }
    default: return true;
  }
}

void TSkinTabSheet::DrawControl(HDC dc, const RECT& rc) {
  OffscreenBitmap page(Width(rc), Height(rc));
  if (!page) return;
  FillFace(page.Dc(), RECT{0, 0, Width(rc), Height(rc)});
  if (control) control->PaintControls(page.Dc());
  page.CopyTo(dc, rc.left, rc.top);
}

// ----- TSkinTabBtn ----------------------------------------------------------

bool TSkinTabBtn::BeforeProc(framework::TMessage& message) {
  if (message.Msg == WM_PAINT) {
    WMPaint(message);
    return false;
  }
  return TSkinControl::BeforeProc(message);
}

void TSkinTabBtn::DrawControl(HDC dc, const RECT& rc) {
  const TDataSkinButton* button = fsd ? fsd->Button.get() : nullptr;
  if (!button || !MapHandle(button->Map)) return;
  enabled = control ? control->Enabled() : IsWindowEnabled(hwnd) != FALSE;
  OffscreenBitmap whole(Width(rc), Height(rc));
  if (!whole) return;
  const HDC target = whole.Dc();
  const RECT local{0, 0, Width(rc), Height(rc)};
  // No page border: around the page lies the parent's colour.
  FillParentColor(target, local);
  RECT page = TabPageRect(hwnd, local);
  FillFace(target, RECT{0, 0, local.right, page.top + 1});
  framework::SelectGuard font(target, WindowFont(hwnd));
  const auto [items, current, images] = ReadTabStrip(hwnd);
  for (size_t i = 0; i < items.size(); ++i) {
    if (!items[i].hasRect) continue;
    RECT r = items[i].rect;
    OffsetRect(&r, 0, 1);
    const int frame = static_cast<int>(i) == current ? 2 : 1;
    DrawSkinFrame(target, FromRECT(r), MapHandle(button->Map), button->r, frame, button->frame, button->trans == 1,
                  button->Tile == 1, false);
    Color text = 0;
    if (frame == 1 && button->newnormal) text = button->Normalcolor2;
    if (frame == 2 && button->newdown) text = button->Downcolor2;
    SetTextColor(target, ResolveColor(text));
    DrawImgCaption(target, r, images, items[i].image, items[i].text, 1);
  }
  whole.CopyTo(dc, rc.left, rc.top);
}

// ----- TSkinAdvPage ---------------------------------------------------------

void TSkinAdvPage::Init(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas, bool acolor) {
  if (Inited) return;
  TSkinControl::Init(sf, sd, acanvas, acolor);
  if (!Inited) return;
  if (kind == kTabBackgroundKind) ApplyTabBackgrounds();
}

// The page's own colour follows the skin too (base), not only its tabs.
void TSkinAdvPage::SkinChange() {
  if (kind == kTabBackgroundKind) ApplyTabBackgrounds();
  TSkinControl::SkinChange();
}

void TSkinAdvPage::ApplyTabBackgrounds() {
  const TDataSkinBorder* tab = fsd ? fsd->tab.get() : nullptr;
  if (!tab || !MapHandle(tab->Map)) return;
  constexpr Rect kTabBackground{0, 0, 100, 21};
  const char* properties[] = {"TabBackGround", "TabBackGroundActive"};
  for (int frame = 1; frame <= 2; ++frame) {
    auto* target = dynamic_cast<framework::TBitmap*>(
        GetObjectPropByName(control, properties[frame - 1], framework::TBitmap::StaticClassInfo()));
    if (!target) continue;
    const DibSection built =
        BuildSkinBitmap(kTabBackground, MapHandle(tab->Map), tab->r, frame, tab->frame, tab->Tile == 1, false);
    if (!built.IsEmpty()) target->LoadFromPixels(built.ToImage());
  }
}

void TSkinAdvPage::Unsubclass() {
  for (const char* property : {"TabBackGround", "TabBackGroundActive"}) {
    auto* target = dynamic_cast<framework::TBitmap*>(
        GetObjectPropByName(control, property, framework::TBitmap::StaticClassInfo()));
    if (target) target->SetData({});
  }
  TSkinControl::Unsubclass();
}

void TSkinAdvPage::DrawControl(HDC, const RECT&) { SkinAdvUpDown(); }

void TSkinAdvPage::SkinAdvUpDown() { SkinScrollArrows(*this); }

}  // namespace lanvero
