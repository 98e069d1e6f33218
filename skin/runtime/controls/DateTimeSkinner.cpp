#include "skin/runtime/controls/DateTimeSkinner.h"

#include "skin/runtime/controls/EditBorder.h"

namespace lanvero {

TSkinDateTime::~TSkinDateTime() {
  arrow.reset();
  if (addedClipChildren_ && IsWindow(hwnd)) {
    SetWindowLongPtrW(hwnd, GWL_STYLE, GetWindowLongPtrW(hwnd, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_CLIPCHILDREN));
  }
}

void TSkinDateTime::Init(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas, bool acolor) {
  if (Inited) return;
  TSkinControl::Init(sf, sd, acanvas, acolor);
  if (!Inited) return;
  // The picker must not paint over the arrow lying on its button.
  const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  if (!(style & WS_CLIPCHILDREN)) {
    SetWindowLongPtrW(hwnd, GWL_STYLE, style | WS_CLIPCHILDREN);
    addedClipChildren_ = true;
  }
  arrow = std::make_unique<TArrowButton>(*this);
  arrow->Attach(hwnd);
}

void TSkinDateTime::Unsubclass() {
  TSkinControl::Unsubclass();
  if (arrow) arrow->Show(false);
}

void TSkinDateTime::SkinningSwitched() {
  if (arrow) arrow->Show(skinned);
}

void TSkinDateTime::AfterProc(framework::TMessage& message) {
  if (message.Msg == WM_SIZE && arrow) {
    arrow->Resize();
    return;
  }
  // The arrow shows whether the picker is enabled.
  if ((message.Msg == WM_ENABLE || message.Msg == framework::CM_ENABLEDCHANGED) && arrow && arrow->Window()) {
    InvalidateRect(arrow->Window(), nullptr, FALSE);
  }
  TSkinControl::AfterProc(message);
}

void TSkinDateTime::DrawControl(HDC dc, const RECT& rc) {
  if (arrow) arrow->MoveArrow(rc);
  if (fsd && HasOwnBorder(hwnd, rc)) DrawSunkenBorder(dc, rc, fsd->Colors[kSchemeButtonShadow], 1);
}

}  // namespace lanvero
