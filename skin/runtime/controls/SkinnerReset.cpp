// Replacing the skinner of a control whose window was re-created (a style
// change, or a scroll bar skinner asking for it): the old skinner belonged to
// a window that is gone. A scroll bar skinner's panels covered the old
// window's bars, so a new one of the same class attaches to the new window;
// any other control is discovered again, as when the form was first skinned.
#include <algorithm>

#include "framework/controls/WinControl.h"
#include "framework/forms/Form.h"
#include "skin/runtime/controls/ScrollbarSkinner.h"
#include "skin/runtime/frame/WinSkinForm.h"

namespace lanvero {

void TWinSkinForm::RediscoverControlOf(TSkinControl* gone) {
  framework::TWinControl* control = gone->control;
  if (gone->skinstate != kSkinnerWindowGone) return;  // still attached to a live window
  DeleteControl(gone);
  gone->skinform = nullptr;
  TSkinControl::Release(gone);
  if (control && FForm) AddComp(control, FForm);
}

void TWinSkinForm::RecreateSkinner(HWND controlWindow) {
  auto found = std::find_if(Controllist.rbegin(), Controllist.rend(),
                            [controlWindow](const TSkinControl* skinner) { return skinner->hwnd == controlWindow; });
  if (found == Controllist.rend()) return;
  auto* old = dynamic_cast<TSkinScrollbar*>(*found);
  if (!old) {
    RediscoverControlOf(*found);
    return;
  }
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
