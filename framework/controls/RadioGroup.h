// A radio group: a group box (system BUTTON) holding one radio button per
// line of Items, laid out in Columns; ItemIndex is the checked one.
#pragma once

#include <memory>
#include <vector>

#include "framework/controls/Buttons.h"
#include "framework/controls/Containers.h"
#include "framework/core/Strings.h"

namespace lanvero::framework {

class TRadioGroup : public TCustomGroupBox {
 public:
  explicit TRadioGroup(TComponent* owner);
  ~TRadioGroup() override;
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  TStringList* Items() const { return &items_; }
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  int Columns() const { return columns_; }
  void SetColumns(int value);
  // The radio button of line `index` of Items.
  TRadioButton* Button(int index) const { return buttons_.at(static_cast<size_t>(index)).get(); }
  void Loaded() override;

 protected:
  void AlignControls(RECT& rect) override;

 private:
  void RebuildButtons();
  void RemoveButtons();
  void ButtonClicked(int index);
  mutable TStringList items_;
  std::vector<std::unique_ptr<TRadioButton>> buttons_;
  int itemIndex_ = -1;
  int columns_ = 1;
};

}  // namespace lanvero::framework
