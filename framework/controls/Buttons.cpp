#include "framework/controls/Buttons.h"

#include <cwctype>

#include "framework/core/ClassBuilder.h"
#include "framework/forms/Form.h"

namespace lanvero::framework {

namespace {

const EnumInfo& CheckBoxStateEnum() {
  static const EnumInfo info{"TCheckBoxState", {"cbUnchecked", "cbChecked", "cbGrayed"}};
  return info;
}

}  // namespace

bool IsAccelerator(wchar_t key, const std::wstring& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != L'&') continue;
    if (caption[i + 1] == L'&') {
      ++i;
      continue;
    }
    return std::towupper(caption[i + 1]) == std::towupper(key);
  }
  return false;
}

// ----- TButtonControl -------------------------------------------------------

const ClassInfo& TButtonControl::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TButtonControl>("TButtonControl", &TWinControl::StaticClassInfo())
                                    .String("Caption", &TButtonControl::Caption, &TButtonControl::SetCaption)
                                    .Boolean("WordWrap", &TButtonControl::WordWrap, &TButtonControl::SetWordWrap)
                                    .Build();
  return info;
}

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetControlStyle(Style() & ~static_cast<uint32_t>(csClickEvents | csDoubleClicks));
}

void TButtonControl::SetWordWrap(bool value) {
  if (value == wordWrap_) return;
  wordWrap_ = value;
  RecreateWnd();
}

void TButtonControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.systemClass = L"BUTTON";
  if (wordWrap_) params.style |= BS_MULTILINE;
}

void TButtonControl::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND: return CNCommand(message);
    case CM_DIALOGCHAR: return CMDialogChar(message);
    default: return TWinControl::Dispatch(message);
  }
}

void TButtonControl::CNCommand(TMessage& message) {
  if (HIWORD(message.WParam) == BN_CLICKED) Click();
}

void TButtonControl::CMDialogChar(TMessage& message) {
  if (IsAccelerator(static_cast<wchar_t>(message.WParam), Caption()) && CanFocus()) {
    SetFocus();
    Click();
    message.Result = 1;
  }
}

// ----- TButton --------------------------------------------------------------

const ClassInfo& TButton::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TButton>("TButton", &TButtonControl::StaticClassInfo())
                                    .Creatable()
                                    .Boolean("Default", &TButton::Default, &TButton::SetDefault)
                                    .Boolean("Cancel", &TButton::Cancel, &TButton::SetCancel)
                                    .Integer("ModalResult", &TButton::ModalResult, &TButton::SetModalResult)
                                    .Build();
  return info;
}

TButton::TButton(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 75, 25); }

void TButton::CreateParams(TCreateParams& params) {
  TButtonControl::CreateParams(params);
  params.style |= active_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool value) {
  default_ = value;
  // The frame follows at once when no other button holds the focus.
  TCustomForm* form = GetParentForm(this);
  TWinControl* focused = form ? form->ActiveControl() : nullptr;
  if (!dynamic_cast<TButton*>(focused) || focused == this) SetButtonStyle(value || focused == this);
}

void TButton::SetButtonStyle(bool active) {
  active_ = active;
  if (!HandleAllocated()) return;
  if (OwnerDrawn()) {
    Invalidate();
  } else {
    SendToWindow(BM_SETSTYLE, active ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
  }
}

void TButton::Click() {
  if (TCustomForm* form = GetParentForm(this); form && modalResult_ != 0) form->SetModalResult(modalResult_);
  TButtonControl::Click();
}

void TButton::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CM_DIALOGKEY: return CMDialogKey(message);
    case CM_FOCUSCHANGED: return CMFocusChanged(message);
    default: return TButtonControl::Dispatch(message);
  }
}

void TButton::CMDialogKey(TMessage& message) {
  const auto key = static_cast<WORD>(message.WParam);
  const bool noShift = GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0;
  if (((key == VK_RETURN && active_) || (key == VK_ESCAPE && cancel_)) && noShift && CanFocus()) {
    Click();
    message.Result = 1;
    return;
  }
  TButtonControl::Dispatch(message);
}

void TButton::CMFocusChanged(TMessage& message) {
  auto* focused = reinterpret_cast<TWinControl*>(message.LParam);
  SetButtonStyle(focused == this || (default_ && !dynamic_cast<TButton*>(focused)));
  TButtonControl::Dispatch(message);
}

// ----- TCheckBox ------------------------------------------------------------

const ClassInfo& TCheckBox::StaticClassInfo() {
  static const ClassInfo info =
      ClassBuilder<TCheckBox>("TCheckBox", &TButtonControl::StaticClassInfo())
          .Creatable()
          .Boolean("Checked", &TCheckBox::Checked, &TCheckBox::SetChecked)
          .Enumeration("State", CheckBoxStateEnum(), &TCheckBox::State, &TCheckBox::SetState)
          .Boolean("AllowGrayed", &TCheckBox::AllowGrayed, &TCheckBox::SetAllowGrayed)
          .Enumeration("Alignment", AlignmentEnum(), &TCheckBox::Alignment, &TCheckBox::SetAlignment)
          .Build();
  return info;
}

TCheckBox::TCheckBox(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 97, 17); }

void TCheckBox::CreateParams(TCreateParams& params) {
  TButtonControl::CreateParams(params);
  params.style |= BS_3STATE;
  if (alignment_ == TAlignment::taLeftJustify) params.style |= BS_LEFTTEXT;
}

void TCheckBox::CreateHandleState() {
  TButtonControl::CreateHandleState();
  SendToWindow(BM_SETCHECK, static_cast<WPARAM>(state_), 0);
}

TCheckBoxState TCheckBox::State() const {
  if (HandleAllocated()) state_ = static_cast<TCheckBoxState>(SendToWindow(BM_GETCHECK, 0, 0));
  return state_;
}

void TCheckBox::SetState(TCheckBoxState state) {
  if (state == State()) return;
  state_ = state;
  SendToWindow(BM_SETCHECK, static_cast<WPARAM>(state), 0);
  if (!IsLoading()) Click();
}

void TCheckBox::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  RecreateWnd();
}

void TCheckBox::CNCommand(TMessage& message) {
  if (HIWORD(message.WParam) != BN_CLICKED) return;
  // The box is BS_3STATE so that the framework decides the next state.
  switch (State()) {
    case TCheckBoxState::cbUnchecked:
      SetState(allowGrayed_ ? TCheckBoxState::cbGrayed : TCheckBoxState::cbChecked);
      break;
    case TCheckBoxState::cbChecked: SetState(TCheckBoxState::cbUnchecked); break;
    case TCheckBoxState::cbGrayed: SetState(TCheckBoxState::cbChecked); break;
  }
}

// ----- TRadioButton ---------------------------------------------------------

const ClassInfo& TRadioButton::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TRadioButton>("TRadioButton", &TButtonControl::StaticClassInfo())
                                    .Creatable()
                                    .Boolean("Checked", &TRadioButton::Checked, &TRadioButton::SetChecked)
                                    .Build();
  return info;
}

TRadioButton::TRadioButton(TComponent* owner) : TButtonControl(owner) { SetBounds(0, 0, 113, 17); }

void TRadioButton::CreateParams(TCreateParams& params) {
  TButtonControl::CreateParams(params);
  params.style |= BS_RADIOBUTTON;
}

void TRadioButton::CreateHandleState() {
  TButtonControl::CreateHandleState();
  SendToWindow(BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool TRadioButton::Checked() const {
  if (HandleAllocated()) checked_ = SendToWindow(BM_GETCHECK, 0, 0) == BST_CHECKED;
  return checked_;
}

void TRadioButton::SetChecked(bool value) {
  if (value == Checked()) return;
  checked_ = value;
  SendToWindow(BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
  if (!value) return;
  if (Parent()) {
    for (TControl* sibling : Parent()->ControlList()) {
      if (auto* radio = dynamic_cast<TRadioButton*>(sibling); radio && radio != this) radio->SetChecked(false);
    }
  }
  if (!IsLoading()) Click();
}

void TRadioButton::CNCommand(TMessage& message) {
  if (HIWORD(message.WParam) == BN_CLICKED) SetChecked(true);
}

}  // namespace lanvero::framework
