// Push buttons, check boxes and radio buttons on the system BUTTON class.
#pragma once

#include "framework/controls/WinControl.h"

namespace lanvero::framework {

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

// Shared by the button family: caption, click through BN_CLICKED, and the
// accelerator character of the caption (&x).
class TButtonControl : public TWinControl {
 public:
  explicit TButtonControl(TComponent* owner);
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  std::wstring Caption() const { return GetText(); }
  void SetCaption(const std::wstring& caption) { SetText(caption); }
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);

 protected:
  void CreateParams(TCreateParams& params) override;
  void Dispatch(TMessage& message) override;
  virtual void CNCommand(TMessage& message);
  void CMDialogChar(TMessage& message);

 private:
  bool wordWrap_ = false;
};

class TButton : public TButtonControl {
 public:
  explicit TButton(TComponent* owner);
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  // The default button is pressed by Enter anywhere in its form unless
  // another button has the focus; the cancel button by Escape.
  bool Default() const { return default_; }
  void SetDefault(bool value);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool value) { cancel_ = value; }
  // Whether the button now shows the default-button frame.
  bool Active() const { return active_; }
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int value) { modalResult_ = value; }

  void Click() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void Dispatch(TMessage& message) override;
  void CMDialogKey(TMessage& message);
  void CMFocusChanged(TMessage& message);
  // Buttons drawn by the framework keep their style and repaint instead.
  virtual bool OwnerDrawn() const { return false; }

 private:
  void SetButtonStyle(bool active);
  bool default_ = false;
  bool cancel_ = false;
  bool active_ = false;
  int modalResult_ = 0;
};

class TCheckBox : public TButtonControl {
 public:
  explicit TCheckBox(TComponent* owner);
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  bool Checked() const { return State() == TCheckBoxState::cbChecked; }
  void SetChecked(bool value) { SetState(value ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked); }
  TCheckBoxState State() const;
  void SetState(TCheckBoxState state);
  bool AllowGrayed() const { return allowGrayed_; }
  void SetAllowGrayed(bool value) { allowGrayed_ = value; }
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleState() override;
  void CNCommand(TMessage& message) override;

 private:
  mutable TCheckBoxState state_ = TCheckBoxState::cbUnchecked;
  bool allowGrayed_ = false;
  TAlignment alignment_ = TAlignment::taRightJustify;
};

class TRadioButton : public TButtonControl {
 public:
  explicit TRadioButton(TComponent* owner);
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  bool Checked() const;
  // Checking a radio button unchecks the others of the same parent.
  void SetChecked(bool value);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleState() override;
  void CNCommand(TMessage& message) override;

 private:
  mutable bool checked_ = false;
};

// True when `key` is the accelerator (&x) of `caption`, ignoring case.
bool IsAccelerator(wchar_t key, const std::wstring& caption);

}  // namespace lanvero::framework
