#include "framework/controls/RadioGroup.h"

#include <algorithm>

#include "framework/core/ClassBuilder.h"

namespace lanvero::framework {

const ClassInfo& TRadioGroup::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TRadioGroup>("TRadioGroup", &TCustomGroupBox::StaticClassInfo())
                                    .Creatable()
                                    .Object("Items", &TRadioGroup::Items)
                                    .Integer("ItemIndex", &TRadioGroup::ItemIndex, &TRadioGroup::SetItemIndex)
                                    .Integer("Columns", &TRadioGroup::Columns, &TRadioGroup::SetColumns)
                                    .Event("OnClick", &TRadioGroup::OnClick)
                                    .Build();
  return info;
}

TRadioGroup::TRadioGroup(TComponent* owner) : TCustomGroupBox(owner) {
  // The buttons come from Items only; a layout cannot put other controls in.
  SetControlStyle(Style() & ~csAcceptsControls);
  items_.OnChange = [this] { RebuildButtons(); };
}

TRadioGroup::~TRadioGroup() {
  MarkDestroying();
  RemoveButtons();
}

void TRadioGroup::RemoveButtons() {
  // Taken out of the group while still whole, so that the group forgets them
  // as windowed controls (its tab order too) before they go.
  for (auto& button : buttons_) button->SetParent(nullptr);
  buttons_.clear();
}

void TRadioGroup::RebuildButtons() {
  RemoveButtons();
  for (int i = 0; i < items_.Count(); ++i) {
    auto button = std::make_unique<TRadioButton>(nullptr);
    button->SetCaption(items_.Get(i));
    button->OnClick = [this, i](TObject*) { ButtonClicked(i); };
    button->SetParent(this);
    buttons_.push_back(std::move(button));
  }
  if (itemIndex_ >= items_.Count() && !IsLoading()) itemIndex_ = -1;
  if (itemIndex_ >= 0 && itemIndex_ < items_.Count()) Button(itemIndex_)->SetChecked(true);
  Realign();
}

void TRadioGroup::Loaded() {
  TCustomGroupBox::Loaded();
  SetItemIndex(itemIndex_);  // ItemIndex may have come before Items
}

void TRadioGroup::SetItemIndex(int index) {
  if (IsLoading()) {
    itemIndex_ = index;
    return;
  }
  // Only existing lines can be checked; anything else checks none.
  itemIndex_ = index >= 0 && index < items_.Count() ? index : -1;
  for (int i = 0; i < static_cast<int>(buttons_.size()); ++i) Button(i)->SetChecked(i == itemIndex_);
}

void TRadioGroup::SetColumns(int value) {
  columns_ = std::clamp(value, 1, 16);
  Realign();
}

void TRadioGroup::ButtonClicked(int index) {
  // Only a change of the checked line is news; checking the current one again
  // (by ItemIndex or a rebuild) is not.
  if (IsDestroying() || index == itemIndex_) return;
  itemIndex_ = index;
  if (!IsLoading()) Click();
}

void TRadioGroup::AlignControls(RECT& rect) {
  TCustomGroupBox::AlignControls(rect);
  if (buttons_.empty()) return;
  const int count = static_cast<int>(buttons_.size());
  const int rows = (count + columns_ - 1) / columns_;
  const int width = (rect.right - rect.left) / columns_;
  const int height = (rect.bottom - rect.top) / rows;
  for (int i = 0; i < count; ++i) {
    // Column by column, top to bottom, as the eye reads a list.
    const int column = i / rows, row = i % rows;
    Button(i)->SetBounds(rect.left + column * width + 8, rect.top + row * height, width - 8, height);
  }
}

}  // namespace lanvero::framework
