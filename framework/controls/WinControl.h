// TWinControl: a control with its own window, one object per HWND. The
// window class is named after the control class ("TButton", "TForm1") and
// superclasses the system class where there is one; the class's window
// procedure finds the object through the window property named by the
// control atom, so raw subclassing with SetWindowLongPtr stays possible.
// Children are kept in creation order and, for the windowed ones, in tab
// order; a parent reflects the notifications of its child windows back to
// the child's object as CN_BASE + message.
#pragma once

#include <vector>

#include "framework/controls/Control.h"

namespace lanvero::framework {

struct TCreateParams {
  std::wstring caption;
  DWORD style = 0;
  DWORD exStyle = 0;
  int x = 0, y = 0, width = 0, height = 0;
  HWND parentWindow = nullptr;
  // The system class to superclass ("BUTTON", "EDIT"...), or empty for a
  // class of the framework's own.
  std::wstring systemClass;
  UINT classStyle = CS_DBLCLKS;
  HCURSOR classCursor = nullptr;
  HMENU menuOrId = nullptr;
};

using TKeyEvent = std::function<void(TObject* sender, WORD& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TObject* sender, wchar_t& key)>;

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* owner);
  ~TWinControl() override;
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  bool IsWindowed() const override { return true; }

  // The window, created on first use together with the parent chain.
  HWND Handle();
  HWND WindowHandle() const { return handle_; }
  bool HandleAllocated() const { return handle_ != nullptr; }
  void HandleNeeded();
  void DestroyHandle();
  // Re-creates the window, telling hooks first through CM_RECREATEWND.
  void RecreateWnd();
  // A window of another kind to create this control's window in, for a
  // control without a parent control (nil: none).
  HWND ParentWindow() const { return parentWindow_; }
  void SetParentWindow(HWND window);
  // The original window procedure of the class (the superclassed one).
  WNDPROC DefWndProc() const { return defWndProc_; }

  // Children.
  int ControlCount() const { return static_cast<int>(controls_.size()); }
  TControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }
  const std::vector<TControl*>& ControlList() const { return controls_; }
  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  bool ContainsControl(const TControl* control) const;
  // The child (graphic or windowed) at a client point, topmost first.
  TControl* ControlAtPos(POINT point, bool allowDisabled = false, bool allowWinControls = false) const;
  // Sends a message to every child until one sets a non-zero result.
  void Broadcast(TMessage& message);

  // Tab order.
  int TabOrder() const;
  void SetTabOrder(int order);
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool value);
  // The windowed children in tab order, each followed by its own list.
  void GetTabOrderList(std::vector<TWinControl*>& list) const;
  const std::vector<TWinControl*>& TabList() const { return tabList_; }
  // The next control to focus after `current` in the tab-order list.
  TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop, bool checkParent) const;
  void SelectNext(TWinControl* current, bool forward, bool checkTabStop);

  // Focus.
  virtual bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();

  // Alignment of the children.
  void Realign();
  void DisableAlign() { ++alignDisabled_; }
  void EnableAlign();
  // Client rectangle available to aligned children.
  virtual RECT AlignClientRect();

  void SetBounds(int left, int top, int width, int height) override;
  RECT ClientRect() const override;
  POINT ClientToScreen(POINT point) const override;
  POINT ScreenToClient(POINT point) const override;
  bool Showing() const override;
  void Invalidate() override;
  void Update() override;
  std::wstring GetText() const override;
  void SetText(const std::wstring& text) override;
  void Loaded() override;
  void DefaultHandler(TMessage& message) override;

  // Paints the window-less children into a DC of this window.
  void PaintControls(HDC dc);

  // The control at the mouse for mouse-enter and mouse-leave notifications.
  static void UpdateMouseControl(TControl* control);
  // Called by a control that goes away.
  static void ForgetMouseControl(TControl* control);

  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  std::string onEnterName, onExitName;

 protected:
  friend LRESULT CALLBACK FrameworkWindowProc(HWND, UINT, WPARAM, LPARAM);
  friend class TControl;

  virtual void CreateParams(TCreateParams& params);
  virtual void CreateWnd();
  // Applies the object's state to its new window (text, font, children).
  virtual void CreateHandleState();
  virtual void DestroyWnd();
  void AttachHandle(HWND window);
  void DetachHandle();
  void UpdateControlState();

  void WndProc(TMessage& message) override;
  void Dispatch(TMessage& message) override;
  // Reflects a notification to the child window's object; false when the
  // child has none.
  bool ReflectToChild(HWND child, TMessage& message);
  bool ReflectNotification(TMessage& message);
  virtual void WMPaint(TMessage& message);
  virtual void WMEraseBkgnd(TMessage& message);
  void WMSetCursor(TMessage& message);
  void WMSetFocus(TMessage& message);
  void WMKillFocus(TMessage& message);
  void WMWindowPosChanged(TMessage& message);
  void WMNCDestroy(TMessage& message);
  void WMMouseLeave(TMessage& message);
  virtual void CNKeyDown(TMessage& message);
  virtual void CNChar(TMessage& message);
  virtual void CNCtlColor(TMessage& message);
  void CMEnter(TMessage& message);
  void CMExit(TMessage& message);
  void CMVisibleChanged(TMessage& message) override;
  void CMEnabledChanged(TMessage& message) override;
  void CMColorChanged(TMessage& message) override;
  void CMFontChanged(TMessage& message) override;
  void CMBiDiModeChanged(TMessage& message) override;
  void CMRecreateWnd(TMessage& message);
  // Mouse messages over window-less children go to them.
  bool ForwardMouseToChild(TMessage& message);

  virtual void AlignControls(RECT& rect);
  // Hooks for containers that track particular children (pages of a page control).
  virtual void ControlInserted(TControl*) {}
  virtual void ControlRemoved(TControl*) {}
  void BoundsChanged() override;
  // Brush of the control's colour, for backgrounds and WM_CTLCOLOR replies.
  HBRUSH BackgroundBrush();
  virtual bool WantsErase() const { return defWndProc_ == DefWindowProcW; }

  // Window messages the control sends to its own window once it exists.
  LRESULT SendToWindow(UINT msg, WPARAM wParam, LPARAM lParam) const;

  HWND handle_ = nullptr;
  HWND parentWindow_ = nullptr;
  WNDPROC defWndProc_ = DefWindowProcW;

 private:
  void ApplyWindowBounds();
  void CreateChildHandles();
  void SendFont();
  void AlignOrderedBy(std::vector<TControl*>& controls, TAlign align);

  std::vector<TControl*> controls_;
  std::vector<TWinControl*> tabList_;
  bool tabStop_ = false;
  int loadedTabOrder_ = -1;  // the layout's value, applied again once all siblings exist
  int alignDisabled_ = 0;
  bool aligning_ = false;
  UniqueBrush brush_;
  TColor brushColor_ = 0;
  TControl* mouseCaptureControl_ = nullptr;
  bool trackingMouse_ = false;
};

// The control object of a window (the framework's window property), or nil.
TControl* FindControlFromHandle(HWND window);
// The control of a window, or of the nearest parent window that has one.
TWinControl* FindWinControlOf(HWND window);
// The global atom that names the window property holding a window's control.
ATOM ControlAtom();

}  // namespace lanvero::framework
