// Timers: a periodic or one-shot tick on the user-interface thread. The
// system timer lives exactly as long as the timer is enabled and the object
// exists.
#pragma once

#include <memory>

#include "framework/controls/Control.h"
#include "framework/services/UtilityWindow.h"

namespace lanvero::framework {

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner);
  ~TTimer() override;
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  unsigned Interval() const { return interval_; }
  // Changing the interval of a running timer starts its period again.
  void SetInterval(unsigned milliseconds);
  // A one-shot timer disables itself before it raises OnTimer.
  bool OneShot() const { return oneShot_; }
  void SetOneShot(bool value) { oneShot_ = value; }

  TNotifyEvent OnTimer;
  void Loaded() override;

 private:
  void Restart();
  void Tick();
  std::unique_ptr<UtilityWindow> window_;
  bool enabled_ = true;
  bool oneShot_ = false;
  bool running_ = false;
  unsigned interval_ = 1000;
};

}  // namespace lanvero::framework
