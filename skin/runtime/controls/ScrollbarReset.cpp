// Replacing the scroll bar skinner of a control whose window was
// re-created: the old skinner's panels covered bars of a window that is
// gone, so a new skinner of the same class attaches to the new window.
#include <algorithm>

#include "framework/controls/WinControl.h"
#include "skin/runtime/controls/ScrollbarSkinner.h"
#include "skin/runtime/frame/WinSkinForm.h"

namespace lanvero {

void TWinSkinForm::RecreateScrollbarSkinner(HWND controlWindow) {
  auto found = std::find_if(Controllist.rbegin(), Controllist.rend(),
                            [controlWindow](const TSkinControl* skinner) { return skinner->hwnd == controlWindow; });
  if (found == Controllist.rend()) return;
  auto* old = dynamic_cast<TSkinScrollbar*>(*found);
  if (!old) return;
  if (old->InCall()) {
    // The request arrived inside the old skinner's own message handling
    // (the native bar's tracking loop of a press): its control's message
    // handler cannot be taken from under it now.
    old->ReplaceWhenIdle();
    return;
  }
  framework::TWinControl* control = old->control;
  const SkinnerClass cls = dynamic_cast<TSkinListView*>(old) ? SkinnerClass::ListView : SkinnerClass::Scrollbar;
  DeleteControl(old);
  old->LetGoOfControl();
  old->skinform = nullptr;
  TSkinControl::Release(old);
  if (!control) return;
  AttachScroll(cls, control, {});
}

}  // namespace lanvero
