#include "framework/controls/WinControl.h"

#include <algorithm>

#include "framework/controls/WindowProcedure.h"
#include "framework/core/ClassBuilder.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/menus/Menus.h"

namespace lanvero::framework {

namespace {

// The control under the mouse, for CM_MOUSEENTER and CM_MOUSELEAVE.
TControl* g_mouseControl = nullptr;

bool IsMouseButtonMessage(UINT msg) {
  return msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP || msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDOWN ||
         msg == WM_RBUTTONUP || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDOWN || msg == WM_MBUTTONUP ||
         msg == WM_MBUTTONDBLCLK;
}

bool IsButtonDown(UINT msg) {
  return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN || msg == WM_LBUTTONDBLCLK ||
         msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
}

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

// ----- window ---------------------------------------------------------------

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

// ----- children -------------------------------------------------------------

void TWinControl::InsertControl(TControl* control) {
  controls_.push_back(control);
  control->parent_ = this;
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) tabList_.push_back(windowed);
  control->Perform(CM_PARENTFONTCHANGED);
  control->Perform(CM_PARENTCOLORCHANGED);
  if (control->ParentBiDiMode() && control->BiDiMode() != BiDiMode()) control->SetParentBiDiMode(true);
  if (auto* windowed = dynamic_cast<TWinControl*>(control); windowed && handle_) windowed->HandleNeeded();
  control->InvalidateControl(true);
  ControlInserted(control);
  if (control->Align() != TAlign::alNone) Realign();
}

void TWinControl::RemoveControl(TControl* control) {
  // The tab list is searched by address: a control on its way out of its
  // destructor no longer casts to a windowed control, yet must not stay listed.
  std::erase_if(tabList_, [control](const TWinControl* entry) { return static_cast<const TControl*>(entry) == control; });
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    windowed->DestroyHandle();
  } else {
    control->InvalidateControl(true);
  }
  controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
  control->parent_ = nullptr;
  if (mouseCaptureControl_ == control) mouseCaptureControl_ = nullptr;
  ControlRemoved(control);
  if (control->Align() != TAlign::alNone) Realign();
}

bool TWinControl::ContainsControl(const TControl* control) const {
  for (; control; control = control->Parent()) {
    if (control == this) return true;
  }
  return false;
}

TControl* TWinControl::ControlAtPos(POINT point, bool allowDisabled, bool allowWinControls) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    TControl* control = *it;
    if (control->IsWindowed() && !allowWinControls) continue;
    if (!control->Visible() || (!control->Enabled() && !allowDisabled)) continue;
    const RECT bounds = control->BoundsRect();
    if (!PtInRect(&bounds, point)) continue;
    const POINT local{point.x - control->Left(), point.y - control->Top()};
    if (control->Perform(CM_HITTEST, 0, MAKELPARAM(local.x, local.y)) != 0) return control;
  }
  return nullptr;
}

void TWinControl::Broadcast(TMessage& message) {
  for (TControl* control : std::vector<TControl*>(controls_)) {
    message.Result = control->Perform(message.Msg, message.WParam, message.LParam);
    if (message.Result != 0) return;
  }
}

// ----- tab order and focus -------------------------------------------------

int TWinControl::TabOrder() const {
  if (!parent_) return -1;
  const auto& list = parent_->tabList_;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int order) {
  if (IsLoading()) loadedTabOrder_ = order;
  if (!parent_) return;
  auto& list = parent_->tabList_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  order = std::clamp(order, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + order, this);
}

void TWinControl::SetTabStop(bool value) {
  tabStop_ = value;
  if (!handle_) return;
  LONG_PTR style = GetWindowLongPtrW(handle_, GWL_STYLE);
  style = value ? (style | WS_TABSTOP) : (style & ~static_cast<LONG_PTR>(WS_TABSTOP));
  SetWindowLongPtrW(handle_, GWL_STYLE, style);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& list) const {
  for (TWinControl* control : tabList_) {
    list.push_back(control);
    control->GetTabOrderList(list);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward, bool checkTabStop,
                                          bool checkParent) const {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty()) return nullptr;
  const int count = static_cast<int>(list.size());
  auto it = std::find(list.begin(), list.end(), current);
  int index = it == list.end() ? (forward ? count - 1 : 0) : static_cast<int>(it - list.begin());
  for (int step = 0; step < count; ++step) {
    index = (index + (forward ? 1 : count - 1)) % count;
    TWinControl* candidate = list[static_cast<size_t>(index)];
    if (candidate == current) break;
    if ((!checkTabStop || candidate->TabStop()) && (!checkParent || candidate->Parent() == this) &&
        candidate->CanFocus()) {
      return candidate;
    }
  }
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop) {
  if (TWinControl* next = FindNextControl(current, forward, checkTabStop, false)) next->SetFocus();
}

bool TWinControl::CanFocus() const {
  for (const TControl* control = this; control; control = control->Parent()) {
    if (!control->Visible() || !control->Enabled()) return false;
  }
  return true;
}

bool TWinControl::Focused() const { return handle_ && GetFocus() == handle_; }

void TWinControl::SetFocus() {
  if (TCustomForm* form = GetParentForm(this); form && form != this) {
    form->FocusControl(this);
  } else {
    ::SetFocus(Handle());
  }
}

// ----- geometry and alignment ----------------------------------------------

void TWinControl::SetBounds(int left, int top, int width, int height) {
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  const bool resized = width != width_ || height != height_;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  ApplyWindowBounds();
  if (resized) Realign();
  RequestAlign();
  BoundsChanged();
  if (OnResize) OnResize(this);
}

void TWinControl::ApplyWindowBounds() {
  if (handle_) SetWindowPos(handle_, nullptr, left_, top_, width_, height_, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::BoundsChanged() {}

RECT TWinControl::ClientRect() const {
  RECT rect{0, 0, width_, height_};
  if (handle_) GetClientRect(handle_, &rect);
  return rect;
}

RECT TWinControl::AlignClientRect() { return ClientRect(); }

void TWinControl::Realign() {
  if (alignDisabled_ > 0 || aligning_) return;
  aligning_ = true;
  RECT rect = AlignClientRect();
  AlignControls(rect);
  aligning_ = false;
}

void TWinControl::EnableAlign() {
  if (alignDisabled_ > 0 && --alignDisabled_ == 0) Realign();
}

void TWinControl::AlignOrderedBy(std::vector<TControl*>& controls, TAlign align) {
  controls.clear();
  for (TControl* control : controls_) {
    if (control->Visible() && control->Align() == align) controls.push_back(control);
  }
  auto key = [align](const TControl* c) {
    switch (align) {
      case TAlign::alTop: return c->Top();
      case TAlign::alBottom: return -(c->Top() + c->Height());
      case TAlign::alLeft: return c->Left();
      case TAlign::alRight: return -(c->Left() + c->Width());
      default: return 0;
    }
  };
  std::stable_sort(controls.begin(), controls.end(),
                   [&](const TControl* a, const TControl* b) { return key(a) < key(b); });
}

void TWinControl::AlignControls(RECT& rect) {
  std::vector<TControl*> group;
  for (TAlign align : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
    AlignOrderedBy(group, align);
    for (TControl* c : group) {
      const int w = rect.right - rect.left;
      const int h = rect.bottom - rect.top;
      switch (align) {
        case TAlign::alTop:
          c->SetBounds(rect.left, rect.top, w, c->Height());
          rect.top += c->Height();
          break;
        case TAlign::alBottom:
          c->SetBounds(rect.left, rect.bottom - c->Height(), w, c->Height());
          rect.bottom -= c->Height();
          break;
        case TAlign::alLeft:
          c->SetBounds(rect.left, rect.top, c->Width(), h);
          rect.left += c->Width();
          break;
        case TAlign::alRight:
          c->SetBounds(rect.right - c->Width(), rect.top, c->Width(), h);
          rect.right -= c->Width();
          break;
        default:
          c->SetBounds(rect.left, rect.top, w, h);
          break;
      }
    }
  }
}

bool TWinControl::Showing() const {
  if (!Visible()) return false;
  if (!parent_) return handle_ && IsWindowVisible(handle_) != FALSE;
  return parent_->Showing();
}

void TWinControl::Loaded() {
  TControl::Loaded();
  // Siblings read later may have pushed this control away from its place.
  if (loadedTabOrder_ >= 0) SetTabOrder(loadedTabOrder_);
  loadedTabOrder_ = -1;
  Realign();
}

POINT TWinControl::ClientToScreen(POINT point) const {
  if (handle_) {
    ::ClientToScreen(handle_, &point);
    return point;
  }
  return TControl::ClientToScreen(point);
}

POINT TWinControl::ScreenToClient(POINT point) const {
  if (handle_) {
    ::ScreenToClient(handle_, &point);
    return point;
  }
  return TControl::ScreenToClient(point);
}

// ----- text, painting -------------------------------------------------------

std::wstring TWinControl::GetText() const {
  if (!handle_) return text_;
  const int length = GetWindowTextLengthW(handle_);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(handle_, text.data(), length + 1)));
  return text;
}

void TWinControl::SetText(const std::wstring& text) {
  if (handle_) {
    if (GetText() == text) return;
    SetWindowTextW(handle_, text.c_str());
    text_ = text;
    Perform(CM_TEXTCHANGED);
    return;
  }
  TControl::SetText(text);
}

void TWinControl::Invalidate() {
  if (handle_) InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::Update() {
  if (handle_) UpdateWindow(handle_);
}

HBRUSH TWinControl::BackgroundBrush() {
  if (!brush_ || brushColor_ != Color()) {
    brush_.Reset(CreateSolidBrush(ColorToRGB(Color())));
    brushColor_ = Color();
  }
  return brush_.Get();
}

void TWinControl::PaintControls(HDC dc) {
  for (TControl* control : controls_) {
    if (control->IsWindowed() || !control->Visible()) continue;
    const RECT bounds = control->BoundsRect();
    if (!RectVisible(dc, &bounds)) continue;
    SavedDC saved(dc);
    OffsetViewportOrgEx(dc, bounds.left, bounds.top, nullptr);
    IntersectClipRect(dc, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top);
    control->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  }
}

void TWinControl::WMPaint(TMessage& message) {
  const bool hasGraphicChildren = std::any_of(controls_.begin(), controls_.end(),
                                              [](const TControl* c) { return !c->IsWindowed() && c->Visible(); });
  if (!hasGraphicChildren) return DefaultHandler(message);
  DefaultHandler(message);
  if (message.WParam) {
    PaintControls(reinterpret_cast<HDC>(message.WParam));
  } else {
    WindowDC dc(handle_);
    PaintControls(dc.Get());
  }
}

void TWinControl::WMEraseBkgnd(TMessage& message) {
  if (!WantsErase()) return DefaultHandler(message);
  RECT client{};
  GetClientRect(handle_, &client);
  FillRect(reinterpret_cast<HDC>(message.WParam), &client, BackgroundBrush());
  message.Result = 1;
}

// ----- messages -------------------------------------------------------------

void TWinControl::WndProc(TMessage& message) {
  if ((message.Msg == WM_MOUSEMOVE || IsMouseButtonMessage(message.Msg)) && ForwardMouseToChild(message)) return;
  TControl::WndProc(message);
}

bool TWinControl::ForwardMouseToChild(TMessage& message) {
  const POINT point{message.X(), message.Y()};
  TControl* target = (GetCapture() == handle_ && mouseCaptureControl_) ? mouseCaptureControl_ : ControlAtPos(point);
  if (message.Msg == WM_MOUSEMOVE) {
    UpdateMouseControl(target ? target : this);
    if (!trackingMouse_ && handle_) {
      TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, handle_, 0};
      trackingMouse_ = TrackMouseEvent(&track) != FALSE;
    }
  }
  if (!target) return false;
  if (IsButtonDown(message.Msg)) {
    if (TApplication* application = Application()) application->CancelHint();
    SetCapture(handle_);
    mouseCaptureControl_ = target;
  }
  const LPARAM local = MAKELPARAM(point.x - target->Left(), point.y - target->Top());
  message.Result = target->Perform(message.Msg, message.WParam, local);
  if (!IsButtonDown(message.Msg) && message.Msg != WM_MOUSEMOVE && !(message.WParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) {
    if (GetCapture() == handle_) ReleaseCapture();
    mouseCaptureControl_ = nullptr;
  }
  return true;
}

void TWinControl::UpdateMouseControl(TControl* control) {
  if (control == g_mouseControl) return;
  TControl* previous = g_mouseControl;
  g_mouseControl = control;
  if (previous) previous->Perform(CM_MOUSELEAVE);
  if (control) control->Perform(CM_MOUSEENTER);
  if (TApplication* application = Application()) {
    if (previous) application->HintMouseLeave(previous);
    if (control) application->HintMouseEnter(control);
  }
}

void TWinControl::ForgetMouseControl(TControl* control) {
  if (g_mouseControl == control) g_mouseControl = nullptr;
  if (TApplication* application = Application()) application->HintMouseLeave(control);
}

void TWinControl::WMMouseLeave(TMessage& message) {
  trackingMouse_ = false;
  if (g_mouseControl == this || (g_mouseControl && g_mouseControl->Parent() == this && !g_mouseControl->IsWindowed())) {
    UpdateMouseControl(nullptr);
  }
  DefaultHandler(message);
}

bool TWinControl::ReflectToChild(HWND child, TMessage& message) {
  TControl* control = FindControlFromHandle(child);
  if (!control || control == this) return false;
  message.Result = control->Perform(CN_BASE + message.Msg, message.WParam, message.LParam);
  return true;
}

void TWinControl::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT: return WMPaint(message);
    case WM_ERASEBKGND: return WMEraseBkgnd(message);
    case WM_SETCURSOR: return WMSetCursor(message);
    case WM_SETFOCUS: return WMSetFocus(message);
    case WM_KILLFOCUS: return WMKillFocus(message);
    case WM_WINDOWPOSCHANGED: return WMWindowPosChanged(message);
    case WM_MOUSELEAVE: return WMMouseLeave(message);
    case WM_COMMAND:
      if (message.LParam && ReflectToChild(reinterpret_cast<HWND>(message.LParam), message)) return;
      break;
    case WM_NOTIFY:
      if (ReflectToChild(reinterpret_cast<NMHDR*>(message.LParam)->hwndFrom, message)) return;
      break;
    case WM_DRAWITEM: {
      const auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(message.LParam);
      if (item->CtlType == ODT_MENU ? DispatchPopupMenuItem(message) : ReflectToChild(item->hwndItem, message)) return;
      break;
    }
    case WM_MEASUREITEM: {
      const auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
      if (item->CtlType == ODT_MENU ? DispatchPopupMenuItem(message)
                                    : ReflectToChild(GetDlgItem(handle_, static_cast<int>(item->CtlID)), message)) {
        return;
      }
      break;
    }
    case WM_COMPAREITEM:
      if (ReflectToChild(reinterpret_cast<COMPAREITEMSTRUCT*>(message.LParam)->hwndItem, message)) return;
      break;
    case WM_DELETEITEM:
      if (ReflectToChild(reinterpret_cast<DELETEITEMSTRUCT*>(message.LParam)->hwndItem, message)) return;
      break;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CHARTOITEM:
    case WM_VKEYTOITEM:
      if (message.LParam && ReflectToChild(reinterpret_cast<HWND>(message.LParam), message)) return;
      break;
    case CN_KEYDOWN:
    case CN_SYSKEYDOWN: return CNKeyDown(message);
    case CN_CHAR:
    case CN_SYSCHAR: return CNChar(message);
    case CN_CTLCOLORMSGBOX:
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORLISTBOX:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORDLG:
    case CN_CTLCOLORSCROLLBAR:
    case CN_CTLCOLORSTATIC: return CNCtlColor(message);
    case CM_ENTER: return CMEnter(message);
    case CM_EXIT: return CMExit(message);
    case CM_RECREATEWND: return CMRecreateWnd(message);
    default: return TControl::Dispatch(message);
  }
  DefaultHandler(message);
}

void TWinControl::WMSetCursor(TMessage& message) {
  if (reinterpret_cast<HWND>(message.WParam) == handle_ && LOWORD(message.LParam) == HTCLIENT) {
    POINT point{};
    GetCursorPos(&point);
    ::ScreenToClient(handle_, &point);
    TControl* target = ControlAtPos(point);
    const TCursor cursor = target && target->Cursor() != crDefault ? target->Cursor() : Cursor();
    if (cursor != crDefault) {
      ::SetCursor(LoadCursorFor(cursor));
      message.Result = 1;
      return;
    }
  }
  DefaultHandler(message);
}

void TWinControl::WMSetFocus(TMessage& message) {
  DefaultHandler(message);
  if (TCustomForm* form = GetParentForm(this); form && form != this) form->SetFocusedControl(this);
}

void TWinControl::WMKillFocus(TMessage& message) { DefaultHandler(message); }

void TWinControl::WMWindowPosChanged(TMessage& message) {
  const auto* position = reinterpret_cast<WINDOWPOS*>(message.LParam);
  if (!(position->flags & SWP_NOSIZE) || !(position->flags & SWP_NOMOVE)) {
    RECT rect{};
    GetWindowRect(handle_, &rect);
    HWND parentWindow = GetParent(handle_);
    if (parentWindow && (GetWindowLongPtrW(handle_, GWL_STYLE) & WS_CHILD)) {
      MapWindowPoints(nullptr, parentWindow, reinterpret_cast<POINT*>(&rect), 2);
    }
    const bool resized = rect.right - rect.left != width_ || rect.bottom - rect.top != height_;
    const bool moved = rect.left != left_ || rect.top != top_;
    left_ = rect.left;
    top_ = rect.top;
    width_ = rect.right - rect.left;
    height_ = rect.bottom - rect.top;
    if (resized) Realign();
    if (resized || moved) {
      BoundsChanged();
      if (resized && OnResize) OnResize(this);
    }
  }
  DefaultHandler(message);
}

void TWinControl::CNKeyDown(TMessage& message) {
  auto key = static_cast<WORD>(message.WParam);
  const TShiftState shift = (GetKeyState(VK_SHIFT) < 0 ? ssShift : 0) | (GetKeyState(VK_CONTROL) < 0 ? ssCtrl : 0) |
                            (GetKeyState(VK_MENU) < 0 ? ssAlt : 0);
  // A form with KeyPreview sees the key before the control.
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview() && form->OnKeyDown) form->OnKeyDown(form, key, shift);
  if (key != 0 && OnKeyDown) OnKeyDown(this, key, shift);
  if (key == 0) {
    message.Result = 1;
    return;
  }
  // Navigation keys the control does not want go to its form as dialog keys.
  UINT wanted = 0;
  switch (key) {
    case VK_TAB: wanted = DLGC_WANTTAB; break;
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: wanted = DLGC_WANTARROWS; break;
    case VK_RETURN: case VK_EXECUTE: case VK_ESCAPE: case VK_CANCEL: wanted = DLGC_WANTALLKEYS; break;
    default: return;
  }
  if (handle_ && (SendMessageW(handle_, WM_GETDLGCODE, key, 0) & wanted)) return;
  if (form) {
    message.Result = form->Perform(CM_DIALOGKEY, key, message.LParam) != 0 ? 1 : 0;
  }
}

void TWinControl::CNChar(TMessage& message) {
  auto character = static_cast<wchar_t>(message.WParam);
  if (OnKeyPress && message.Msg == CN_CHAR) {
    OnKeyPress(this, character);
    if (character == 0) {
      message.Result = 1;
      return;
    }
  }
  // Accelerator characters (Alt+letter, or letters a control ignores) are
  // offered to the form's controls as dialog characters.
  const bool wantsChars = handle_ && (SendMessageW(handle_, WM_GETDLGCODE, 0, 0) & DLGC_WANTCHARS);
  if (message.Msg == CN_SYSCHAR || !wantsChars) {
    if (TCustomForm* form = GetParentForm(this)) {
      message.Result = form->Perform(CM_DIALOGCHAR, character, message.LParam) != 0 ? 1 : 0;
    }
  }
}

void TWinControl::CNCtlColor(TMessage& message) {
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  SetTextColor(dc, ColorToRGB(Font()->Color()));
  SetBkColor(dc, ColorToRGB(Color()));
  message.Result = reinterpret_cast<LRESULT>(BackgroundBrush());
}

void TWinControl::CMEnter(TMessage&) {
  if (OnEnter) OnEnter(this);
}

void TWinControl::CMExit(TMessage&) {
  if (OnExit) OnExit(this);
}

void TWinControl::CMVisibleChanged(TMessage& message) {
  if (handle_) {
    ShowWindow(handle_, message.WParam ? SW_SHOWNOACTIVATE : SW_HIDE);
  } else if (message.WParam) {
    UpdateControlState();
  }
}

void TWinControl::CMEnabledChanged(TMessage&) {
  if (handle_) EnableWindow(handle_, Enabled() ? TRUE : FALSE);
  Invalidate();
}

void TWinControl::CMColorChanged(TMessage&) {
  for (TControl* control : std::vector<TControl*>(controls_)) control->Perform(CM_PARENTCOLORCHANGED);
  Invalidate();
}

void TWinControl::CMFontChanged(TMessage&) {
  SendFont();
  for (TControl* control : std::vector<TControl*>(controls_)) control->Perform(CM_PARENTFONTCHANGED);
  Invalidate();
}

void TWinControl::CMBiDiModeChanged(TMessage&) {
  for (TControl* control : std::vector<TControl*>(controls_)) {
    if (control->ParentBiDiMode()) control->SetParentBiDiMode(true);
  }
  RecreateWnd();
}

}  // namespace lanvero::framework
