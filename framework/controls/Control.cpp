#include "framework/controls/Control.h"

#include "framework/controls/WinControl.h"
#include "framework/core/ClassBuilder.h"
#include "framework/forms/Form.h"
#include "framework/menus/Menus.h"

namespace lanvero::framework {

TShiftState KeysToShiftState(WPARAM keys) {
  TShiftState shift = 0;
  if (keys & MK_SHIFT) shift |= ssShift;
  if (keys & MK_CONTROL) shift |= ssCtrl;
  if (keys & MK_LBUTTON) shift |= ssLeft;
  if (keys & MK_RBUTTON) shift |= ssRight;
  if (keys & MK_MBUTTON) shift |= ssMiddle;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

HCURSOR LoadCursorFor(TCursor cursor) {
  const wchar_t* id = IDC_ARROW;
  switch (cursor) {
    case crNone: return nullptr;
    case crCross: id = IDC_CROSS; break;
    case crIBeam: id = IDC_IBEAM; break;
    case crSizeNESW: id = IDC_SIZENESW; break;
    case crSizeNS: id = IDC_SIZENS; break;
    case crSizeNWSE: id = IDC_SIZENWSE; break;
    case crSizeWE: id = IDC_SIZEWE; break;
    case crUpArrow: id = IDC_UPARROW; break;
    case crHourGlass: id = IDC_WAIT; break;
    case crNo: id = IDC_NO; break;
    case crAppStart: id = IDC_APPSTARTING; break;
    case crHelp: id = IDC_HELP; break;
    case crHandPoint: id = IDC_HAND; break;
    case crSizeAll: id = IDC_SIZEALL; break;
    default: break;
  }
  return LoadCursorW(nullptr, id);
}

TCustomForm* GetParentForm(const TControl* control) {
  while (control && control->Parent()) control = control->Parent();
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(control));
}

const ClassInfo& TControl::StaticClassInfo() {
  static const ClassInfo info =
      ClassBuilder<TControl>("TControl", &TComponent::StaticClassInfo())
          .Integer("Left", &TControl::Left, &TControl::SetLeft)
          .Integer("Top", &TControl::Top, &TControl::SetTop)
          .Integer("Width", &TControl::Width, &TControl::SetWidth)
          .Integer("Height", &TControl::Height, &TControl::SetHeight)
          .Enumeration("Align", AlignEnum(), &TControl::Align, &TControl::SetAlign)
          .Boolean("Visible", &TControl::Visible, &TControl::SetVisible)
          .Boolean("Enabled", &TControl::Enabled, &TControl::SetEnabled)
          .Integer("Color", &TControl::Color, &TControl::SetColor, &ColorIdentifiers())
          .Boolean("ParentColor", &TControl::ParentColor, &TControl::SetParentColor)
          .Object("Font", &TControl::Font)
          .Boolean("ParentFont", &TControl::ParentFont, &TControl::SetParentFont)
          .Integer("Cursor", &TControl::Cursor, &TControl::SetCursor, &CursorIdentifiers())
          .String("Hint", &TControl::Hint, &TControl::SetHint)
          .Boolean("ShowHint", &TControl::ShowHint, &TControl::SetShowHint)
          .Enumeration("BiDiMode", BiDiModeEnum(), &TControl::BiDiMode, &TControl::SetBiDiMode)
          .Boolean("ParentBiDiMode", &TControl::ParentBiDiMode, &TControl::SetParentBiDiMode)
          .Reference("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu)
          .Event("OnClick", &TControl::OnClick, &TControl::onClickName)
          .Event("OnDblClick", &TControl::OnDblClick, &TControl::onDblClickName)
          .Event("OnMouseDown", &TControl::OnMouseDown)
          .Event("OnMouseUp", &TControl::OnMouseUp)
          .Event("OnMouseMove", &TControl::OnMouseMove)
          .Event("OnResize", &TControl::OnResize)
          .Build();
  return info;
}

TControl::TControl(TComponent* owner) : TComponent(owner), color_(clBtnFace), font_(std::make_unique<TFont>()) {
  WindowProc = [this](TMessage& message) { WndProc(message); };
  font_->OnChange = [this] { FontPropertyChanged(); };
}

TControl::~TControl() {
  MarkDestroying();
  DestroyComponents();
  TWinControl::ForgetMouseControl(this);
  SetParent(nullptr);
}

void TControl::WndProc(TMessage& message) { Dispatch(message); }

void TControl::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == popupMenu_) popupMenu_ = nullptr;
}

void TControl::DefaultHandler(TMessage& message) { message.Result = 0; }

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  TMessage message{msg, wParam, lParam, 0};
  if (WindowProc) {
    WindowProc(message);
  } else {
    WndProc(message);
  }
  return message.Result;
}

void TControl::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN: return WMLButtonDown(message);
    case WM_LBUTTONUP: return WMLButtonUp(message);
    case WM_LBUTTONDBLCLK: return WMLButtonDblClk(message);
    case WM_RBUTTONDOWN: return WMButtonDown(message, TMouseButton::mbRight);
    case WM_RBUTTONUP: return WMButtonUp(message, TMouseButton::mbRight);
    case WM_MBUTTONDOWN: return WMButtonDown(message, TMouseButton::mbMiddle);
    case WM_MBUTTONUP: return WMButtonUp(message, TMouseButton::mbMiddle);
    case WM_MOUSEMOVE: return WMMouseMove(message);
    case WM_CONTEXTMENU: return WMContextMenu(message);
    case CM_VISIBLECHANGED: return CMVisibleChanged(message);
    case CM_ENABLEDCHANGED: return CMEnabledChanged(message);
    case CM_COLORCHANGED: return CMColorChanged(message);
    case CM_FONTCHANGED: return CMFontChanged(message);
    case CM_PARENTCOLORCHANGED: return CMParentColorChanged(message);
    case CM_PARENTFONTCHANGED: return CMParentFontChanged(message);
    case CM_BIDIMODECHANGED: return CMBiDiModeChanged(message);
    case CM_TEXTCHANGED: return CMTextChanged(message);
    case CM_HITTEST: return CMHitTest(message);
    default: return DefaultHandler(message);
  }
}

void TControl::WMLButtonDown(TMessage& message) {
  const LifeWatch life = WatchLife();
  DefaultHandler(message);
  if (life.Gone()) return;
  if (controlStyle_ & csClickEvents) clicked_ = true;
  MouseDown(TMouseButton::mbLeft, KeysToShiftState(message.WParam), message.X(), message.Y());
}

void TControl::WMLButtonUp(TMessage& message) {
  const LifeWatch life = WatchLife();
  DefaultHandler(message);  // a button's own click runs in here
  if (life.Gone()) return;
  const bool wasClicked = clicked_;
  clicked_ = false;
  const POINT point{message.X(), message.Y()};
  const RECT client = ClientRect();
  if (wasClicked && PtInRect(&client, point)) Click();
  if (life.Gone()) return;
  MouseUp(TMouseButton::mbLeft, KeysToShiftState(message.WParam), point.x, point.y);
}

void TControl::WMButtonDown(TMessage& message, TMouseButton button) {
  const LifeWatch life = WatchLife();
  DefaultHandler(message);
  if (life.Gone()) return;
  MouseDown(button, KeysToShiftState(message.WParam), message.X(), message.Y());
}

void TControl::WMButtonUp(TMessage& message, TMouseButton button) {
  const LifeWatch life = WatchLife();
  DefaultHandler(message);
  if (life.Gone()) return;
  MouseUp(button, KeysToShiftState(message.WParam), message.X(), message.Y());
}

void TControl::WMLButtonDblClk(TMessage& message) {
  const LifeWatch life = WatchLife();
  DefaultHandler(message);
  if (life.Gone()) return;
  if (controlStyle_ & csDoubleClicks) DblClick();
  if (life.Gone()) return;
  MouseDown(TMouseButton::mbLeft, KeysToShiftState(message.WParam) | ssDouble, message.X(), message.Y());
}

void TControl::WMMouseMove(TMessage& message) {
  DefaultHandler(message);
  MouseMove(KeysToShiftState(message.WParam), message.X(), message.Y());
}

void TControl::WMContextMenu(TMessage& message) {
  if (!popupMenu_) return DefaultHandler(message);
  POINT point{static_cast<short>(LOWORD(message.LParam)), static_cast<short>(HIWORD(message.LParam))};
  if (point.x == -1 && point.y == -1) point = ClientToScreen(POINT{0, 0});
  popupMenu_->SetPopupComponent(this);
  popupMenu_->Popup(point.x, point.y);
  message.Result = 1;
}

void TControl::CMVisibleChanged(TMessage&) { InvalidateControl(true); }
void TControl::CMEnabledChanged(TMessage&) { Invalidate(); }
void TControl::CMColorChanged(TMessage&) { Invalidate(); }
void TControl::CMFontChanged(TMessage&) { Invalidate(); }
void TControl::CMTextChanged(TMessage&) { Invalidate(); }
void TControl::CMHitTest(TMessage& message) { message.Result = 1; }

void TControl::CMParentColorChanged(TMessage&) {
  if (!parentColor_ || !parent_) return;
  color_ = parent_->Color();
  Perform(CM_COLORCHANGED);
}

void TControl::CMParentFontChanged(TMessage&) {
  if (!parentFont_ || !parent_) return;
  applyingParentFont_ = true;
  font_->Assign(*parent_->Font());
  applyingParentFont_ = false;
}

void TControl::CMBiDiModeChanged(TMessage&) { Invalidate(); }

void TControl::FontPropertyChanged() {
  if (!applyingParentFont_) parentFont_ = false;
  Perform(CM_FONTCHANGED);
}

void TControl::ChangeFont(TFont& font) { font_->Assign(font); }

void TControl::SetParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent == this) throw FrameworkError(L"A control cannot have itself as its parent");
  if (parent_) parent_->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

void TControl::SetParentComponent(TComponent* parent) {
  if (auto* winControl = dynamic_cast<TWinControl*>(parent)) SetParent(winControl);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  InvalidateControl(true);
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  InvalidateControl(true);
  RequestAlign();
  BoundsChanged();
  if (OnResize) OnResize(this);
}

int TControl::ClientWidth() const {
  const RECT r = ClientRect();
  return r.right - r.left;
}

int TControl::ClientHeight() const {
  const RECT r = ClientRect();
  return r.bottom - r.top;
}

POINT TControl::ClientOriginInWindow() const {
  if (IsWindowed()) return POINT{0, 0};
  POINT origin{left_, top_};
  if (parent_) {
    const POINT parentOrigin = parent_->ClientOriginInWindow();
    origin.x += parentOrigin.x;
    origin.y += parentOrigin.y;
  }
  return origin;
}

POINT TControl::ClientToScreen(POINT point) const {
  if (!parent_) return point;
  point.x += left_;
  point.y += top_;
  return parent_->ClientToScreen(point);
}

POINT TControl::ScreenToClient(POINT point) const {
  if (!parent_) return point;
  point = parent_->ScreenToClient(point);
  point.x -= left_;
  point.y -= top_;
  return point;
}

void TControl::SetAlign(TAlign align) {
  if (align == align_) return;
  align_ = align;
  RequestAlign();
}

void TControl::RequestAlign() {
  if (parent_) parent_->Realign();
}

bool TControl::Showing() const { return visible_ && parent_ && parent_->Showing(); }

void TControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  if (!visible) InvalidateControl(true);
  visible_ = visible;
  Perform(CM_VISIBLECHANGED, visible ? 1 : 0);
  RequestAlign();
}

void TControl::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(TColor color) {
  parentColor_ = false;
  if (color == color_) return;
  color_ = color;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool value) {
  if (value == parentColor_) return;
  parentColor_ = value;
  if (value) Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetParentFont(bool value) {
  parentFont_ = value;
  if (value) Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetCursor(TCursor cursor) {
  if (cursor == cursor_) return;
  cursor_ = cursor;
  Perform(CM_CURSORCHANGED);
}

void TControl::SetBiDiMode(TBiDiMode mode) {
  parentBiDiMode_ = false;
  if (mode == biDiMode_) return;
  biDiMode_ = mode;
  Perform(CM_BIDIMODECHANGED);
}

void TControl::SetParentBiDiMode(bool value) {
  parentBiDiMode_ = value;
  if (value && parent_ && parent_->BiDiMode() != biDiMode_) {
    biDiMode_ = parent_->BiDiMode();
    Perform(CM_BIDIMODECHANGED);
  }
}

DWORD TControl::BiDiExStyle() const {
  DWORD exStyle = 0;
  if (UseRightToLeftReading()) exStyle |= WS_EX_RTLREADING;
  if (UseRightToLeftScrollBar()) exStyle |= WS_EX_LEFTSCROLLBAR;
  if (UseRightToLeftAlignment()) exStyle |= WS_EX_RIGHT;
  return exStyle;
}

UINT TControl::DrawTextBiDiModeFlags(UINT flags) const {
  if (UseRightToLeftReading()) flags |= DT_RTLREADING;
  if (UseRightToLeftAlignment()) {
    // Left and right alignment swap; centred text stays centred.
    if (flags & DT_RIGHT) {
      flags &= ~static_cast<UINT>(DT_RIGHT);
    } else if (!(flags & DT_CENTER)) {
      flags |= DT_RIGHT;
    }
  }
  return flags;
}

void TControl::SetPopupMenu(TPopupMenu* menu) {
  if (popupMenu_) RemoveFreeNotification(popupMenu_);
  popupMenu_ = menu;
  if (popupMenu_) FreeNotification(popupMenu_);
}

void TControl::SetText(const std::wstring& text) {
  if (text == text_) return;
  text_ = text;
  Perform(CM_TEXTCHANGED);
}

void TControl::InvalidateControl(bool wholeRectangle) {
  (void)wholeRectangle;
  if (!visible_ || !parent_ || !parent_->HandleAllocated()) return;
  const RECT bounds = BoundsRect();
  InvalidateRect(parent_->WindowHandle(), &bounds, (controlStyle_ & csOpaque) ? FALSE : TRUE);
}

void TControl::Invalidate() { InvalidateControl(true); }

void TControl::Repaint() {
  Invalidate();
  if (IsWindowed()) {
    Update();
  } else if (parent_) {
    parent_->Update();
  }
}

void TControl::BringToFront() {
  if (!parent_) return;
  auto& list = parent_->controls_;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  list.push_back(this);
  if (auto* windowed = dynamic_cast<TWinControl*>(this); windowed && windowed->HandleAllocated()) {
    SetWindowPos(windowed->WindowHandle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  Invalidate();
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

}  // namespace lanvero::framework
