#include "framework/forms/Form.h"

#include "framework/core/ClassBuilder.h"
#include "framework/forms/Application.h"
#include "framework/forms/LayoutResource.h"
#include "framework/layout/LayoutReader.h"
#include "framework/menus/Menus.h"

namespace lanvero::framework {

namespace {

const EnumInfo& FormBorderStyleEnum() {
  static const EnumInfo info{"TFormBorderStyle",
                             {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}};
  return info;
}

const EnumInfo& BorderIconElements() {
  static const EnumInfo info{"TBorderIcon", {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}};
  return info;
}

const EnumInfo& PositionEnum() {
  static const EnumInfo info{"TPosition",
                             {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
                              "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"}};
  return info;
}

const EnumInfo& WindowStateEnum() {
  static const EnumInfo info{"TWindowState", {"wsNormal", "wsMinimized", "wsMaximized"}};
  return info;
}

const EnumInfo& FormStyleEnum() {
  static const EnumInfo info{"TFormStyle", {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"}};
  return info;
}

// Sends a message to every control below `parent`, depth first.
void BroadcastToAll(TWinControl& parent, UINT msg, WPARAM wParam, LPARAM lParam) {
  for (TControl* control : std::vector<TControl*>(parent.ControlList())) {
    control->Perform(msg, wParam, lParam);
    if (auto* windowed = dynamic_cast<TWinControl*>(control)) BroadcastToAll(*windowed, msg, wParam, lParam);
  }
}

}  // namespace

const ClassInfo& TSizeConstraints::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TSizeConstraints>("TSizeConstraints", &TPersistent::StaticClassInfo())
                                    .Integer("MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight)
                                    .Integer("MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth)
                                    .Integer("MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight)
                                    .Integer("MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth)
                                    .Build();
  return info;
}

const ClassInfo& TCustomForm::StaticClassInfo() {
  static const ClassInfo info =
      ClassBuilder<TCustomForm>("TCustomForm", &TWinControl::StaticClassInfo())
          .String("Caption", &TCustomForm::Caption, &TCustomForm::SetCaption)
          .Enumeration("BorderStyle", FormBorderStyleEnum(), &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle)
          .Set("BorderIcons", BorderIconElements(), &TCustomForm::BorderIcons, &TCustomForm::SetBorderIcons)
          .Enumeration("Position", PositionEnum(), &TCustomForm::Position, &TCustomForm::SetPosition)
          .Enumeration("WindowState", WindowStateEnum(), &TCustomForm::WindowState, &TCustomForm::SetWindowState)
          .Enumeration("FormStyle", FormStyleEnum(), &TCustomForm::FormStyle, &TCustomForm::SetFormStyle)
          .Integer("ClientWidth", &TCustomForm::ClientWidth, &TCustomForm::SetClientWidth)
          .Integer("ClientHeight", &TCustomForm::ClientHeight, &TCustomForm::SetClientHeight)
          .Boolean("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview)
          .Boolean("AutoScroll", &TCustomForm::AutoScroll, &TCustomForm::SetAutoScroll)
          .Object("Constraints", &TCustomForm::Constraints)
          .Object("Icon", &TCustomForm::Icon)
          .Reference("Menu", &TCustomForm::Menu, &TCustomForm::SetMenu)
          .Reference("WindowMenu", &TCustomForm::WindowMenu, &TCustomForm::SetWindowMenu)
          .Reference("ActiveControl", &TCustomForm::ActiveControl, &TCustomForm::SetActiveControl)
          .Event("OnCreate", &TCustomForm::OnCreate, &TCustomForm::onCreateName)
          .Event("OnDestroy", &TCustomForm::OnDestroy)
          .Event("OnShow", &TCustomForm::OnShow)
          .Event("OnHide", &TCustomForm::OnHide)
          .Event("OnActivate", &TCustomForm::OnActivate)
          .Event("OnDeactivate", &TCustomForm::OnDeactivate)
          .Event("OnPaint", &TCustomForm::OnPaint)
          .Event("OnClose", &TCustomForm::OnClose, &TCustomForm::onCloseName)
          .Event("OnCloseQuery", &TCustomForm::OnCloseQuery)
          .Build();
  return info;
}

const ClassInfo& TForm::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TForm>("TForm", &TCustomForm::StaticClassInfo()).Build();
  return info;
}

TCustomForm::TCustomForm(TComponent* owner)
    : TWinControl(owner), constraints_(std::make_unique<TSizeConstraints>()), icon_(std::make_unique<TIcon>()) {
  SetVisible(false);
  icon_->OnChange = [this] {
    if (!HandleAllocated()) return;
    SendMessageW(handle_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_->Handle(32)));
    SendMessageW(handle_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_->Handle(16)));
  };
  if (TApplication* application = Application()) application->AddForm(this);
}

TCustomForm::~TCustomForm() {
  if (OnDestroy && created_) {
    try {
      OnDestroy(this);
    } catch (...) {
      HandleUncaughtException(std::current_exception());
    }
  }
  MarkDestroying();
  // The menu goes with the components; the window must not take it along.
  if (HandleAllocated()) ::SetMenu(WindowHandle(), nullptr);
  DestroyComponents();
  // Here, not in the base's destructor: an MDI child leaves through its
  // client (WM_MDIDESTROY), which only this class's DestroyWnd does.
  if (IsMDIChild()) DestroyHandle();
  if (TApplication* application = Application()) application->RemoveForm(this);
}

void TCustomForm::InitializeFromResource() { InitializeFromText(LayoutResourceText(ClassName())); }

void TCustomForm::InitializeFromText(std::string_view layout) {
  ReadLayoutText(*this, layout);
  DoCreate();
}

void TCustomForm::DoCreate() {
  created_ = true;
  if (OnCreate) OnCreate(this);
  if (Visible()) Show();
}

void TCustomForm::Loaded() {
  TWinControl::Loaded();
  // A form is shown by Show() or by the application's Run; a Visible flag
  // read from the layout takes effect after OnCreate.
}

// ----- appearance -----------------------------------------------------------

void TCustomForm::SetBorderStyle(TFormBorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  RecreateWnd();
}

void TCustomForm::SetBorderIcons(uint32_t icons) {
  if (icons == borderIcons_) return;
  borderIcons_ = icons;
  RecreateWnd();
}

TWindowState TCustomForm::WindowState() const {
  if (HandleAllocated()) {
    if (IsIconic(WindowHandle())) return TWindowState::wsMinimized;
    if (IsZoomed(WindowHandle())) return TWindowState::wsMaximized;
    return TWindowState::wsNormal;
  }
  return windowState_;
}

void TCustomForm::SetWindowState(TWindowState state) {
  windowState_ = state;
  if (!HandleAllocated() || !IsWindowVisible(WindowHandle())) return;
  ShowWindow(WindowHandle(), state == TWindowState::wsMinimized   ? SW_MINIMIZE
                             : state == TWindowState::wsMaximized ? SW_MAXIMIZE
                                                                  : SW_RESTORE);
}

void TCustomForm::SetMenu(TMainMenu* menu) {
  if (menu_) RemoveFreeNotification(menu_);
  menu_ = menu;
  if (menu_) {
    FreeNotification(menu_);
    menu_->SetWindowHandle(this);
  }
  if (HandleAllocated()) Perform(CM_MENUCHANGED);
}

void TCustomForm::CreateParams(TCreateParams& params) {
  params.caption = text_;
  params.style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  params.exStyle = 0;
  const bool hasCaption = borderStyle_ != TFormBorderStyle::bsNone;
  switch (borderStyle_) {
    case TFormBorderStyle::bsNone: params.style |= WS_POPUP; break;
    case TFormBorderStyle::bsSingle: params.style |= WS_CAPTION | WS_BORDER; break;
    case TFormBorderStyle::bsSizeable: params.style |= WS_CAPTION | WS_THICKFRAME; break;
    case TFormBorderStyle::bsDialog:
      params.style |= WS_POPUP | WS_CAPTION;
      params.exStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
      break;
    case TFormBorderStyle::bsToolWindow:
      params.style |= WS_CAPTION;
      params.exStyle |= WS_EX_TOOLWINDOW;
      break;
    case TFormBorderStyle::bsSizeToolWin:
      params.style |= WS_CAPTION | WS_THICKFRAME;
      params.exStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  if (hasCaption && (borderIcons_ & biSystemMenu)) {
    params.style |= WS_SYSMENU;
    const bool boxes = borderStyle_ == TFormBorderStyle::bsSingle || borderStyle_ == TFormBorderStyle::bsSizeable;
    if (boxes && (borderIcons_ & biMinimize)) params.style |= WS_MINIMIZEBOX;
    if (boxes && (borderIcons_ & biMaximize)) params.style |= WS_MAXIMIZEBOX;
    if ((borderIcons_ & biHelp) && !(borderIcons_ & (biMinimize | biMaximize))) params.exStyle |= WS_EX_CONTEXTHELP;
  }
  if (formStyle_ == TFormStyle::fsStayOnTop) params.exStyle |= WS_EX_TOPMOST;
  params.exStyle |= BiDiExStyle();
  if (IsMDIChild()) {
    params.style &= ~static_cast<DWORD>(WS_POPUP);
    params.exStyle |= WS_EX_MDICHILD;
  }
  params.x = left_;
  params.y = top_;
  params.width = width_;
  params.height = height_;
  params.parentWindow = Application() ? Application()->Handle() : nullptr;
  params.menuOrId = nullptr;
}

void TCustomForm::ApplyClientSize() {
  if (clientWidth_ < 0 && clientHeight_ < 0) return;
  TCreateParams params;
  CreateParams(params);
  RECT rect{0, 0, clientWidth_ >= 0 ? clientWidth_ : 0, clientHeight_ >= 0 ? clientHeight_ : 0};
  AdjustWindowRectEx(&rect, params.style, menu_ && menu_->Count() > 0, params.exStyle);
  if (clientWidth_ >= 0) width_ = rect.right - rect.left;
  if (clientHeight_ >= 0) height_ = rect.bottom - rect.top;
  clientWidth_ = clientHeight_ = -1;
}

void TCustomForm::CenterOnScreen() {
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  left_ = work.left + ((work.right - work.left) - width_) / 2;
  top_ = work.top + ((work.bottom - work.top) - height_) / 2;
}

void TCustomForm::CreateWnd() {
  ApplyClientSize();
  if (position_ == TPosition::poScreenCenter || position_ == TPosition::poDesktopCenter ||
      position_ == TPosition::poMainFormCenter || position_ == TPosition::poOwnerFormCenter) {
    CenterOnScreen();
  }
  if (IsMDIChild()) {
    TCreateParams params;
    CreateParams(params);
    CreateMDIChildWindow(params);
  } else {
    TWinControl::CreateWnd();
  }
  if (formStyle_ == TFormStyle::fsMDIForm) {
    CreateMDIClient();
    SendMDIMenus();
  } else if (menu_ && !IsMDIChild()) {
    ::SetMenu(handle_, menu_->Handle());
  }
  icon_->OnChange();
}

void TCustomForm::DestroyWnd() {
  // The menu belongs to the TMainMenu, not to the window: detach it so that
  // destroying the window leaves it alone.
  ::SetMenu(handle_, nullptr);
  clientHandle_ = nullptr;  // a child window: it goes with the frame
  const HWND client = IsMDIChild() ? GetParent(handle_) : nullptr;
  if (!client) return TWinControl::DestroyWnd();
  // The MDI client takes the child off its window list and gives the
  // frame its menu back when the child was maximised.
  text_ = GetText();
  SendMessageW(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(handle_), 0);
}

void TCustomForm::SetClientWidth(int value) {
  if (!HandleAllocated()) {
    clientWidth_ = value;
    Realign();
    return;
  }
  SetWidth(value + (Width() - ClientWidth()));
}

void TCustomForm::SetClientHeight(int value) {
  if (!HandleAllocated()) {
    clientHeight_ = value;
    Realign();
    return;
  }
  SetHeight(value + (Height() - ClientHeight()));
}

RECT TCustomForm::ClientRect() const {
  if (!HandleAllocated() && (clientWidth_ >= 0 || clientHeight_ >= 0)) {
    return RECT{0, 0, clientWidth_ >= 0 ? clientWidth_ : width_, clientHeight_ >= 0 ? clientHeight_ : height_};
  }
  return TWinControl::ClientRect();
}

// ----- showing, closing ------------------------------------------------------

void TCustomForm::Show() {
  SetVisible(true);
  if (HandleAllocated() && IsMDIChild()) {
    SendMessageW(GetParent(WindowHandle()), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(WindowHandle()), 0);
  } else if (HandleAllocated()) {
    SetForegroundWindow(WindowHandle());
  }
}

void TCustomForm::CMVisibleChanged(TMessage& message) {
  if (!message.WParam) {
    if (HandleAllocated()) ShowWindow(WindowHandle(), SW_HIDE);
    if (OnHide) OnHide(this);
    return;
  }
  HandleNeeded();
  ShowWindow(WindowHandle(), windowState_ == TWindowState::wsMinimized   ? SW_SHOWMINIMIZED
                             : windowState_ == TWindowState::wsMaximized ? SW_SHOWMAXIMIZED
                                                                         : SW_SHOWNORMAL);
  if (OnShow) OnShow(this);
  TWinControl* first =
      activeControl_ && activeControl_->CanFocus() ? activeControl_ : FindNextControl(nullptr, true, true, false);
  if (first) FocusControl(first);
}

void TCustomForm::Close() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  if (!canClose) return;
  TCloseAction action = formStyle_ == TFormStyle::fsMDIChild ? TCloseAction::caMinimize : TCloseAction::caHide;
  if (OnClose) OnClose(this, action);
  if (action == TCloseAction::caNone) return;
  TApplication* application = Application();
  if (modalResult_ == 0 && action == TCloseAction::caHide && !IsDestroying()) modalResult_ = 2;  // IDCANCEL
  if (application && application->MainForm() == this) {
    application->Terminate();
    return;
  }
  switch (action) {
    case TCloseAction::caHide: Hide(); break;
    case TCloseAction::caMinimize: SetWindowState(TWindowState::wsMinimized); break;
    case TCloseAction::caFree: Release(); break;
    default: break;
  }
}

int TCustomForm::ShowModal() {
  TApplication* application = Application();
  if (!application) throw FrameworkError(L"ShowModal needs the application object");
  std::vector<HWND> disabled;
  for (TCustomForm* form : application->FormList()) {
    if (form != this && form->HandleAllocated() && IsWindowEnabled(form->WindowHandle())) {
      EnableWindow(form->WindowHandle(), FALSE);
      disabled.push_back(form->WindowHandle());
    }
  }
  modalResult_ = 0;
  Show();
  MSG message{};
  while (modalResult_ == 0 && !application->Terminated()) {
    if (!application->ProcessMessage(message)) WaitMessage();
  }
  for (HWND window : disabled) EnableWindow(window, TRUE);
  Hide();
  return modalResult_;
}

void TCustomForm::Release() {
  if (TApplication* application = Application()) application->ReleaseForm(this);
}

// ----- focus ----------------------------------------------------------------

void TCustomForm::SetActiveControl(TWinControl* control) {
  activeControl_ = control;
  if (control && HandleAllocated() && IsWindowVisible(WindowHandle())) FocusControl(control);
}

void TCustomForm::FocusControl(TWinControl* control) {
  if (!control) return;
  activeControl_ = control;
  if (HandleAllocated() && IsWindowVisible(WindowHandle()) && control->CanFocus()) {
    ::SetFocus(control->Handle());
  }
}

void TCustomForm::SetFocusedControl(TWinControl* control) {
  if (control == focusedControl_) return;
  TWinControl* previous = focusedControl_;
  focusedControl_ = control;
  activeControl_ = control;
  if (previous) previous->Perform(CM_EXIT);
  if (control) control->Perform(CM_ENTER);
  Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
  BroadcastToAll(*this, CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
}

void TCustomForm::ForgetControl(TWinControl* control) {
  if (focusedControl_ == control) focusedControl_ = nullptr;
  if (activeControl_ == control) activeControl_ = nullptr;
}

void TCustomForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == menu_) menu_ = nullptr;
  if (component == windowMenu_) windowMenu_ = nullptr;
  if (auto* control = dynamic_cast<TWinControl*>(component)) ForgetControl(control);
}

// ----- messages -------------------------------------------------------------

void TCustomForm::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_CLOSE: return WMClose(message);
    case WM_COMMAND: return WMCommand(message);
    case WM_ACTIVATE: return WMActivate(message);
    case WM_GETMINMAXINFO: return WMGetMinMaxInfo(message);
    case WM_DRAWITEM:
    case WM_MEASUREITEM: return WMMenuItemDraw(message);
    case CM_DIALOGKEY: return CMDialogKey(message);
    case CM_DIALOGCHAR: return CMDialogChar(message);
    case CM_MENUCHANGED: return CMMenuChanged(message);
    default: return TWinControl::Dispatch(message);
  }
}

void TCustomForm::WMPaint(TMessage& message) {
  PAINTSTRUCT paint{};
  HDC dc = message.WParam ? reinterpret_cast<HDC>(message.WParam) : BeginPaint(handle_, &paint);
  PaintControls(dc);
  if (OnPaint) OnPaint(this);
  if (!message.WParam) EndPaint(handle_, &paint);
}

void TCustomForm::WMClose(TMessage&) { Close(); }

void TCustomForm::WMCommand(TMessage& message) {
  if (message.LParam == 0 && HIWORD(message.WParam) == 0 && menu_ && menu_->DispatchCommand(LOWORD(message.WParam))) {
    return;
  }
  TWinControl::Dispatch(message);
}

void TCustomForm::WMMenuItemDraw(TMessage& message) {
  const bool isMenu = message.Msg == WM_DRAWITEM
                          ? reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam)->CtlType == ODT_MENU
                          : reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam)->CtlType == ODT_MENU;
  if (isMenu && menu_) {
    const UINT id = message.Msg == WM_DRAWITEM ? reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam)->itemID
                                               : reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam)->itemID;
    if (TMenuItem* item = menu_->FindItem(id, TFindItemKind::fkCommand)) {
      if (message.Msg == WM_DRAWITEM) {
        item->DrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam));
      } else {
        item->MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam));
      }
      message.Result = 1;
      return;
    }
  }
  TWinControl::Dispatch(message);
}

void TCustomForm::WMActivate(TMessage& message) {
  DefaultHandler(message);
  active_ = LOWORD(message.WParam) != WA_INACTIVE;
  if (active_) {
    if (TApplication* application = Application()) application->SetActiveForm(this);
    if (focusedControl_ && focusedControl_->HandleAllocated() && focusedControl_->CanFocus()) {
      ::SetFocus(focusedControl_->WindowHandle());
    }
    if (OnActivate) OnActivate(this);
  } else if (OnDeactivate) {
    OnDeactivate(this);
  }
}

void TCustomForm::WMGetMinMaxInfo(TMessage& message) {
  DefaultHandler(message);
  auto* info = reinterpret_cast<MINMAXINFO*>(message.LParam);
  if (constraints_->MinWidth() > 0) info->ptMinTrackSize.x = constraints_->MinWidth();
  if (constraints_->MinHeight() > 0) info->ptMinTrackSize.y = constraints_->MinHeight();
  if (constraints_->MaxWidth() > 0) info->ptMaxTrackSize.x = constraints_->MaxWidth();
  if (constraints_->MaxHeight() > 0) info->ptMaxTrackSize.y = constraints_->MaxHeight();
}

void TCustomForm::CMDialogKey(TMessage& message) {
  const auto key = static_cast<WORD>(message.WParam);
  const bool control = GetKeyState(VK_CONTROL) < 0;
  const bool alt = GetKeyState(VK_MENU) < 0;
  if (key == VK_TAB && !control && !alt) {
    SelectNext(focusedControl_ ? focusedControl_ : activeControl_, GetKeyState(VK_SHIFT) >= 0, true);
    message.Result = 1;
    return;
  }
  // Enter and Escape go to every control: the default or cancel button
  // takes them.
  BroadcastDialogKey(message);
}

void TCustomForm::CMDialogChar(TMessage& message) { BroadcastDialogKey(message); }

void TCustomForm::BroadcastDialogKey(TMessage& message) {
  message.Result = 0;
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  for (TWinControl* control : list) {
    message.Result = control->Perform(message.Msg, message.WParam, message.LParam);
    if (message.Result != 0) return;
  }
}

void TCustomForm::CMMenuChanged(TMessage& message) {
  if (HandleAllocated() && clientHandle_) {
    SendMDIMenus();
    if (menu_) menu_->ReleaseStaleHandle();
  } else if (HandleAllocated() && !IsMDIChild()) {
    ::SetMenu(handle_, menu_ ? menu_->Handle() : nullptr);
    if (menu_) menu_->ReleaseStaleHandle();
    DrawMenuBar(handle_);
  }
  message.Result = 0;
}

// ----- icon -----------------------------------------------------------------

const ClassInfo& TIcon::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TIcon>("TIcon", &TPersistent::StaticClassInfo())
                                    .Binary("Data", &TIcon::Data, &TIcon::SetData)
                                    .Build();
  return info;
}

TIcon::~TIcon() { Clear(); }

void TIcon::Clear() {
  for (auto& [width, icon] : images_) DestroyIcon(icon);
  images_.clear();
}

void TIcon::SetData(const std::vector<uint8_t>& data) {
  Clear();
  data_ = data;
  constexpr size_t kHeader = 6, kEntry = 16;
  if (data.size() >= kHeader && data[0] == 0 && data[1] == 0 && data[2] == 1 && data[3] == 0) {
    const size_t count = data[4] | data[5] << 8;
    for (size_t i = 0; i < count && kHeader + (i + 1) * kEntry <= data.size(); ++i) {
      const uint8_t* entry = data.data() + kHeader + i * kEntry;
      const int width = entry[0] ? entry[0] : 256;
      const int height = entry[1] ? entry[1] : 256;
      const uint32_t size = entry[8] | entry[9] << 8 | entry[10] << 16 | static_cast<uint32_t>(entry[11]) << 24;
      const uint32_t offset = entry[12] | entry[13] << 8 | entry[14] << 16 | static_cast<uint32_t>(entry[15]) << 24;
      if (offset > data.size() || size > data.size() - offset || size == 0) continue;
      HICON icon = CreateIconFromResourceEx(const_cast<uint8_t*>(data.data() + offset), size, TRUE, 0x00030000, width,
                                            height, LR_DEFAULTCOLOR);
      if (icon) images_.emplace_back(width, icon);
    }
  }
  if (OnChange) OnChange();
}

HICON TIcon::Handle(int size) const {
  // Images come in the file's order, deeper colour last: the last exact
  // match is the best one; otherwise the nearest larger, else the largest.
  HICON best = nullptr;
  int bestWidth = 0;
  for (const auto& [width, icon] : images_) {
    if (width == size) {
      best = icon;
      bestWidth = width;
    } else if (bestWidth != size && (!best || (width > size && (bestWidth < size || width < bestWidth)) ||
                                     (bestWidth < size && width > bestWidth))) {
      best = icon;
      bestWidth = width;
    }
  }
  return best;
}

}  // namespace lanvero::framework
