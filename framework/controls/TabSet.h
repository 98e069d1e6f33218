// A tab set (TTabSet): a row of tabs hanging below a line, drawn by the
// framework, one per line of Tabs. The tabs start StartMargin pixels from
// the left, from FirstIndex on; when they do not all fit, a scroller (an
// up-down, the tab set's first owned component) at the right end moves
// FirstIndex. A change of the selected tab asks OnChange first.
#pragma once

#include <functional>
#include <vector>

#include "framework/controls/GraphicControl.h"
#include "framework/core/Strings.h"

namespace lanvero::framework {

class TUpDown;

using TTabChangeEvent = std::function<void(TObject* sender, int newTab, bool& allowChange)>;

class TTabSet : public TCustomControl {
 public:
  explicit TTabSet(TComponent* owner);
  ~TTabSet() override;
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  TStringList* Tabs() const { return &tabs_; }
  // The selected tab, -1 for none. A change goes through OnChange, then OnClick.
  int TabIndex() const { return tabIndex_; }
  void SetTabIndex(int index);
  // The first tab shown at the left.
  int FirstIndex() const { return firstIndex_; }
  void SetFirstIndex(int index);
  int StartMargin() const { return startMargin_; }
  void SetStartMargin(int value);
  int EndMargin() const { return endMargin_; }
  void SetEndMargin(int value);
  TColor SelectedColor() const { return selectedColor_; }
  void SetSelectedColor(TColor color);
  TColor UnselectedColor() const { return unselectedColor_; }
  void SetUnselectedColor(TColor color);

  // The tabs drawn now, from FirstIndex on, and their rectangles.
  int VisibleTabs() const { return static_cast<int>(tabRects_.size()); }
  RECT TabRect(int index) const;
  // The tab at a client point, -1 for none.
  int ItemAtPos(POINT point) const;
  TUpDown* Scroller() const { return scroller_; }

  TTabChangeEvent OnChange;

 protected:
  void CreateHandleState() override;
  void Dispatch(TMessage& message) override;
  void Paint() override;
  void BoundsChanged() override;
  void CMFontChanged(TMessage& message) override;

 private:
  // Lays the tabs out from FirstIndex and shows the scroller when needed.
  void Layout();
  void DrawTab(TCanvas& canvas, int index, const RECT& rect);
  void WMLButtonDown(TMessage& message);
  void WMKeyDown(TMessage& message);
  int TextWidth(const std::wstring& text);

  mutable TStringList tabs_;
  std::vector<RECT> tabRects_;
  int tabIndex_ = -1;
  int firstIndex_ = 0;
  int startMargin_ = 5;
  int endMargin_ = 5;
  TColor selectedColor_ = clBtnFace;
  TColor unselectedColor_ = clWindow;
  TUpDown* scroller_ = nullptr;
};

}  // namespace lanvero::framework
