// Scrolling containers. TScrollingWinControl keeps a horizontal and a
// vertical TControlScrollBar on its own window; with AutoScroll their
// ranges follow the extent of the children, the window shows a bar
// (WS_HSCROLL, WS_VSCROLL) when the children overflow, and scrolling moves
// the children. TScrollBox is the bordered control of that kind; TFrame
// (Frame.h) is the other.
#pragma once

#include <memory>

#include "framework/controls/ControlTypes.h"
#include "framework/controls/RangeControls.h"
#include "framework/controls/WinControl.h"

namespace lanvero::framework {

class TScrollingWinControl;

class TControlScrollBar : public TPersistent {
 public:
  TControlScrollBar(TScrollingWinControl& control, TScrollBarKind kind) : control_(control), kind_(kind) {}
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  TScrollBarKind Kind() const { return kind_; }
  // The extent of the scrolled area in pixels.
  int Range() const { return range_; }
  void SetRange(int range);
  // How far the area is scrolled, 0 .. Range - the visible extent.
  int Position() const { return position_; }
  void SetPosition(int position);
  // Pixels per click on an arrow.
  int Increment() const { return increment_; }
  void SetIncrement(int increment) { increment_ = increment > 0 ? increment : 1; }
  // False keeps the bar away even when the area overflows.
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  // Whether the window shows this bar now.
  bool IsScrollBarVisible() const;
  // The extent of the client area along the bar.
  int PageSize() const;

 private:
  friend class TScrollingWinControl;
  int Bar() const { return kind_ == TScrollBarKind::sbHorizontal ? SB_HORZ : SB_VERT; }
  int MaxPosition() const;
  // Hands range, page and position to the window.
  void Apply();
  // The new position for a WM_HSCROLL / WM_VSCROLL request code.
  int PositionFor(WORD code) const;

  TScrollingWinControl& control_;
  TScrollBarKind kind_;
  int range_ = 0;
  int position_ = 0;
  int increment_ = 8;
  bool visible_ = true;
};

class TScrollingWinControl : public TWinControl {
 public:
  explicit TScrollingWinControl(TComponent* owner);
  ~TScrollingWinControl() override;
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  bool AutoScroll() const { return autoScroll_; }
  void SetAutoScroll(bool value);
  TControlScrollBar* HorzScrollBar() const { return horzScrollBar_.get(); }
  TControlScrollBar* VertScrollBar() const { return vertScrollBar_.get(); }
  // Scrolls so that the child is wholly in view (as far as it fits).
  void ScrollInView(TControl* control);
  // Recomputes the automatic ranges and hands both bars to the window.
  void UpdateScrollBars();

 protected:
  friend class TControlScrollBar;
  void CreateParams(TCreateParams& params) override;
  void CreateHandleState() override;
  void Dispatch(TMessage& message) override;
  void AlignControls(RECT& rect) override;
  void ControlInserted(TControl*) override { UpdateScrollBars(); }
  void ControlRemoved(TControl*) override { UpdateScrollBars(); }
  // Moves every child that is not aligned by (-dx, -dy).
  void ScrollBy(int dx, int dy);

 private:
  void WMScroll(TMessage& message);
  // The far edge of the children in scrolled-area coordinates.
  int ContentExtent(TScrollBarKind kind) const;

  std::unique_ptr<TControlScrollBar> horzScrollBar_;
  std::unique_ptr<TControlScrollBar> vertScrollBar_;
  bool autoScroll_ = true;
  bool updating_ = false;
};

class TScrollBox : public TScrollingWinControl {
 public:
  explicit TScrollBox(TComponent* owner);
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle style);

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
};

}  // namespace lanvero::framework
