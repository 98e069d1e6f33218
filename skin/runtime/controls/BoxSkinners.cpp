#include "skin/runtime/controls/BoxSkinners.h"

#include "framework/controls/WinControl.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/runtime/frame/WinSkinForm.h"

namespace lanvero {

bool AttachWithoutHook(TSkinControl& skinner, TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas) {
  auto* owner = dynamic_cast<framework::TWinControl*>(skinner.OwnerControl());
  if (!owner) return false;
  skinner.skinform = sf;
  skinner.fsd = sd;
  skinner.fCanvas = acanvas;
  skinner.control = owner;
  skinner.hwnd = owner->Handle();
  if (sf) sf->AddControlList(&skinner);
  return true;
}

void TSkinBox::Init(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas, bool acolor) {
  if (Inited || !AttachWithoutHook(*this, sf, sd, acanvas)) return;
  newColor = acolor;
  if (newColor && fsd) {
    oldcolor = control->Color();
    control->SetColor(static_cast<framework::TColor>(fsd->Colors[kSchemeButtonFace]));
  }
  Inited = true;
  skinstate = kSkinnerAttached;
}

void TSkinBox::Unsubclass() {
  skinned = false;
  if (skinstate == kSkinnerWindowGone) return;  // nothing left to give back
  if (skinstate != kBoxKeepsColor && newColor && control) control->SetColor(oldcolor);
  skinstate = kBoxReleased;
}

bool TSkinBoxH::BeforeProc(framework::TMessage& message) {
  switch (message.Msg) {
    case WM_ERASEBKGND: {
      RECT window{};
      GetWindowRect(hwnd, &window);
      OffsetRect(&window, -window.left, -window.top);
      FillFace(reinterpret_cast<HDC>(message.WParam), window);
      message.Result = 0;
      return false;
    }
    case WM_CTLCOLORSTATIC:
      CallDefaultProc(message);
      if (fsd && fsd->Gdi()) message.Result = reinterpret_cast<LRESULT>(fsd->Gdi()->BGBrush.Get());
      return false;
    default: return TSkinControl::BeforeProc(message);
  }
}

void TSkinSizer::DrawControl(HDC dc, const RECT& rc) { FillFace(dc, rc); }

}  // namespace lanvero
