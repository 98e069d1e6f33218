#pragma once
// TWScrollbar: the overlay panel of one scroll bar. A small child window
// placed exactly over a native scroll bar (a window's horizontal or
// vertical bar, or a scroll bar control), painted from the skin. Every
// press is handed straight to the native bar, so the system keeps doing
// the scrolling, the auto-repeat and the thumb tracking; the panel only
// follows what the bar reports.
//
// The skinner that made a panel holds it in a ScrollbarPanel: letting go
// detaches the panel from the skinner at once and frees it when its own
// running press (the native tracking loop) has returned.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>

#include "framework/controls/GraphicControl.h"
#include "skin/runtime/controls/ScrollbarPanelPicture.h"
#include "skin/runtime/geometry/ScrollbarGeometry.h"
#include "skin/runtime/tracking/CallDepth.h"

namespace lanvero {

class TSkinControl;

// sbType values.
inline constexpr uint8_t kWindowHorzBar = 0;
inline constexpr uint8_t kWindowVertBar = 1;
inline constexpr uint8_t kScrollBarControl = 2;

class TWScrollbar : public framework::TCustomControl, public CallDepthCounted {
 public:
  explicit TWScrollbar(framework::TComponent* AOwner);
  static const framework::ClassInfo& StaticClassInfo();
  const framework::ClassInfo& ClassType() const override { return StaticClassInfo(); }

  // Cover bar `aType` of a framework control, or of a raw window.
  void Attach(TSkinControl* aobj, framework::TWinControl* aControl, uint8_t aType);
  void AttachHwnd(TSkinControl* aobj, HWND ahwnd, uint8_t aType);
  // Follow the native bar: placed over it and shown, or hidden.
  void SetPosition(HWND ahwnd);
  void HideScrollbar();
  void ButtonUp();
  // Paint again now when the bar no longer looks as the panel shows it
  // (the thumb moved, a part turned hot or pressed, the skin changed).
  void RepaintBar();
  // The skinner lets go: the panel calls nothing of it any more.
  void Detach();

  int32_t Len = 0;
  int32_t thumbTop = 0;
  int32_t thumbbottom = 0;
  POINT OffsetSC{};
  POINT trackp{};
  int32_t trackthumb = 0;
  bool fdown = false;
  int32_t sbDir = 0;  // 0 horizontal, 1 vertical
  int32_t scrollpos = kPartNone;
  int32_t CW = 0;
  HWND hwnd = nullptr;
  framework::TWinControl* control = nullptr;
  TSkinControl* obj = nullptr;
  uint8_t sbType = kWindowHorzBar;
  RECT sbRect{};
  bool sbVisible = false;

 protected:
  void CreateParams(framework::TCreateParams& params) override;
  void WndProc(framework::TMessage& message) override;

 private:
  // The native bar's rectangle (screen coordinates for window bars, parent
  // coordinates for a control) and thumb; false when it cannot be read.
  bool ReadBar(RECT& bar, ThumbExtent& thumb, bool& shown, bool& enabled);
  bool ControlScrollInfo(RECT& bar, ThumbExtent& thumb);
  ScrollPart HitPart(LPARAM point) const;
  void TrackThumb();
  void MouseMoved(LPARAM point);
  void MouseLeft();
  void Press(const framework::TMessage& message);
  void Release(const framework::TMessage& message);
  // What the panel shows of the bar now; nothing when the bar cannot be
  // read or drawn, or does not fit the panel. `barShown` false: the native
  // bar is hidden.
  std::optional<PanelLook> LookNow(bool& barShown);
  void PaintPanel(HDC dc);
  bool IsVertical() const { return sbDir == 1; }
  bool IsWindowBar() const { return sbType != kScrollBarControl; }

  PanelPicture picture_;
};

struct PanelRelease {
  void operator()(TWScrollbar* panel) const;
};
using ScrollbarPanel = std::unique_ptr<TWScrollbar, PanelRelease>;

ScrollbarPanel MakeScrollbarPanel();

}  // namespace lanvero
