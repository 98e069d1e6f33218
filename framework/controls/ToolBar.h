// A tool bar on the system tool bar ("ToolbarWindow32") and its buttons.
// A TToolButton is a child control of the bar without a window of its own:
// the bar's window draws and clicks it, the button keeps its properties.
// The bar's custom-draw notifications reach OnCustomDraw (the background)
// and OnCustomDrawButton (each button, with its CDIS_* state bits); a main
// menu given as Menu becomes one button per top item that drops its
// sub-menu down.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <vector>

#include "framework/controls/GraphicControl.h"
#include "framework/controls/WinControl.h"

namespace lanvero::framework {

class TToolBar;
class TToolButton;
class TMenuItem;
class TMainMenu;
class TImageList;

// The draw state of a button as the bar's window reports it: CDIS_SELECTED,
// CDIS_GRAYED, CDIS_DISABLED, CDIS_CHECKED, CDIS_FOCUS, CDIS_DEFAULT,
// CDIS_HOT, ... bits.
using TCustomDrawState = UINT;
using TToolBarCustomDrawEvent = std::function<void(TToolBar* sender, const RECT& rect, bool& defaultDraw)>;
using TToolBarCustomDrawButtonEvent =
    std::function<void(TToolBar* sender, TToolButton* button, TCustomDrawState state, bool& defaultDraw)>;

enum class TToolButtonStyle { tbsButton, tbsCheck, tbsDropDown, tbsSeparator };

class TToolButton : public TGraphicControl {
 public:
  explicit TToolButton(TComponent* owner);
  ~TToolButton() override;
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  TToolBar* ToolBar() const;
  std::wstring Caption() const { return GetText(); }
  void SetCaption(const std::wstring& caption);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  TToolButtonStyle ButtonStyle() const { return style_; }
  void SetButtonStyle(TToolButtonStyle style);
  // Pressed in, for check buttons.
  bool Down() const;
  void SetDown(bool value);
  TMenuItem* MenuItem() const { return menuItem_; }
  void SetMenuItem(TMenuItem* item);
  // Its place among the bar's buttons (-1 outside a bar).
  int Index() const;

  // OnClick; without one, a menu item with sub-items drops them down and
  // any other menu item is clicked.
  void Click() override;
  // Shows the menu item's sub-menu under the button and runs the chosen item.
  void DropDown();

 protected:
  void Notification(TComponent* component, TOperation operation) override;
  // The bar's window shows hidden and disabled buttons by their state.
  void CMVisibleChanged(TMessage& message) override;
  void CMEnabledChanged(TMessage& message) override;

 private:
  friend class TToolBar;
  void Changed();
  int imageIndex_ = -1;
  TToolButtonStyle style_ = TToolButtonStyle::tbsButton;
  mutable bool down_ = false;
  TMenuItem* menuItem_ = nullptr;
};

class TToolBar : public TWinControl {
 public:
  explicit TToolBar(TComponent* owner);
  ~TToolBar() override;
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  int ButtonCount() const { return static_cast<int>(buttons_.size()); }
  TToolButton* Buttons(int index) const { return buttons_.at(static_cast<size_t>(index)); }
  int IndexOf(const TToolButton* button) const;
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);
  bool ShowCaptions() const { return showCaptions_; }
  void SetShowCaptions(bool value);
  // Buttons without edges until the mouse is over them (TBSTYLE_FLAT).
  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  // A main menu shown as buttons: one per visible top item, made and freed
  // by the bar.
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);
  // Attached to the window's DC while the custom-draw events run.
  TCanvas& Canvas() { return canvas_; }

  TToolBarCustomDrawEvent OnCustomDraw;
  TToolBarCustomDrawButtonEvent OnCustomDrawButton;
  // The command identifier the window uses for button `index`.
  static UINT CommandOf(int index) { return static_cast<UINT>(index) + 1; }

  // Sends a message about button `index` to the window (0 without one).
  LRESULT SendButtonMessage(UINT msg, int index, LPARAM lParam) const;
  // Rebuilds the window's buttons from the button controls.
  void UpdateButtons();

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateHandleState() override;
  void WndProc(TMessage& message) override;
  void Dispatch(TMessage& message) override;
  void ControlInserted(TControl* control) override;
  void ControlRemoved(TControl* control) override;
  void Notification(TComponent* component, TOperation operation) override;
  void Loaded() override;

 private:
  friend class TToolButton;
  TToolButton* ButtonOfCommand(UINT command) const;
  void CNNotify(TMessage& message);
  LRESULT CustomDraw(NMTBCUSTOMDRAW& draw);
  // Owner-drawn items of a dropped-down menu ask the bar's window.
  bool DispatchDroppedMenuItem(TMessage& message);
  void CreateMenuButtons();
  void FreeMenuButtons();

  std::vector<TToolButton*> buttons_;
  std::vector<TToolButton*> menuButtons_;
  TImageList* images_ = nullptr;
  TMainMenu* menu_ = nullptr;
  TMenuItem* droppedItem_ = nullptr;  // the item whose sub-menu is showing
  bool showCaptions_ = false;
  bool flat_ = false;
  TCanvas canvas_;
};

}  // namespace lanvero::framework
