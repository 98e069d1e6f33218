// An up-down control on the system up-down ("msctls_updown32"): arrows that
// step a position between Min and Max, optionally shown in an associated
// edit (its buddy) as a number.
#pragma once

#include "framework/controls/RangeControls.h"

namespace lanvero::framework {

enum class TUDOrientation { udHorizontal, udVertical };

class TUpDown : public TPositionControl {
 public:
  explicit TUpDown(TComponent* owner);
  ~TUpDown() override;
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  TUDOrientation UDOrientation() const;
  void SetUDOrientation(TUDOrientation orientation);
  TWinControl* Associate() const { return associate_; }
  void SetAssociate(TWinControl* control);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleState() override;
  void Dispatch(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  void SendRange() override;
  void SendPosition() override;
  int ReadPosition() const override;

 private:
  void SendBuddy();
  TWinControl* associate_ = nullptr;
};

}  // namespace lanvero::framework
