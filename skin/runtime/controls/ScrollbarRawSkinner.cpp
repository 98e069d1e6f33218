#include "skin/runtime/controls/ScrollbarRawSkinner.h"

#include "skin/runtime/SkinMessages.h"
#include "skin/runtime/controls/ScrollbarSkinner.h"

namespace lanvero {

void TSkinScrollbarH::Inithwnd(HWND ahwnd, TSkinData* sd, framework::TCanvas* acanvas, TWinSkinForm* sf) {
  control = nullptr;
  TSkinControl::Inithwnd(ahwnd, sd, acanvas, sf);
  panels_.Free();
  panels_.Make(this, nullptr, hwnd);
}

LRESULT TSkinScrollbarH::SubclassMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = TSkinControl::SubclassMessage(window, msg, wParam, lParam);
  if (msg == WM_SKINENABLE) FollowSkinEnable(*this, panels_, nullptr);
  return result;
}

void TSkinScrollbarH::AfterProc(framework::TMessage& message) {
  if (!IsWindowVisible(hwnd) && panels_.vb) panels_.vb->HideScrollbar();
  switch (message.Msg) {
    case WM_SIZE:
    case WM_NCPAINT:
    case WM_WINDOWPOSCHANGED: panels_.Reposition(hwnd); break;
    case WM_HSCROLL:
    case WM_VSCROLL: panels_.Scrolled(message.Msg, message.WParam); break;
    case WM_MOUSEWHEEL: panels_.Repaint(); break;
    default: TSkinControl::AfterProc(message); break;
  }
}

void TSkinScrollbarH::DrawControl(HDC dc, const RECT&) {
  if (fsd) panels_.FollowBars(hwnd, dc, fsd->Colors[kSchemeButtonFace]);
}

void TSkinScrollbarH::Unsubclass() {
  TSkinControl::Unsubclass();
  panels_.Free();
}

}  // namespace lanvero
