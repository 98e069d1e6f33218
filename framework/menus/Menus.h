// Menus: a tree of TMenuItem objects behind a native menu handle. Items carry
// a caption, enabled, visible, checked and default states, an image index
// and a shortcut, a command identifier, the handle of their sub-menu, an
// optional action, and owner-draw events. The main menu of a form and popup
// menus rebuild their native menu when an item changes; a form hears about
// it through CM_MENUCHANGED. Owner-drawn items of popup menus are drawn and
// measured by their items wherever the system sends the request (any
// framework window that owns the popup, or the application's window).
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/base/GdiObject.h"
#include "framework/controls/Control.h"
#include "framework/graphics/Canvas.h"

namespace lanvero::framework {

class TMenu;
class TMenuItem;
class TCustomForm;
class TImageList;
struct TMessage;

// The command of an MDI frame's first window-list entry; menu items take
// commands below it.
inline constexpr UINT kFirstMDIChildCommand = 0xEF00;

// A keyboard shortcut: the virtual key in the low byte, modifiers above.
using TShortCut = uint16_t;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;
// "Ctrl+S", "Alt+F4", ...; empty for no shortcut.
std::wstring ShortCutToText(TShortCut shortCut);
// The shortcut a key press makes with the modifier keys held now.
TShortCut ShortCutOfKey(WORD virtualKey);

enum class TFindItemKind { fkCommand, fkHandle };

using TMenuDrawItemEvent = std::function<void(TObject* sender, TCanvas& canvas, const RECT& rect, bool selected)>;
using TMenuMeasureItemEvent = std::function<void(TObject* sender, TCanvas& canvas, int& width, int& height)>;

// An action: a command that menu items (and other clients) show and run.
class TAction : public TComponent {
 public:
  explicit TAction(TComponent* owner) : TComponent(owner) {}
  ~TAction() override;
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  std::wstring Caption() const { return caption_; }
  void SetCaption(const std::wstring& caption);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);

  // Raises OnUpdate so the action can refresh its state.
  void Update();
  void Execute();

  TNotifyEvent OnExecute;
  TNotifyEvent OnUpdate;

 private:
  friend class TMenuItem;
  void Changed();
  std::wstring caption_;
  bool enabled_ = true, checked_ = false, visible_ = true;
  std::vector<TMenuItem*> clients_;
};

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  std::wstring Caption() const { return caption_; }
  void SetCaption(const std::wstring& caption);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value);
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  bool Checked() const { return checked_; }
  void SetChecked(bool value);
  // A checked radio item shows a bullet instead of a check mark.
  bool RadioItem() const { return radioItem_; }
  void SetRadioItem(bool value);
  bool IsSeparator() const { return caption_ == L"-"; }
  // The menu's default item: drawn bold.
  bool Default() const { return default_; }
  void SetDefault(bool value);
  // Index into the image list of the item's menu; -1 for none.
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  TShortCut ShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut shortCut);
  // The image list of the menu the item belongs to (null when none).
  TImageList* GetImageList() const;
  // The identifier WM_COMMAND carries for this item; unique in the process.
  UINT Command() const { return command_; }
  // The native sub-menu of an item that has items (0 otherwise); for the
  // root item of a menu, the menu's own handle.
  HMENU Handle() const { return handle_; }

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(static_cast<size_t>(index)); }
  TMenuItem* Parent() const { return parent_; }
  int MenuIndex() const;
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  void Remove(TMenuItem* item);
  // Searches this item's whole subtree.
  TMenuItem* Find(UINT value, TFindItemKind kind);
  TMenuItem* FindByCaption(const std::wstring& caption) const;

  TAction* Action() const { return action_; }
  void SetAction(TAction* action);

  void SetParentComponent(TComponent* parent) override;
  // Runs the action, or OnClick; a disabled item runs nothing (the action
  // may enable it in its update first).
  virtual void Click();
  // Owner drawing: the draw handler when there is one, else a plain look.
  void DrawItem(const DRAWITEMSTRUCT& draw);
  // The framework's own measuring, then the measure handler when there is one.
  void MeasureItem(MEASUREITEMSTRUCT& measure);
  // The framework's own measuring alone: text, shortcut, glyph and check room.
  void MeasureDefault(TCanvas& canvas, int& width, int& height) const;
  bool HasOwnerDrawEvents() const { return OnDrawItem || OnMeasureItem; }
  TMenu* Menu() const;

  TNotifyEvent OnClick;
  TMenuDrawItemEvent OnDrawItem;
  TMenuMeasureItemEvent OnMeasureItem;
  std::string onClickName;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TMenu;
  friend class TAction;
  void Changed();
  // Appends this item to a native menu (building its sub-menu first).
  void AppendTo(HMENU menu, bool ownerDraw);
  void BuildItems(HMENU menu, bool ownerDraw);
  void DropHandles();

  std::wstring caption_;
  bool enabled_ = true, visible_ = true, checked_ = false, default_ = false, radioItem_ = false;
  int imageIndex_ = -1;
  TShortCut shortCut_ = 0;
  UINT command_;
  HMENU handle_ = nullptr;  // owned by the native menu tree of the TMenu
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on the root item
  std::vector<TMenuItem*> items_;
  TAction* action_ = nullptr;
};

class TMenu : public TComponent {
 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  TMenuItem* Items() const { return items_.get(); }
  int Count() const { return items_->Count(); }
  // The native menu, built on first use and again after a change.
  HMENU Handle();
  bool OwnerDraw() const { return ownerDraw_; }
  void SetOwnerDraw(bool value);
  bool BiDiModeRightToLeft() const { return rightToLeft_; }
  void SetBiDiModeRightToLeft(bool value) { rightToLeft_ = value; }
  // The images the items show by their ImageIndex.
  TImageList* Images() const { return images_; }
  void SetImages(TImageList* images);

  TMenuItem* FindItem(UINT value, TFindItemKind kind) { return items_->Find(value, kind); }
  // Clicks the item of a WM_COMMAND identifier; false when none has it.
  bool DispatchCommand(UINT command);
  // Clicks the visible item with this shortcut (a disabled one runs
  // nothing); false when no item has it.
  bool IsShortCut(TShortCut shortCut);

  // Called by items whenever the tree or an item's state changes.
  virtual void MenuChanged();
  // Frees the native menu replaced by the last rebuild.
  void ReleaseStaleHandle();

 protected:
  virtual bool IsPopup() const { return false; }
  void Loaded() override;
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void Rebuild();
  std::unique_ptr<TMenuItem> items_;
  TImageList* images_ = nullptr;
  UniqueMenu handle_;
  UniqueMenu staleHandle_;
  bool ownerDraw_ = false;
  bool rightToLeft_ = false;
  bool rebuildPending_ = true;
};

class TMainMenu : public TMenu {
 public:
  explicit TMainMenu(TComponent* owner) : TMenu(owner) {}
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  // The form whose menu bar this menu is.
  void SetWindowHandle(TCustomForm* form) { form_ = form; }
  void MenuChanged() override;

 private:
  TCustomForm* form_ = nullptr;
};

class TPopupMenu : public TMenu {
 public:
  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  // Shows the menu at a screen point and runs the chosen item.
  void Popup(int x, int y);
  TControl* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TControl* control) { popupComponent_ = control; }

  TNotifyEvent OnPopup;

  // The item of any live popup menu with this command identifier.
  static TMenuItem* FindPopupItem(UINT command);

 protected:
  bool IsPopup() const override { return true; }

 private:
  TControl* popupComponent_ = nullptr;
};

// Answers WM_DRAWITEM and WM_MEASUREITEM of an owner-drawn popup menu item
// through the item; false when the message is about something else.
bool DispatchPopupMenuItem(TMessage& message);

}  // namespace lanvero::framework
