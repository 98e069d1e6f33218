// A list box with a check box in front of every item (TCheckListBox): an
// owner-drawn system list box whose items keep their check state, and
// whether they can be checked, in the window's item data. A click on the
// box or Space toggles the item and raises OnClickCheck.
#pragma once

#include <cstdint>
#include <vector>

#include "framework/controls/Buttons.h"
#include "framework/controls/ListControls.h"
#include "framework/graphics/Canvas.h"

namespace lanvero::framework {

class TCheckListBox : public TListBox {
 public:
  explicit TCheckListBox(TComponent* owner);
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  bool Checked(int index) const { return State(index) == TCheckBoxState::cbChecked; }
  void SetChecked(int index, bool value);
  TCheckBoxState State(int index) const;
  void SetState(int index, TCheckBoxState state);
  // A disabled item is drawn greyed and cannot be toggled by the user.
  bool ItemEnabled(int index) const;
  void SetItemEnabled(int index, bool value);
  // Toggling goes through the grayed state as well.
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool value) { allowGrayed_ = value; }
  // The width of the check box column at the start of every item.
  static int CheckColumnWidth();

  TNotifyEvent OnClickCheck;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleState() override;
  void DestroyWnd() override;
  void Dispatch(TMessage& message) override;
  void CNDrawItem(TMessage& message);
  void CNMeasureItem(TMessage& message);
  void WMLButtonDown(TMessage& message);
  void WMKeyDown(TMessage& message);

 private:
  // The user's toggle of one item: next state, then OnClickCheck.
  void ToggleClickCheck(int index);
  uint32_t ItemFlags(int index) const;
  void SetItemFlags(int index, uint32_t flags);
  void DrawCheck(TCanvas& canvas, const RECT& itemRect, int index) const;

  bool allowGrayed_ = false;
  // Item flags while there is no window (the window keeps them otherwise).
  mutable std::vector<uint32_t> savedFlags_;
  TCanvas canvas_;
};

}  // namespace lanvero::framework
