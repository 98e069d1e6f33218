// The skin's tool bar background and button faces, drawn from the tool
// bar's custom-draw events; the tool bar draws glyphs and captions over
// them.
#include "framework/controls/ToolBar.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/image/win/SkinDraw.h"
#include "skin/runtime/controls/SkinControl.h"
#include "skin/runtime/frame/WinSkinForm.h"

namespace lanvero {
namespace {

constexpr int kNoFace = 0;

// The button frame for custom-draw item state bits, the first that
// applies: pressed 2, hot or focused 4, disabled none, default 1.
int ButtonFrame(UINT state) {
  if (state & CDIS_SELECTED) return 2;
  if (state & (CDIS_FOCUS | CDIS_HOT)) return 4;
  if (state & (CDIS_GRAYED | CDIS_DISABLED)) return kNoFace;
  if (state & CDIS_DEFAULT) return 1;
  return kNoFace;
}

}  // namespace

void TWinSkinForm::ToolbarCustomDraw(framework::TToolBar& toolbar, const RECT& ARect) {
  if (!fsd || !fsd->Toolbar || !MapHandle(fsd->Toolbar->Map) || (fsd->Options() & SetOf(xoToolbarBK))) return;
  (void)toolbar;
  framework::TCanvas& canvas = fcanvas2;
  if (!canvas.HandleAllocated()) return;
  const int oldMode = SetStretchBltMode(canvas.Handle(), COLORONCOLOR);
  DrawSkinFrameStretched(canvas.Handle(), FromRECT(ARect), MapHandle(fsd->Toolbar->Map), 1, 1, false);
  SetStretchBltMode(canvas.Handle(), oldMode);
}

void TWinSkinForm::ToolbarCustomDrawButton(framework::TToolBar& toolbar, const RECT& bounds, UINT state, HDC dc) {
  (void)toolbar;
  if (!fsd || !fsd->Button || Skinstate != kFrameRunning || (fsd->Options() & SetOf(xoToolbarButton))) return;
  const int frame = ButtonFrame(state);
  if (frame == kNoFace) return;
  const TDataSkinButton& button = *fsd->Button;
  if (frame == 1 && button.newnormal) SetTextColor(dc, button.Normalcolor2);
  if (frame == 4 && button.newover) SetTextColor(dc, button.Overcolor2);
  if (frame == 2 && button.newdown) SetTextColor(dc, button.Downcolor2);
  RECT face = bounds;
  InflateRect(&face, -1, -1);
  DrawSkinFrame(dc, FromRECT(face), MapHandle(button.Map), button.r, frame, 5, button.trans == 1, button.Tile == 1,
                false);
}

}  // namespace lanvero
