#include "framework/controls/WinControl.h"

#include "framework/controls/WindowProcedure.h"
#include "framework/core/ClassBuilder.h"
#include "framework/forms/Form.h"

namespace lanvero::framework {

namespace {

WORD NextChildId() {
  static WORD id = 100;
  id = static_cast<WORD>(id == 0xFFFF ? 100 : id + 1);
  return id;
}

}  // namespace

const ClassInfo& TWinControl::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TWinControl>("TWinControl", &TControl::StaticClassInfo())
                                    .Integer("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder)
                                    .Boolean("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop)
                                    .Event("OnEnter", &TWinControl::OnEnter, &TWinControl::onEnterName)
                                    .Event("OnExit", &TWinControl::OnExit, &TWinControl::onExitName)
                                    .Event("OnKeyDown", &TWinControl::OnKeyDown)
                                    .Event("OnKeyUp", &TWinControl::OnKeyUp)
                                    .Event("OnKeyPress", &TWinControl::OnKeyPress)
                                    .Build();
  return info;
}

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl() {
  MarkDestroying();
  // Owned components (skinners, and for a form every component) go first,
  // while this control is still whole; then children owned elsewhere.
  DestroyComponents();
  while (!controls_.empty()) delete controls_.back();
  if (TCustomForm* form = GetParentForm(this); form && form != this) form->ForgetControl(this);
  DestroyHandle();
}

HWND TWinControl::Handle() {
  HandleNeeded();
  return handle_;
}

void TWinControl::SetParentWindow(HWND window) {
  if (window == parentWindow_ || parent_) return;
  parentWindow_ = window;
  if (!handle_) return;
  if (window) {
    ::SetParent(handle_, window);
  } else {
    DestroyHandle();
  }
}

void TWinControl::HandleNeeded() {
  if (handle_) return;
  if (parent_) parent_->HandleNeeded();
  if (!handle_) CreateWnd();
}

void TWinControl::CreateParams(TCreateParams& params) {
  params.caption = text_;
  params.style = WS_CHILD | WS_CLIPSIBLINGS;
  if (Visible()) params.style |= WS_VISIBLE;
  if (tabStop_) params.style |= WS_TABSTOP;
  if (!Enabled()) params.style |= WS_DISABLED;
  params.exStyle |= BiDiExStyle();
  params.x = left_;
  params.y = top_;
  params.width = width_;
  params.height = height_;
  params.parentWindow = parent_ ? parent_->WindowHandle() : parentWindow_;
  params.menuOrId = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(NextChildId()));
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if ((params.style & WS_CHILD) && !params.parentWindow) {
    throw FrameworkError(L"Control '" + Name() + L"' has no parent window");
  }
  const std::wstring className = ClassName();
  defWndProc_ = RegisterFrameworkClass(className, params);
  SetCreatingControl(this);
  HWND window = CreateWindowExW(params.exStyle, className.c_str(), params.caption.c_str(), params.style, params.x,
                                params.y, params.width, params.height, params.parentWindow, params.menuOrId,
                                GetModuleHandleW(nullptr), nullptr);
  SetCreatingControl(nullptr);
  if (!window) throw FrameworkError(L"Error creating window " + className);
  if (!handle_) AttachHandle(window);
  CreateHandleState();
}

void TWinControl::CreateHandleState() {
  SendFont();
  CreateChildHandles();
  Realign();
}

void TWinControl::CreateChildHandles() {
  for (TControl* child : std::vector<TControl*>(controls_)) {
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) windowed->HandleNeeded();
  }
}

void TWinControl::AttachHandle(HWND window) {
  handle_ = window;
  SetPropW(window, MAKEINTATOM(ControlAtom()), static_cast<TControl*>(this));
}

void TWinControl::DetachHandle() {
  if (!handle_) return;
  RemovePropW(handle_, MAKEINTATOM(ControlAtom()));
  handle_ = nullptr;
}

void TWinControl::DestroyWnd() {
  text_ = GetText();  // the window held the text; keep it for a new window
  DestroyWindow(handle_);
}

void TWinControl::DestroyHandle() {
  if (!handle_) return;
  for (TControl* child : controls_) {
    if (auto* windowed = dynamic_cast<TWinControl*>(child)) windowed->DestroyHandle();
  }
  DestroyWnd();
  DetachHandle();  // in case a foreign procedure swallowed WM_NCDESTROY
}

void TWinControl::RecreateWnd() {
  if (handle_) Perform(CM_RECREATEWND);
}

void TWinControl::CMRecreateWnd(TMessage&) {
  DestroyHandle();
  UpdateControlState();
}

void TWinControl::UpdateControlState() {
  if (parent_ && parent_->HandleAllocated()) HandleNeeded();
}

LRESULT TWinControl::SendToWindow(UINT msg, WPARAM wParam, LPARAM lParam) const {
  return handle_ ? SendMessageW(handle_, msg, wParam, lParam) : 0;
}

void TWinControl::SendFont() { SendToWindow(WM_SETFONT, reinterpret_cast<WPARAM>(Font()->Handle()), TRUE); }

void TWinControl::DefaultHandler(TMessage& message) {
  message.Result = handle_ ? CallWindowProcW(defWndProc_, handle_, message.Msg, message.WParam, message.LParam) : 0;
}

}  // namespace lanvero::framework
