// A page control on the system tab control ("SysTabControl32"): one tab per
// visible TTabSheet child; the active sheet fills the display area.
#pragma once

#include <functional>
#include <vector>

#include "framework/controls/WinControl.h"

namespace lanvero::framework {

class TPageControl;

enum class TTabStyle { tsTabs, tsButtons, tsFlatButtons };
// The side of the control the tabs are on.
enum class TTabPosition { tpTop, tpBottom, tpLeft, tpRight };

class TTabSheet : public TWinControl {
 public:
  explicit TTabSheet(TComponent* owner);
  ~TTabSheet() override;
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  TPageControl* PageControl() const;
  void SetPageControl(TPageControl* control);
  std::wstring Caption() const { return GetText(); }
  void SetCaption(const std::wstring& caption) { SetText(caption); }
  bool TabVisible() const { return tabVisible_; }
  void SetTabVisible(bool value);
  int PageIndex() const;
  void SetPageIndex(int index);
  int TabIndex() const;  // index among the visible tabs, -1 when hidden
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index) { imageIndex_ = index; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void CMTextChanged(TMessage& message) override;

 private:
  bool tabVisible_ = true;
  int imageIndex_ = -1;
};

// The family of controls on the system tab control.
class TCustomTabControl : public TWinControl {
 public:
  explicit TCustomTabControl(TComponent* owner) : TWinControl(owner) {}
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  TNotifyEvent OnChange;
  std::function<void(TObject* sender, bool& allowChange)> OnChanging;

 protected:
  void Dispatch(TMessage& message) override;
  // The user selected tab `tab`; called before OnChange.
  virtual void TabSelected(int tab) = 0;

 private:
  void CNNotify(TMessage& message);
};

class TPageControl : public TCustomTabControl {
 public:
  explicit TPageControl(TComponent* owner);
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  int PageCount() const { return static_cast<int>(pages_.size()); }
  TTabSheet* Pages(int index) const { return pages_.at(static_cast<size_t>(index)); }
  TTabSheet* ActivePage() const { return activePage_; }
  void SetActivePage(TTabSheet* page);
  int ActivePageIndex() const;
  void SetActivePageIndex(int index);
  TTabStyle TabStyle() const { return style_; }
  void SetTabStyle(TTabStyle style);
  TTabPosition TabPosition() const { return position_; }
  void SetTabPosition(TTabPosition position);
  // The area the sheets cover, in client coordinates.
  RECT DisplayRect() const;
  RECT AlignClientRect() override { return DisplayRect(); }

  // The next (or previous) page with a tab, round past the end, as the
  // user chose it (OnChanging may refuse, OnChange follows).
  void SelectNextPage(bool forward);

  // Called by sheets when their tab must be redone.
  void UpdateTabs();
  void MovePage(TTabSheet* page, int index);
  void Loaded() override;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleState() override;
  void TabSelected(int tab) override;
  void Dispatch(TMessage& message) override;
  void ControlInserted(TControl* control) override;
  void ControlRemoved(TControl* control) override;
  void AlignControls(RECT& rect) override;

 private:
  void ShowActivePage();
  // Ctrl+Tab and Ctrl+Shift+Tab while the focus is on or inside the control.
  void CMDialogKey(TMessage& message);
  std::vector<TTabSheet*> pages_;
  TTabSheet* activePage_ = nullptr;
  TTabStyle style_ = TTabStyle::tsTabs;
  TTabPosition position_ = TTabPosition::tpTop;
};

}  // namespace lanvero::framework
