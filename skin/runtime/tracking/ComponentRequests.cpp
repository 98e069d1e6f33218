// What a skin component asks of the skinned windows after they were
// skinned: controls and menus added later, forms embedded in a window,
// window-less controls about to go away.
#include "framework/controls/GraphicControl.h"
#include "framework/controls/WinControl.h"
#include "skin/runtime/controls/SkinControl.h"
#include "skin/runtime/frame/WinSkinForm.h"
#include "skin/runtime/frame/WinSkinSpy.h"
#include "skin/runtime/tracking/SkinManager.h"

namespace lanvero {

TWinSkinForm* TSkinManage::FrameSkinnerOfParent(framework::TComponent* parent) const {
  auto* windowed = dynamic_cast<framework::TWinControl*>(parent);
  if (!windowed || !windowed->HandleAllocated()) return nullptr;
  return FrameSkinnerOf(windowed->WindowHandle());
}

void TSkinManage::UpdateSkinControl(TSkinData&, framework::TComponent* parent, framework::TComponent* control) {
  TWinSkinForm* skinner = FrameSkinnerOfParent(parent);
  if (!skinner) return;
  auto* container = dynamic_cast<framework::TWinControl*>(control ? control : parent);
  if (container) skinner->InitControls(container);
}

void TSkinManage::UpdateMenu(TSkinData&, framework::TComponent* parent) {
  if (TWinSkinForm* skinner = FrameSkinnerOfParent(parent)) skinner->InitPopMenu(parent, true, true);
}

void TSkinManage::AddNestForm(TSkinData&, framework::TComponent* parent, framework::TComponent* nested) {
  TWinSkinForm* skinner = FrameSkinnerOfParent(parent);
  auto* form = dynamic_cast<framework::TWinControl*>(nested);
  if (!skinner || !form) return;
  auto* spy = new TWinSkinSpy(nested);
  spy->sf = skinner;
  skinner->InitNestform(form);
}

void TSkinManage::DeleteGraphicControl(TSkinData&, framework::TComponent* parent, framework::TComponent* control) {
  auto* windowed = dynamic_cast<framework::TWinControl*>(parent);
  if (!windowed || !windowed->HandleAllocated() || !control) return;
  for (const auto& frame : Flist) {
    if (frame->Hwnd != windowed->WindowHandle()) continue;
    for (TSkinControl* skinner : frame->Controls()) {
      if (static_cast<framework::TComponent*>(skinner->GControl) != control) continue;
      frame->DeleteControl(skinner);
      skinner->skinform = nullptr;
      TSkinControl::Release(skinner);
      break;
    }
  }
}

}  // namespace lanvero
