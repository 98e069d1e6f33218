// A date or time picker on the system date and time picker
// ("SysDateTimePick32"). Layouts give the value as text: Date as
// "yyyy-mm-dd", Time as "hh:mm:ss".
#pragma once

#include <string>

#include "framework/controls/WinControl.h"

namespace lanvero::framework {

enum class TDateTimeKind { dtkDate, dtkTime };

class TDateTimePicker : public TWinControl {
 public:
  explicit TDateTimePicker(TComponent* owner);
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  SYSTEMTIME DateTime() const;
  void SetDateTime(const SYSTEMTIME& value);
  std::wstring Date() const;
  // Throws FrameworkError for text that is no valid date.
  void SetDate(const std::wstring& text);
  std::wstring Time() const;
  // Throws FrameworkError for text that is no valid time of day.
  void SetTime(const std::wstring& text);
  TDateTimeKind Kind() const { return kind_; }
  void SetKind(TDateTimeKind kind);

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleState() override;
  void Dispatch(TMessage& message) override;

 private:
  mutable SYSTEMTIME value_{};
  TDateTimeKind kind_ = TDateTimeKind::dtkDate;
};

}  // namespace lanvero::framework
