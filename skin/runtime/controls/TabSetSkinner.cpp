#include "skin/runtime/controls/TabSetSkinner.h"

#include <algorithm>

#include "framework/controls/TabSet.h"
#include "framework/controls/UpDown.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/image/ImgUtil.h"
#include "skin/image/SysColors.h"
#include "skin/image/win/SkinDraw.h"
#include "skin/runtime/SkinMessages.h"
#include "skin/runtime/controls/OffscreenBitmap.h"
#include "skin/runtime/controls/UpDownSkinner.h"

namespace lanvero {
namespace {

constexpr int kTabFrame = 1;
constexpr int kSelectedTabFrame = 2;

}  // namespace

void TSkinTab31::Init(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas, bool acolor) {
  if (Inited) return;
  TSkinControl::Init(sf, sd, acanvas, acolor);
  if (!Inited) return;
  inittab();
  SkinScroller();
}

// The scroller's arrows point left and right, as it moves along the tabs.
void TSkinTab31::SkinScroller() {
  auto* tabs = dynamic_cast<framework::TTabSet*>(control);
  framework::TUpDown* scroller = tabs ? tabs->Scroller() : nullptr;
  if (!scroller || SendMessageW(scroller->Handle(), WM_SKINQUERY, 0, 0) == 1) return;
  auto* updown = new TSkinUpDown(scroller);
  updown->dir = 1;
  updown->Init(skinform, fsd, fCanvas, false);
  if (!updown->Inited) delete updown;
}

void TSkinTab31::inittab() {
  tabbmp = DibSection();
  const TDataSkinBorder* tab = fsd ? fsd->tab.get() : nullptr;
  HBITMAP strip = tab ? MapHandle(tab->Map) : nullptr;
  if (!strip) return;
  PixelImage image = CopyBitmap(strip).ToImage();
  FlipVertical(image);
  tabbmp = DibSection::FromImage(image);
}

// The working image first, so that the repaint shows the new skin.
void TSkinTab31::SkinChange() {
  inittab();
  TSkinControl::SkinChange();
}

// The whole tab set is painted here, off screen, so the plain tabs never
// show before the skinned ones; without a tab image the tab set paints
// itself.
bool TSkinTab31::BeforeProc(framework::TMessage& message) {
  const bool drawsTabs = !tabbmp.IsEmpty() && fsd && fsd->tab;
  switch (message.Msg) {
    case WM_PAINT:
      if (!drawsTabs) break;
      WMPaint(message);
      return false;
    case WM_ERASEBKGND:
      if (!drawsTabs) break;
      message.Result = 1;
      return false;
    default: break;
  }
  return TSkinControl::BeforeProc(message);
}

// The tabs are the ones the tab set lays out, so a drawn tab is always one
// a click selects.
void TSkinTab31::DrawControl(HDC dc, const RECT& rc) {
  auto* tabs = dynamic_cast<framework::TTabSet*>(control);
  const TDataSkinBorder* tab = fsd ? fsd->tab.get() : nullptr;
  if (!tabs || !tab || tabbmp.IsEmpty()) return;
  OffscreenBitmap composed(rc.right - rc.left, rc.bottom - rc.top);
  if (!composed) return;
  const HDC canvas = composed.Dc();
  FillFace(canvas, RECT{0, 0, composed.Width(), composed.Height()});
  framework::SelectGuard font(canvas, tabs->Font()->Handle());
  const bool isEnabled = IsWindowEnabled(hwnd) != FALSE;
  for (int slot = 0; slot < tabs->VisibleTabs(); ++slot) {
    const int index = tabs->FirstIndex() + slot;
    const RECT r = tabs->TabRect(index);
    const int frame = index == tabs->TabIndex() ? kSelectedTabFrame : kTabFrame;
    DrawSkinFrame(canvas, FromRECT(r), tabbmp.Handle(), tab->r, frame, std::max(tab->frame, 1), tab->trans == 1,
                  tab->Tile == 1, false);
    SetTextColor(canvas, ResolveColor(frame == kTabFrame ? tab->Normalcolor2 : tab->Overcolor2));
    DrawCaption(canvas, r, tabs->Tabs()->Get(index), isEnabled, false, DT_CENTER);
  }
  composed.CopyTo(dc, rc.left, rc.top);
}

}  // namespace lanvero
