// Forms: top-level windows built from a stored layout. A form's window class
// is named after the form's class ("TForm1"); its windows are owned by the
// application window, so the taskbar shows the application title.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/controls/WinControl.h"

namespace lanvero::framework {

class TMainMenu;
class TMenuItem;
class TIcon;

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon : uint32_t { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
enum class TPosition {
  poDesigned,
  poDefault,
  poDefaultPosOnly,
  poDefaultSizeOnly,
  poScreenCenter,
  poDesktopCenter,
  poMainFormCenter,
  poOwnerFormCenter
};
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };

using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;

// Size limits of a control, enforced through WM_GETMINMAXINFO for forms.
class TSizeConstraints : public TPersistent {
 public:
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }
  int MinWidth() const { return minWidth_; }
  void SetMinWidth(int v) { minWidth_ = v; }
  int MinHeight() const { return minHeight_; }
  void SetMinHeight(int v) { minHeight_ = v; }
  int MaxWidth() const { return maxWidth_; }
  void SetMaxWidth(int v) { maxWidth_ = v; }
  int MaxHeight() const { return maxHeight_; }
  void SetMaxHeight(int v) { maxHeight_ = v; }

 private:
  int minWidth_ = 0, minHeight_ = 0, maxWidth_ = 0, maxHeight_ = 0;
};

class TCustomForm : public TWinControl {
 public:
  explicit TCustomForm(TComponent* owner);
  ~TCustomForm() override;
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  // Reads the layout stored in the module's resources (type RCDATA, named
  // after the form's class), then raises OnCreate.
  void InitializeFromResource();
  // Reads a layout given as text, then raises OnCreate.
  void InitializeFromText(std::string_view layout);

  std::wstring Caption() const { return GetText(); }
  void SetCaption(const std::wstring& caption) { SetText(caption); }
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style);
  uint32_t BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(uint32_t icons);
  TPosition Position() const { return position_; }
  void SetPosition(TPosition position) { position_ = position; }
  TFormStyle FormStyle() const { return formStyle_; }
  void SetFormStyle(TFormStyle style) { formStyle_ = style; }

  // MDI (FormMDI.cpp). A form of style fsMDIForm owns an MDI client window
  // filling its client area; a form of style fsMDIChild lives in the MDI
  // client of the application's first MDI frame.
  HWND ClientHandle() const { return clientHandle_; }
  TCustomForm* ActiveMDIChild() const;
  int MDIChildCount() const { return static_cast<int>(MDIChildList().size()); }
  TCustomForm* MDIChildren(int index) const { return MDIChildList().at(static_cast<size_t>(index)); }
  // The children in the MDI client's z-order (the active one first).
  std::vector<TCustomForm*> MDIChildList() const;
  // The item whose drop-down lists the children.
  TMenuItem* WindowMenu() const { return windowMenu_; }
  void SetWindowMenu(TMenuItem* item);
  void Tile();
  void Cascade();
  void ArrangeIcons();
  void Next();
  void Previous();
  TWindowState WindowState() const;
  void SetWindowState(TWindowState state);
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool value) { keyPreview_ = value; }
  bool AutoScroll() const { return autoScroll_; }
  void SetAutoScroll(bool value) { autoScroll_ = value; }
  TSizeConstraints* Constraints() const { return constraints_.get(); }
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);
  TIcon* Icon() const { return icon_.get(); }

  void SetClientWidth(int value) override;
  void SetClientHeight(int value) override;
  RECT ClientRect() const override;

  // Focus inside the form.
  TWinControl* ActiveControl() const { return activeControl_; }
  void SetActiveControl(TWinControl* control);
  void FocusControl(TWinControl* control);
  // Called when a control of the form got the keyboard focus.
  void SetFocusedControl(TWinControl* control);
  // Called when a control of the form goes away.
  void ForgetControl(TWinControl* control);

  void Show();
  void Hide() { SetVisible(false); }
  // Asks OnCloseQuery and OnClose, then hides, frees or minimises the form;
  // closing the application's main form ends the message loop.
  void Close();
  // Frees the form once the messages now queued have been handled.
  void Release();
  bool Active() const { return active_; }
  // Shows the form and handles messages until ModalResult is set; the
  // application's other forms are disabled meanwhile.
  int ShowModal();
  int ModalResult() const { return modalResult_; }
  void SetModalResult(int value) { modalResult_ = value; }

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnPaint;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;
  std::string onCreateName, onCloseName;

  void Loaded() override;
  bool Showing() const override { return HandleAllocated() && IsWindowVisible(WindowHandle()); }

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void Dispatch(TMessage& message) override;
  void Notification(TComponent* component, TOperation operation) override;
  void CMVisibleChanged(TMessage& message) override;
  void WMPaint(TMessage& message) override;
  void WMClose(TMessage& message);
  void WMCommand(TMessage& message);
  void WMActivate(TMessage& message);
  void WMGetMinMaxInfo(TMessage& message);
  void WMMenuItemDraw(TMessage& message);
  void CMDialogKey(TMessage& message);
  void CMDialogChar(TMessage& message);
  void CMMenuChanged(TMessage& message);
  void CMRelease(TMessage& message);
  void DefaultHandler(TMessage& message) override;
  virtual void DoCreate();
  void BroadcastDialogKey(TMessage& message);

 private:
  void ApplyClientSize();
  void CenterOnScreen();
  void CreateMDIClient();
  void CreateMDIChildWindow(const TCreateParams& params);
  // The MDI client the children of this application live in.
  static HWND MDIClientForChildren();
  // Tells the MDI client the current frame menu and window menu.
  void SendMDIMenus();
  bool IsMDIChild() const { return formStyle_ == TFormStyle::fsMDIChild; }

  TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
  uint32_t borderIcons_ = biSystemMenu | biMinimize | biMaximize;
  TPosition position_ = TPosition::poDesigned;
  TFormStyle formStyle_ = TFormStyle::fsNormal;
  TWindowState windowState_ = TWindowState::wsNormal;
  bool keyPreview_ = false;
  bool autoScroll_ = false;
  int clientWidth_ = -1;
  int clientHeight_ = -1;
  std::unique_ptr<TSizeConstraints> constraints_;
  std::unique_ptr<TIcon> icon_;
  TMainMenu* menu_ = nullptr;
  TMenuItem* windowMenu_ = nullptr;
  HWND clientHandle_ = nullptr;  // the MDI client of an MDI frame (a child window: goes with the frame)
  TWinControl* activeControl_ = nullptr;
  TWinControl* focusedControl_ = nullptr;
  bool active_ = false;
  bool created_ = false;
  int modalResult_ = 0;
};

class TForm : public TCustomForm {
 public:
  explicit TForm(TComponent* owner) : TCustomForm(owner) {}
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }
};

// A window icon read from the bytes of an .ico file ("Icon.Data").
class TIcon : public TPersistent {
 public:
  TIcon() = default;
  ~TIcon() override;
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  std::vector<uint8_t> Data() const { return data_; }
  void SetData(const std::vector<uint8_t>& data);
  // The image of the file closest to the size asked for (nil when empty).
  HICON Handle(int size) const;
  int ImageCount() const { return static_cast<int>(images_.size()); }

  std::function<void()> OnChange;

 private:
  void Clear();
  std::vector<uint8_t> data_;
  std::vector<std::pair<int, HICON>> images_;  // width, icon
};

}  // namespace lanvero::framework
