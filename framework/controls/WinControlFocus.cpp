// Tab order and focus: the order the Tab key follows among windowed
// children, and which control takes the focus.
#include "framework/controls/WinControl.h"

#include <algorithm>

#include "framework/forms/Form.h"

namespace lanvero::framework {

int TWinControl::TabOrder() const {
  if (!parent_) return -1;
  const auto& list = parent_->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (IsLoading()) loadedTabOrder_ = order;
  if (!parent_) return;
  auto& list = parent_->tabList_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  order = std::clamp(order, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + order, this);
}

void TWinControl::SetTabStop(bool value) {
  tabStop_ = value;
  if (!handle_) return;
  LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
  style = value ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
  SetWindowLongPtrW(handle_, GWL_STYLE, style);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* control : tabList_) {
    list.push_back(control);
    control->GetTabOrderList(list);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward, bool checkTabStop,
                                          bool checkParent) const {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return nullptr;
  const int count = static_cast<int>(list.size());
  auto it = std::find(list.begin(), list.end(), current);
  int index = it == list.end() ? (forward ? count - 1 : 0) : static_cast<int>(it - list.begin());
  for (int step = 0; step < count; ++step) {
    index = (index + (forward ? 1 : count - 1)) % count;
    TWinControl* candidate = list[static_cast<size_t>(index)];
    if (candidate == current) break;
    if ((!checkTabStop || candidate->TabStop()) && (!checkParent || candidate->Parent() == this) &&
        candidate->CanFocus()) {
      return candidate;
    }
  }
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
  if (TWinControl* next = FindNextControl(current, forward, checkTabStop, false)) next->SetFocus();
}

bool TWinControl::CanFocus() const {
  for (const TControl* control = this; control; control = control->Parent()) {
    if (!control->Visible() || !control->Enabled()) return false;
  }
  return true;
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

void TWinControl::SetFocus() {
  if (TCustomForm* form = GetParentForm(this); form && form != this) {
    form->FocusControl(this);
  } else {
    ::SetFocus(Handle());
  }
}

}  // namespace lanvero::framework
