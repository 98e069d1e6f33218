// Combo boxes (system COMBOBOX) and list boxes (system LISTBOX). Their items
// live in the window once it exists and in a string list before.
#pragma once

#include <memory>

#include "framework/controls/WinControl.h"
#include "framework/core/Strings.h"

namespace lanvero::framework {

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList };

// The messages a list-like window understands for its items.
struct ItemMessages {
  UINT count, getTextLength, getText, addString, insertString, deleteString, reset, getCurSel, setCurSel;
};

class TCustomListControl : public TWinControl {
 public:
  TCustomListControl(TComponent* owner, const ItemMessages& messages);
  ~TCustomListControl() override;

  TStrings* Items() const { return items_.get(); }
  int ItemIndex() const;
  void SetItemIndex(int index);

 protected:
  void CreateHandleState() override;
  void DestroyWnd() override;

 private:
  // Members, not virtual functions: the base class destructor still needs them.
  ItemMessages messages_;
  std::unique_ptr<TStrings> items_;
  mutable int itemIndex_ = -1;
};

class TComboBox : public TCustomListControl {
 public:
  explicit TComboBox(TComponent* owner);
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  TComboBoxStyle ComboStyle() const { return style_; }
  void SetComboStyle(TComboBoxStyle style);
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int value) { dropDownCount_ = value; }
  std::wstring Text() const { return GetText(); }
  void SetTextProperty(const std::wstring& text) { SetText(text); }

  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;

 protected:
  void CreateParams(TCreateParams& params) override;
  void Dispatch(TMessage& message) override;

 private:
  TComboBoxStyle style_ = TComboBoxStyle::csDropDown;
  int dropDownCount_ = 8;
};

class TCustomListBox : public TCustomListControl {
 public:
  using TCustomListControl::TCustomListControl;
};

class TListBox : public TCustomListBox {
 public:
  explicit TListBox(TComponent* owner);
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  bool Sorted() const { return sorted_; }
  void SetSorted(bool value);
  int ItemHeight() const;

 protected:
  void CreateParams(TCreateParams& params) override;
  void Dispatch(TMessage& message) override;

 private:
  bool sorted_ = false;
};

}  // namespace lanvero::framework
