#include "skin/runtime/controls/MediaPlayerSkinner.h"

#include "framework/controls/WinControl.h"
#include "skin/runtime/controls/PropertyByName.h"

namespace lanvero {

TSkinMP::~TSkinMP() {
  mp.reset();
  if (addedClipChildren_ && IsWindow(hwnd)) {
    SetWindowLongPtrW(hwnd, GWL_STYLE, GetWindowLongPtrW(hwnd, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_CLIPCHILDREN));
  }
}

void TSkinMP::Init(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas, bool acolor) {
  if (Inited) return;
  TSkinControl::Init(sf, sd, acanvas, acolor);
  // A control without the player's button sets is left as it paints itself.
  if (!Inited || !control || GetTextPropByName(control, "VisibleButtons").empty()) return;
  // The player must not paint over the panel lying on it.
  const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  if (!(style & WS_CLIPCHILDREN)) {
    SetWindowLongPtrW(hwnd, GWL_STYLE, style | WS_CLIPCHILDREN);
    addedClipChildren_ = true;
  }
  mp = std::make_unique<TWMediaPlayer>();
  mp->Attach(*this, *control);
}

// The panel's window goes at once; the object stays until the skinner goes,
// since this may run inside the panel's own message handling (a click
// handler that frees the player).
void TSkinMP::Unsubclass() {
  TSkinControl::Unsubclass();
  if (mp) mp->DestroyPanel();
}

void TSkinMP::SkinningSwitched() {
  if (mp) mp->Show(skinned);
}

void TSkinMP::SkinChange() {
  TSkinControl::SkinChange();
  if (mp) mp->Repaint();
}

void TSkinMP::AfterProc(framework::TMessage& message) {
  switch (message.Msg) {
    case WM_WINDOWPOSCHANGED:
      if (mp) mp->SetPosition();
      return;
    // The button sets and the enabled state change what the panel shows.
    case WM_PAINT:
    case WM_ENABLE:
    case framework::CM_ENABLEDCHANGED:
      if (mp) mp->Repaint();
      return;
    default: TSkinControl::AfterProc(message);
  }
}

}  // namespace lanvero
