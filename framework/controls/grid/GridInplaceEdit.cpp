#include "framework/controls/grid/GridInplaceEdit.h"

#include "framework/core/ClassBuilder.h"

namespace lanvero::framework {

TDBGrid::TInplaceEdit::TInplaceEdit(TDBGrid& grid) : TCustomEdit(&grid), grid_(grid) {
  SetBorderStyle(TBorderStyle::bsNone);
  SetTabStop(false);
  SetVisible(false);
  SetParent(&grid);
}

const ClassInfo& TDBGrid::TInplaceEdit::StaticClassInfo() {
  static const ClassInfo info = DescribeClass("TInplaceEdit", &TCustomEdit::StaticClassInfo());
  return info;
}

void TDBGrid::TInplaceEdit::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_GETDLGCODE: message.Result = DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL; return;
    case WM_KEYDOWN:
      if (HandleKey(static_cast<WORD>(message.WParam))) return;
      break;
    case WM_CHAR:
      // Enter and Escape were handled as keys; keep them out of the text.
      if (message.WParam == L'\r' || message.WParam == 27) return;
      break;
    case WM_KILLFOCUS:
      TCustomEdit::Dispatch(message);
      if (Visible() && !closing_) grid_.HideEditor(true);
      return;
    default: break;
  }
  TCustomEdit::Dispatch(message);
}

bool TDBGrid::TInplaceEdit::HandleKey(WORD key) {
  closing_ = true;
  bool handled = true;
  switch (key) {
    case VK_RETURN: grid_.HideEditor(true); break;
    case VK_ESCAPE: grid_.HideEditor(false); break;
    case VK_UP:
      grid_.HideEditor(true);
      grid_.MoveBy(-1);
      break;
    case VK_DOWN:
      grid_.HideEditor(true);
      grid_.MoveBy(1);
      break;
    default: handled = false; break;
  }
  closing_ = false;
  return handled;
}

}  // namespace lanvero::framework
