// MDI forms: the MDI client window of a frame form, child forms created in
// it through WM_MDICREATE and destroyed through WM_MDIDESTROY, the window
// menu that lists the children, and the client's arrangement commands.
// Unhandled messages of a frame go to DefFrameProc and those of a child to
// DefMDIChildProc, which keep the client, its window list and the maximised
// child's state right.
#include "framework/controls/WindowProcedure.h"
#include "framework/core/FrameworkError.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/menus/Menus.h"

namespace lanvero::framework {

namespace {

constexpr UINT kMDIClientId = 0xCAC;

}  // namespace

HWND TCustomForm::MDIClientForChildren() {
  TApplication* application = Application();
  if (!application) return nullptr;
  for (TCustomForm* form : application->FormList()) {
    if (form->formStyle_ == TFormStyle::fsMDIForm && form->clientHandle_) return form->clientHandle_;
  }
  return nullptr;
}

void TCustomForm::CreateMDIClient() {
  RECT client{};
  GetClientRect(handle_, &client);
  // The window menu comes with the frame menu (SendMDIMenus).
  CLIENTCREATESTRUCT create{};
  create.idFirstChild = kFirstMDIChildCommand;
  clientHandle_ =
      CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                      WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VSCROLL | WS_HSCROLL, 0, 0,
                      client.right, client.bottom, handle_,
                      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kMDIClientId)), GetModuleHandleW(nullptr), &create);
  if (!clientHandle_) throw FrameworkError(L"Error creating the MDI client of " + Name());
}

void TCustomForm::CreateMDIChildWindow(const TCreateParams& params) {
  const HWND client = MDIClientForChildren();
  if (!client) throw FrameworkError(L"MDI child '" + Name() + L"' needs an MDI frame");
  const std::wstring className = ClassName();
  defWndProc_ = RegisterFrameworkClass(className, params);
  MDICREATESTRUCTW create{};
  create.szClass = className.c_str();
  create.szTitle = params.caption.c_str();
  create.hOwner = GetModuleHandleW(nullptr);
  create.x = params.x;
  create.y = params.y;
  create.cx = params.width;
  create.cy = params.height;
  create.style = params.style;
  SetCreatingControl(this);
  const auto window = reinterpret_cast<HWND>(SendMessageW(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
  SetCreatingControl(nullptr);
  if (!window) throw FrameworkError(L"Error creating MDI child " + className);
  if (!handle_) AttachHandle(window);
  CreateHandleState();
}

void TCustomForm::DefaultHandler(TMessage& message) {
  if (!handle_) {
    message.Result = 0;
    return;
  }
  if (formStyle_ == TFormStyle::fsMDIForm) {
    message.Result = DefFrameProcW(handle_, clientHandle_, message.Msg, message.WParam, message.LParam);
  } else if (IsMDIChild()) {
    message.Result = DefMDIChildProcW(handle_, message.Msg, message.WParam, message.LParam);
  } else {
    TWinControl::DefaultHandler(message);
  }
}

void TCustomForm::SetWindowMenu(TMenuItem* item) {
  if (windowMenu_) RemoveFreeNotification(windowMenu_);
  windowMenu_ = item;
  if (windowMenu_) FreeNotification(windowMenu_);
  if (clientHandle_) SendMDIMenus();
}

void TCustomForm::SendMDIMenus() {
  // The frame menu first: building it gives the window menu its handle.
  const HMENU frameMenu = menu_ ? menu_->Handle() : nullptr;
  const HMENU windowMenu = windowMenu_ ? windowMenu_->Handle() : nullptr;
  SendMessageW(clientHandle_, WM_MDISETMENU, reinterpret_cast<WPARAM>(frameMenu), reinterpret_cast<LPARAM>(windowMenu));
  DrawMenuBar(handle_);
}

std::vector<TCustomForm*> TCustomForm::MDIChildList() const {
  std::vector<TCustomForm*> children;
  if (!clientHandle_) return children;
  for (HWND child = GetTopWindow(clientHandle_); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (auto* form = dynamic_cast<TCustomForm*>(FindControlFromHandle(child)); form && form->IsMDIChild()) {
      children.push_back(form);
    }
  }
  return children;
}

TCustomForm* TCustomForm::ActiveMDIChild() const {
  if (!clientHandle_) return nullptr;
  const auto active = reinterpret_cast<HWND>(SendMessageW(clientHandle_, WM_MDIGETACTIVE, 0, 0));
  return dynamic_cast<TCustomForm*>(FindControlFromHandle(active));
}

void TCustomForm::Tile() {
  if (clientHandle_) SendMessageW(clientHandle_, WM_MDITILE, MDITILE_VERTICAL, 0);
}

void TCustomForm::Cascade() {
  if (clientHandle_) SendMessageW(clientHandle_, WM_MDICASCADE, 0, 0);
}

void TCustomForm::ArrangeIcons() {
  if (clientHandle_) SendMessageW(clientHandle_, WM_MDIICONARRANGE, 0, 0);
}

void TCustomForm::Next() {
  if (clientHandle_) SendMessageW(clientHandle_, WM_MDINEXT, 0, FALSE);
}

void TCustomForm::Previous() {
  if (clientHandle_) SendMessageW(clientHandle_, WM_MDINEXT, 0, TRUE);
}

}  // namespace lanvero::framework
