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

void SkinToolbarBackground::operator()(framework::TToolBar* toolbar, const RECT& rect, bool&) const {
  if (toolbar) skinner->ToolbarCustomDraw(*toolbar, rect);
}

void SkinToolbarButtonFace::operator()(framework::TToolBar* toolbar, framework::TToolButton* button, UINT state,
                                       bool&) const {
  if (toolbar && button) skinner->ToolbarCustomDrawButton(*toolbar, button->BoundsRect(), state);
}

void TWinSkinForm::ToolbarCustomDraw(framework::TToolBar& toolbar, const RECT& ARect) {
  if (!fsd || !fsd->Toolbar || !MapHandle(fsd->Toolbar->Map) || (fsd->Options() & SetOf(xoToolbarBK))) return;
  const HDC dc = toolbar.Canvas().Handle();
  if (!dc) return;
  const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
  DrawSkinFrameStretched(dc, FromRECT(ARect), MapHandle(fsd->Toolbar->Map), 1, 1, false);
  SetStretchBltMode(dc, oldMode);
}

void TWinSkinForm::ToolbarCustomDrawButton(framework::TToolBar& toolbar, const RECT& bounds, UINT state) {
  if (!fsd || !fsd->Button || Skinstate != kFrameRunning || (fsd->Options() & SetOf(xoToolbarButton))) return;
  const int frame = ButtonFrame(state);
  const HDC dc = toolbar.Canvas().Handle();
  if (frame == kNoFace || !dc) return;
  const TDataSkinButton& button = *fsd->Button;
  // The bar draws the caption in the canvas font's colour.
  framework::TFont& font = toolbar.Canvas().Font();
  if (frame == 1 && button.newnormal) font.SetColor(static_cast<framework::TColor>(button.Normalcolor2));
  if (frame == 4 && button.newover) font.SetColor(static_cast<framework::TColor>(button.Overcolor2));
  if (frame == 2 && button.newdown) font.SetColor(static_cast<framework::TColor>(button.Downcolor2));
  RECT face = bounds;
  InflateRect(&face, -1, -1);
  DrawSkinFrame(dc, FromRECT(face), MapHandle(button.Map), button.r, frame, 5, button.trans == 1, button.Tile == 1,
                false);
}

// The handlers this skinner put on a tool bar come off again; the
// program's own stay.
void TWinSkinForm::UnskinToolBar(framework::TToolBar& bar) {
  if (auto* own = bar.OnCustomDraw.target<SkinToolbarBackground>(); own && own->skinner == this) {
    bar.OnCustomDraw = nullptr;
  }
  if (auto* own = bar.OnCustomDrawButton.target<SkinToolbarButtonFace>(); own && own->skinner == this) {
    bar.OnCustomDrawButton = nullptr;
  }
}

}  // namespace lanvero
