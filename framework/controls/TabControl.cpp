#include "framework/controls/TabControl.h"

#include <commctrl.h>

#include "framework/core/ClassBuilder.h"

namespace lanvero::framework {

const ClassInfo& TTabControl::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TTabControl>("TTabControl", &TCustomTabControl::StaticClassInfo())
                                    .Creatable()
                                    .Object("Tabs", &TTabControl::Tabs)
                                    .Integer("TabIndex", &TTabControl::TabIndex, &TTabControl::SetTabIndex)
                                    .Event("OnChange", &TTabControl::OnChange)
                                    .Event("OnChanging", &TTabControl::OnChanging)
                                    .Build();
  return info;
}

TTabControl::TTabControl(TComponent* owner) : TCustomTabControl(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 289, 193);
  tabs_.OnChange = [this] { UpdateTabs(TabIndex()); };
}

void TTabControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.systemClass = WC_TABCONTROLW;
  params.style |= WS_CLIPCHILDREN;
}

void TTabControl::CreateHandleState() {
  TWinControl::CreateHandleState();
  UpdateTabs(tabIndex_);
}

void TTabControl::DestroyWnd() {
  tabIndex_ = TabIndex();  // the selection moves to the next window
  TCustomTabControl::DestroyWnd();
}

int TTabControl::TabIndex() const {
  if (HandleAllocated()) tabIndex_ = static_cast<int>(SendToWindow(TCM_GETCURSEL, 0, 0));
  return tabIndex_;
}

void TTabControl::SetTabIndex(int index) {
  // Only the tabs that exist can be selected; anything else selects none.
  // While a layout loads, the tabs may still follow.
  tabIndex_ = IsLoading() || (index >= 0 && index < tabs_.Count()) ? index : -1;
  if (HandleAllocated()) SendToWindow(TCM_SETCURSEL, static_cast<WPARAM>(tabIndex_), 0);
}

void TTabControl::UpdateTabs(int selected) {
  if (!HandleAllocated()) {
    if (!IsLoading() && tabIndex_ >= tabs_.Count()) tabIndex_ = -1;
    return;
  }
  SendToWindow(TCM_DELETEALLITEMS, 0, 0);
  for (int i = 0; i < tabs_.Count(); ++i) {
    std::wstring caption = tabs_.Get(i);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    SendToWindow(TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
  SetTabIndex(selected);
}

}  // namespace lanvero::framework
