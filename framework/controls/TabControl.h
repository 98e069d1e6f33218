// A tab control without pages on the system tab control ("SysTabControl32"):
// one tab per line of Tabs; the program shows what belongs to the selected tab.
#pragma once

#include <functional>

#include "framework/controls/PageControl.h"
#include "framework/core/Strings.h"

namespace lanvero::framework {

class TTabControl : public TCustomTabControl {
 public:
  explicit TTabControl(TComponent* owner);
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  TStringList* Tabs() const { return &tabs_; }
  int TabIndex() const;
  void SetTabIndex(int index);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleState() override;
  void DestroyWnd() override;
  void TabSelected(int tab) override { tabIndex_ = tab; }

 private:
  // Rebuilds the window's tabs from Tabs and selects `selected` again.
  void UpdateTabs(int selected);
  mutable TStringList tabs_;
  mutable int tabIndex_ = -1;
};

}  // namespace lanvero::framework
