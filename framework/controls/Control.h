// TControl: the base of everything visible. A control has a parent, bounds,
// alignment, visibility, colour, font, cursor, hint, reading order and mouse
// events. Every message reaches it through WindowProc, a replaceable handler
// whose default is the virtual WndProc; WndProc dispatches to one named
// handler per message and finally to DefaultHandler. Perform sends a message
// through the same path, so window-less controls answer messages too.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "framework/base/Messages.h"
#include "framework/controls/ControlTypes.h"
#include "framework/core/Component.h"
#include "framework/graphics/GraphicsObjects.h"

namespace lanvero::framework {

class TWinControl;
class TCustomForm;
class TPopupMenu;

using TNotifyEvent = std::function<void(TObject* sender)>;
using TMouseEvent = std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;

// Behaviour flags of a control class.
enum ControlStyle : uint32_t {
  csClickEvents = 1,   // a press and release inside the control is a click
  csCaptureMouse = 2,  // mouse capture while a button is held
  csOpaque = 4,        // paints its whole rectangle
  csDoubleClicks = 8,  // a double click raises OnDblClick
  csAcceptsControls = 16,
};

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* owner);
  ~TControl() override;
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  // Messages.
  TWndMethod WindowProc;
  virtual void WndProc(TMessage& message);
  virtual void DefaultHandler(TMessage& message);
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

  // Structure.
  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* parent);
  void SetParentComponent(TComponent* parent) override;
  virtual bool IsWindowed() const { return false; }

  // Geometry, in the parent's client coordinates.
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
  void SetTop(int value) { SetBounds(left_, value, width_, height_); }
  void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
  void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
  virtual void SetBounds(int left, int top, int width, int height);
  RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }
  virtual RECT ClientRect() const { return RECT{0, 0, width_, height_}; }
  int ClientWidth() const;
  int ClientHeight() const;
  virtual void SetClientWidth(int value) { SetWidth(value); }
  virtual void SetClientHeight(int value) { SetHeight(value); }
  virtual POINT ClientToScreen(POINT point) const;
  virtual POINT ScreenToClient(POINT point) const;
  // The origin of the client area in the coordinates of the nearest window.
  POINT ClientOriginInWindow() const;

  TAlign Align() const { return align_; }
  void SetAlign(TAlign align);

  // State.
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible, and every parent visible down to a shown window.
  virtual bool Showing() const;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // Appearance.
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);
  TFont* Font() const { return font_.get(); }
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool value);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor);
  std::wstring Hint() const { return hint_; }
  void SetHint(const std::wstring& hint) { hint_ = hint; }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value) { showHint_ = value; }
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode mode);
  bool ParentBiDiMode() const { return parentBiDiMode_; }
  void SetParentBiDiMode(bool value);
  bool UseRightToLeftReading() const { return biDiMode_ != TBiDiMode::bdLeftToRight; }
  bool UseRightToLeftAlignment() const { return biDiMode_ == TBiDiMode::bdRightToLeft; }
  bool UseRightToLeftScrollBar() const {
    return biDiMode_ == TBiDiMode::bdRightToLeft || biDiMode_ == TBiDiMode::bdRightToLeftNoAlign;
  }
  // The extended window styles of the reading order.
  DWORD BiDiExStyle() const;
  // DT_RTLREADING added to DrawText flags when the control reads right to left.
  UINT DrawTextBiDiModeFlags(UINT flags) const;
  TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TPopupMenu* menu);

  // The caption of a button or label, the text of an edit.
  virtual std::wstring GetText() const { return text_; }
  virtual void SetText(const std::wstring& text);

  uint32_t Style() const { return controlStyle_; }

  virtual void Invalidate();
  virtual void Update() {}
  void Repaint();
  void BringToFront();

  // Actions. The mouse operations raise the mouse events; code that keeps a
  // press from reaching the window (a skinner) calls them itself.
  virtual void Click();
  virtual void DblClick();
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
  virtual void MouseMove(TShiftState shift, int x, int y);

  // Events.
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnResize;
  std::string onClickName, onDblClickName;

 protected:
  friend class TWinControl;

  // Dispatch: one handler per message; Dispatch falls back to DefaultHandler.
  virtual void Dispatch(TMessage& message);
  void Notification(TComponent* component, TOperation operation) override;
  void WMLButtonDown(TMessage& message);
  void WMLButtonUp(TMessage& message);
  void WMButtonDown(TMessage& message, TMouseButton button);
  void WMButtonUp(TMessage& message, TMouseButton button);
  void WMLButtonDblClk(TMessage& message);
  void WMMouseMove(TMessage& message);
  void WMContextMenu(TMessage& message);
  virtual void CMVisibleChanged(TMessage& message);
  virtual void CMEnabledChanged(TMessage& message);
  virtual void CMColorChanged(TMessage& message);
  virtual void CMFontChanged(TMessage& message);
  virtual void CMParentColorChanged(TMessage& message);
  virtual void CMParentFontChanged(TMessage& message);
  virtual void CMBiDiModeChanged(TMessage& message);
  virtual void CMTextChanged(TMessage& message);
  void CMHitTest(TMessage& message);

  virtual void BoundsChanged() {}
  // The window-less part of invalidation; windowed controls override.
  void InvalidateControl(bool wholeRectangle);
  void RequestAlign();
  void SetControlStyle(uint32_t style) { controlStyle_ = style; }
  void ChangeFont(TFont& font);  // assigns and marks the font as the control's own

  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  std::wstring text_;

 private:
  void FontPropertyChanged();
  static TShiftState ShiftFromKeys(WPARAM keys);

  TAlign align_ = TAlign::alNone;
  bool visible_ = true;
  bool enabled_ = true;
  TColor color_;
  bool parentColor_ = false;
  std::unique_ptr<TFont> font_;
  bool parentFont_ = true;
  bool applyingParentFont_ = false;
  TCursor cursor_ = crDefault;
  std::wstring hint_;
  bool showHint_ = false;
  TBiDiMode biDiMode_ = TBiDiMode::bdLeftToRight;
  bool parentBiDiMode_ = true;
  TPopupMenu* popupMenu_ = nullptr;
  uint32_t controlStyle_ = csClickEvents | csCaptureMouse | csDoubleClicks;
  bool clicked_ = false;
};

// The form that holds a control, or nil.
TCustomForm* GetParentForm(const TControl* control);
// Mouse and key shift state of a mouse message's key flags.
TShiftState KeysToShiftState(WPARAM keys);
// The built-in cursor for an identifier.
HCURSOR LoadCursorFor(TCursor cursor);

}  // namespace lanvero::framework
