#include "framework/controls/UpDown.h"

#include <commctrl.h>

#include "framework/core/ClassBuilder.h"

namespace lanvero::framework {

namespace {

const EnumInfo& UDOrientationEnum() {
  static const EnumInfo info{"TUDOrientation", {"udHorizontal", "udVertical"}};
  return info;
}

}  // namespace

const ClassInfo& TUpDown::StaticClassInfo() {
  static const ClassInfo info =
      ClassBuilder<TUpDown>("TUpDown", &TWinControl::StaticClassInfo())
          .Creatable()
          .Integer("Min", &TUpDown::Min, &TUpDown::SetMin)
          .Integer("Max", &TUpDown::Max, &TUpDown::SetMax)
          .Integer("Position", &TUpDown::Position, &TUpDown::SetPosition)
          .Enumeration("Orientation", UDOrientationEnum(), &TUpDown::UDOrientation, &TUpDown::SetUDOrientation)
          .Reference("Associate", &TUpDown::Associate, &TUpDown::SetAssociate)
          .Event("OnChange", &TUpDown::OnChange)
          .Build();
  return info;
}

TUpDown::TUpDown(TComponent* owner) : TPositionControl(owner) {
  orientation_ = TOrientation::trVertical;
  SetBounds(0, 0, 17, 25);
}

TUpDown::~TUpDown() { SetAssociate(nullptr); }

TUDOrientation TUpDown::UDOrientation() const {
  return orientation_ == TOrientation::trVertical ? TUDOrientation::udVertical : TUDOrientation::udHorizontal;
}

void TUpDown::SetUDOrientation(TUDOrientation orientation) {
  SetOrientation(orientation == TUDOrientation::udVertical ? TOrientation::trVertical : TOrientation::trHorizontal);
}

void TUpDown::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.systemClass = UPDOWN_CLASSW;
  params.style |= UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
  if (orientation_ == TOrientation::trHorizontal) params.style |= UDS_HORZ;
}

void TUpDown::CreateHandleState() {
  TPositionControl::CreateHandleState();
  SendBuddy();
}

void TUpDown::SendRange() { SendToWindow(UDM_SETRANGE32, static_cast<WPARAM>(min_), static_cast<LPARAM>(max_)); }

void TUpDown::SendPosition() { SendToWindow(UDM_SETPOS32, 0, static_cast<LPARAM>(position_)); }

int TUpDown::ReadPosition() const { return static_cast<int>(SendToWindow(UDM_GETPOS32, 0, 0)); }

void TUpDown::SetAssociate(TWinControl* control) {
  if (control == this) return;  // an up-down cannot be its own buddy
  if (associate_) associate_->RemoveFreeNotification(this);
  associate_ = control;
  if (associate_) associate_->FreeNotification(this);
  SendBuddy();
}

void TUpDown::SendBuddy() {
  if (!HandleAllocated()) return;
  // The buddy needs its window; it shows the position from now on.
  HWND buddy = associate_ ? associate_->Handle() : nullptr;
  SendToWindow(UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
  if (buddy) SendPosition();
}

void TUpDown::Notification(TComponent* component, TOperation operation) {
  TPositionControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == associate_) {
    associate_ = nullptr;
    if (HandleAllocated()) SendToWindow(UDM_SETBUDDY, 0, 0);
  }
}

void TUpDown::Dispatch(TMessage& message) {
  if (message.Msg == CN_HSCROLL || message.Msg == CN_VSCROLL) {
    // An arrow was pressed: the window holds the new position already.
    const int before = position_;
    if (Position() != before && OnChange) OnChange(this);
    return;
  }
  TPositionControl::Dispatch(message);
}

}  // namespace lanvero::framework
