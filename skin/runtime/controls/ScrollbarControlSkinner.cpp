#include "skin/runtime/controls/ScrollbarControlSkinner.h"

#include "framework/controls/WinControl.h"
#include "skin/runtime/SkinMessages.h"
#include "skin/runtime/frame/WinSkinForm.h"

namespace lanvero {

void TSkinScControl::Init(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas, bool) {
  InitScrollbar(dynamic_cast<framework::TWinControl*>(OwnerControl()), sd, acanvas, sf);
}

void TSkinScControl::InitScrollbar(framework::TWinControl* acontrol, TSkinData* sd, framework::TCanvas* acanvas,
                                   TWinSkinForm* sf) {
  if (!TakeScrollingControl(*this, acontrol, sd, acanvas, sf)) return;
  MakePanel();
  HookScrollingControl(*this, *this);
  Inited = true;
  skinstate = kSkinnerAttached;
}

void TSkinScControl::MakePanel() {
  if (sb || !control) return;
  sb = MakeScrollbarPanel();
  sb->SetShowHint(control->ShowHint());
  sb->SetHint(control->Hint());
  sb->Attach(this, control, kScrollBarControl);
  if (!control->Visible()) sb->HideScrollbar();
}

void TSkinScControl::AfterMessage(UINT msg, bool) {
  if (msg != WM_SKINENABLE) return;
  if (skinned && skinstate != kSkinnerWindowGone) {
    MakePanel();
    if (sb) sb->SetPosition(hwnd);
  } else if (sb) {
    sb->HideScrollbar();
  }
}

void TSkinScControl::AfterProc(framework::TMessage& message) {
  switch (message.Msg) {
    case WM_WINDOWPOSCHANGED:
      if (sb) sb->SetPosition(hwnd);
      break;
    case WM_NCPAINT:
      if (control) hwnd = control->Handle();
      if (sb) sb->SetPosition(hwnd);
      break;
    case SBM_SETSCROLLINFO:
    case SBM_SETPOS:
    case SBM_SETRANGE:
    case framework::CN_HSCROLL:
    case framework::CN_VSCROLL:
      if (sb) sb->RepaintBar();
      break;
    case framework::CM_VISIBLECHANGED:
      if (!sb) break;
      if (message.WParam) {
        sb->SetPosition(hwnd);
      } else {
        sb->HideScrollbar();
      }
      break;
    default: TSkinControl::AfterProc(message); break;
  }
}

void TSkinScControl::DrawControl(HDC, const RECT&) {
  if (sb) sb->RepaintBar();
}

void TSkinScControl::Unsubclass() {
  TSkinControl::Unsubclass();
  sb.reset();
}

}  // namespace lanvero
