#include "framework/services/Timer.h"

#include "framework/core/ClassBuilder.h"

namespace lanvero::framework {

namespace {
constexpr UINT_PTR kTimerId = 1;
}

const ClassInfo& TTimer::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TTimer>("TTimer", &TComponent::StaticClassInfo())
                                    .Creatable()
                                    .Boolean("Enabled", &TTimer::Enabled, &TTimer::SetEnabled)
                                    .Integer("Interval", &TTimer::Interval, &TTimer::SetInterval)
                                    .Boolean("OneShot", &TTimer::OneShot, &TTimer::SetOneShot)
                                    .Event("OnTimer", &TTimer::OnTimer)
                                    .Build();
  return info;
}

TTimer::TTimer(TComponent* owner)
    : TComponent(owner), window_(std::make_unique<UtilityWindow>([this](UINT msg, WPARAM wParam, LPARAM, LRESULT&) {
        if (msg != WM_TIMER || wParam != kTimerId) return false;
        Tick();
        return true;
      })) {
  Restart();
}

void TTimer::Loaded() {
  TComponent::Loaded();
  Restart();
}

TTimer::~TTimer() {
  MarkDestroying();
  if (running_) KillTimer(window_->Handle(), kTimerId);
}

void TTimer::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  Restart();
}

void TTimer::SetInterval(unsigned milliseconds) {
  interval_ = milliseconds;
  Restart();
}

void TTimer::Restart() {
  if (running_) KillTimer(window_->Handle(), kTimerId);
  running_ = false;
  // OnTimer may be assigned later; a timer without a handler still runs,
  // so that assigning one takes effect without re-enabling.
  if (enabled_ && interval_ > 0 && !IsLoading())
    running_ = SetTimer(window_->Handle(), kTimerId, interval_, nullptr) != 0;
}

void TTimer::Tick() {
  if (oneShot_) SetEnabled(false);
  if (OnTimer) OnTimer(this);
}

}  // namespace lanvero::framework
