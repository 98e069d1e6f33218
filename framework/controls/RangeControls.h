// Controls showing a position in a range: scroll bar (system SCROLLBAR),
// progress bar ("msctls_progress32") and track bar ("msctls_trackbar32").
#pragma once

#include "framework/controls/WinControl.h"

namespace lanvero::framework {

enum class TScrollBarKind { sbHorizontal, sbVertical };
enum class TOrientation { trHorizontal, trVertical };
enum class TScrollCode {
  scLineUp,
  scLineDown,
  scPageUp,
  scPageDown,
  scPosition,
  scTrack,
  scTop,
  scBottom,
  scEndScroll
};

class TScrollBar : public TWinControl {
 public:
  explicit TScrollBar(TComponent* owner);
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind kind);
  int Min() const { return min_; }
  void SetMin(int value) { SetParams(position_, value, max_); }
  int Max() const { return max_; }
  void SetMax(int value) { SetParams(position_, min_, value); }
  int Position() const { return position_; }
  void SetPosition(int value) { SetParams(value, min_, max_); }
  int PageSize() const { return pageSize_; }
  void SetPageSize(int value);
  int SmallChange() const { return smallChange_; }
  void SetSmallChange(int value) { smallChange_ = value; }
  int LargeChange() const { return largeChange_; }
  void SetLargeChange(int value) { largeChange_ = value; }
  void SetParams(int position, int min, int max);

  TNotifyEvent OnChange;
  std::function<void(TObject* sender, TScrollCode code, int& position)> OnScroll;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleState() override;
  void Dispatch(TMessage& message) override;
  void CNScroll(TMessage& message);

 private:
  void ApplyScrollInfo();
  TScrollBarKind kind_ = TScrollBarKind::sbHorizontal;
  int min_ = 0, max_ = 100, position_ = 0, pageSize_ = 0, smallChange_ = 1, largeChange_ = 1;
};

// A window that shows a position between a minimum and a maximum; the
// derived class says how the window is told about them.
class TPositionControl : public TWinControl {
 public:
  explicit TPositionControl(TComponent* owner) : TWinControl(owner) {}

  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  int Position() const;
  void SetPosition(int value);
  TOrientation Orientation() const { return orientation_; }
  void SetOrientation(TOrientation orientation);

  TNotifyEvent OnChange;

 protected:
  void CreateHandleState() override;
  virtual void SendRange() = 0;
  virtual void SendPosition() = 0;
  virtual int ReadPosition() const = 0;

  int min_ = 0, max_ = 100;
  mutable int position_ = 0;
  TOrientation orientation_ = TOrientation::trHorizontal;
};

class TProgressBar : public TPositionControl {
 public:
  explicit TProgressBar(TComponent* owner);
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  int Step() const { return step_; }
  void SetStep(int value) { step_ = value; }
  void StepIt() { SetPosition(Position() + step_); }
  bool Smooth() const { return smooth_; }
  void SetSmooth(bool value);

 protected:
  void CreateParams(TCreateParams& params) override;
  void SendRange() override;
  void SendPosition() override;
  int ReadPosition() const override;

 private:
  int step_ = 10;
  bool smooth_ = false;
};

class TTrackBar : public TPositionControl {
 public:
  explicit TTrackBar(TComponent* owner);
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  int Frequency() const { return frequency_; }
  void SetFrequency(int value);

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleState() override;
  void Dispatch(TMessage& message) override;
  void SendRange() override;
  void SendPosition() override;
  int ReadPosition() const override;

 private:
  int frequency_ = 1;
};

}  // namespace lanvero::framework
