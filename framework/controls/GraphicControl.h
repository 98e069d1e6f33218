// Controls without a window of their own (TGraphicControl), painted by their
// parent and hit-tested by it for the mouse and the cursor; and windowed
// controls that paint themselves on a canvas (TCustomControl).
#pragma once

#include <memory>

#include "framework/controls/WinControl.h"
#include "framework/graphics/Canvas.h"

namespace lanvero::framework {

class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* owner);
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  // Valid while the control paints (attached to its parent's DC).
  TCanvas& Canvas() { return canvas_; }

 protected:
  void Dispatch(TMessage& message) override;
  // WParam holds the parent's DC, already moved to the control's origin.
  void WMPaint(TMessage& message);
  virtual void Paint() {}

 private:
  TCanvas canvas_;
};

class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* owner);
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  TCanvas& Canvas() { return canvas_; }

 protected:
  void WMPaint(TMessage& message) override;
  virtual void Paint() {}

 private:
  TCanvas canvas_;
};

}  // namespace lanvero::framework
