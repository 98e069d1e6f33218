// The children of a windowed control: inserting and removing them (with
// their place in the tab order), finding the one at a point, broadcasting.
#include "framework/controls/WinControl.h"

#include <algorithm>

namespace lanvero::framework {

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  control->parent_ = this;
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) tabList_.push_back(windowed);
  control->Perform(CM_PARENTFONTCHANGED);
  control->Perform(CM_PARENTCOLORCHANGED);
  if (control->ParentBiDiMode() && control->BiDiMode() != BiDiMode()) control->SetParentBiDiMode(true);
  if (auto* windowed = dynamic_cast<TWinControl*>(control); windowed && handle_) windowed->HandleNeeded();
  control->InvalidateControl(true);
  ControlInserted(control);
  if (control->Align() != TAlign::alNone) Realign();
}

void TWinControl::RemoveControl(TControl* control) {
  // The tab list is searched by address: a control on its way out of its
  // destructor no longer casts to a windowed control, yet must not stay listed.
  std::erase_if(tabList_,
                [control](const TWinControl* entry) { return static_cast<const TControl*>(entry) == control; });
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    windowed->DestroyHandle();
  } else {
    control->InvalidateControl(true);
  }
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
  control->parent_ = nullptr;
  if (mouseCaptureControl_ == control) mouseCaptureControl_ = nullptr;
  ControlRemoved(control);
  if (control->Align() != TAlign::alNone) Realign();
}

bool TWinControl::ContainsControl(const TControl* control) const {
  for (; control; control = control->Parent()) {
    if (control == this) return true;
  }
  return false;
}

TControl* TWinControl::ControlAtPos(POINT point, bool allowDisabled, bool allowWinControls) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* control = *it;
    if (control->IsWindowed() && !allowWinControls) continue;
    if (!control->Visible() || (!control->Enabled() && !allowDisabled)) continue;
    const RECT bounds = control->BoundsRect();
    if (!PtInRect(&bounds, point)) continue;
    const POINT local{point.x - control->Left(), point.y - control->Top()};
    if (control->Perform(CM_HITTEST, 0, MAKELPARAM(local.x, local.y)) != 0) return control;
  }
  return nullptr;
}

void TWinControl::Broadcast(TMessage& message) {
  for (TControl* control : std::vector<TControl*>(controls_)) {
    message.Result = control->Perform(message.Msg, message.WParam, message.LParam);
    if (message.Result != 0) return;
  }
}

}  // namespace lanvero::framework
