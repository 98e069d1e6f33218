// The small pop-up window that shows a hint text near the mouse. It never
// takes the focus or the mouse.
#pragma once

#include "framework/controls/GraphicControl.h"

namespace lanvero::framework {

class THintWindow : public TCustomControl {
 public:
  explicit THintWindow(TComponent* owner);
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  // The window rectangle (at the origin) the text needs, wrapped at maxWidth.
  RECT CalcHintRect(int maxWidth, const std::wstring& hint);
  // Shows the hint in `rect` (screen coordinates) without activating it.
  void ActivateHint(const RECT& rect, const std::wstring& hint);
  void ReleaseHint();
  bool Showing() const override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void Dispatch(TMessage& message) override;
  void Paint() override;

 private:
  static constexpr UINT kTextFlags = DT_LEFT | DT_WORDBREAK | DT_NOPREFIX;
};

}  // namespace lanvero::framework
