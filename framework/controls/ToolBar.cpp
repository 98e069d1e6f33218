#include "framework/controls/ToolBar.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/core/ClassBuilder.h"
#include "framework/menus/Menus.h"
#include "framework/services/ImageList.h"

namespace lanvero::framework {

namespace {

const EnumInfo& ToolButtonStyleEnum() {
  static const EnumInfo info{"TToolButtonStyle", {"tbsButton", "tbsCheck", "tbsDropDown", "tbsSeparator"}};
  return info;
}

BYTE SystemStyle(TToolButtonStyle style) {
  switch (style) {
    case TToolButtonStyle::tbsCheck: return BTNS_CHECK;
    case TToolButtonStyle::tbsDropDown: return BTNS_DROPDOWN;
    case TToolButtonStyle::tbsSeparator: return BTNS_SEP;
    case TToolButtonStyle::tbsButton: break;
  }
  return BTNS_BUTTON;
}

}  // namespace

// ----- TToolButton ----------------------------------------------------------

const ClassInfo& TToolButton::StaticClassInfo() {
  static const ClassInfo info =
      ClassBuilder<TToolButton>("TToolButton", &TGraphicControl::StaticClassInfo())
          .Creatable()
          .String("Caption", &TToolButton::Caption, &TToolButton::SetCaption)
          .Integer("ImageIndex", &TToolButton::ImageIndex, &TToolButton::SetImageIndex)
          .Enumeration("Style", ToolButtonStyleEnum(), &TToolButton::ButtonStyle, &TToolButton::SetButtonStyle)
          .Boolean("Down", &TToolButton::Down, &TToolButton::SetDown)
          .Reference("MenuItem", &TToolButton::MenuItem, &TToolButton::SetMenuItem)
          .Build();
  return info;
}

TToolButton::TToolButton(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 23, 22); }

TToolButton::~TToolButton() {
  SetMenuItem(nullptr);
  SetParent(nullptr);
}

TToolBar* TToolButton::ToolBar() const { return dynamic_cast<TToolBar*>(Parent()); }

int TToolButton::Index() const { return ToolBar() ? ToolBar()->IndexOf(this) : -1; }

void TToolButton::Changed() {
  if (TToolBar* bar = ToolBar()) bar->UpdateButtons();
}

void TToolButton::SetCaption(const std::wstring& caption) {
  SetText(caption);
  Changed();
}

void TToolButton::SetImageIndex(int index) {
  imageIndex_ = index;
  Changed();
}

void TToolButton::SetButtonStyle(TToolButtonStyle style) {
  style_ = style;
  Changed();
}

bool TToolButton::Down() const {
  TToolBar* bar = ToolBar();
  if (bar && bar->HandleAllocated() && style_ == TToolButtonStyle::tbsCheck) {
    down_ = bar->SendButtonMessage(TB_ISBUTTONCHECKED, Index(), 0) != 0;
  }
  return down_;
}

void TToolButton::SetDown(bool value) {
  down_ = value;
  if (TToolBar* bar = ToolBar()) bar->SendButtonMessage(TB_CHECKBUTTON, Index(), value);
}

void TToolButton::SetMenuItem(TMenuItem* item) {
  if (menuItem_) menuItem_->RemoveFreeNotification(this);
  menuItem_ = item;
  if (menuItem_) menuItem_->FreeNotification(this);
}

void TToolButton::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == menuItem_) menuItem_ = nullptr;
}

void TToolButton::CMVisibleChanged(TMessage& message) {
  TGraphicControl::CMVisibleChanged(message);
  Changed();
}

void TToolButton::CMEnabledChanged(TMessage& message) {
  TGraphicControl::CMEnabledChanged(message);
  Changed();
}

void TToolButton::Click() {
  if (!OnClick && menuItem_) {
    if (menuItem_->Count() > 0) return DropDown();
    return menuItem_->Click();
  }
  TGraphicControl::Click();
}

void TToolButton::DropDown() {
  TToolBar* bar = ToolBar();
  if (!bar || !bar->HandleAllocated() || !menuItem_) return;
  // The sub-menu handles exist once the item's menu has been built.
  if (TMenu* menu = menuItem_->Menu()) menu->Handle();
  if (!menuItem_->Handle()) return;
  RECT rect{};
  bar->SendButtonMessage(TB_GETRECT, Index(), reinterpret_cast<LPARAM>(&rect));
  POINT corner{rect.left, rect.bottom};
  ::ClientToScreen(bar->WindowHandle(), &corner);
  bar->SendButtonMessage(TB_PRESSBUTTON, Index(), TRUE);
  bar->droppedItem_ = menuItem_;
  // The choice comes back here rather than as WM_COMMAND to some window.
  const UINT command =
      static_cast<UINT>(TrackPopupMenu(menuItem_->Handle(), TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD, corner.x,
                                       corner.y, 0, bar->WindowHandle(), nullptr));
  bar->droppedItem_ = nullptr;
  bar->SendButtonMessage(TB_PRESSBUTTON, Index(), FALSE);
  if (TMenuItem* chosen = command && menuItem_ ? menuItem_->Find(command, TFindItemKind::fkCommand) : nullptr) {
    chosen->Click();
  }
}

// ----- TToolBar -------------------------------------------------------------

const ClassInfo& TToolBar::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TToolBar>("TToolBar", &TWinControl::StaticClassInfo())
                                    .Creatable()
                                    .Reference("Images", &TToolBar::Images, &TToolBar::SetImages)
                                    .Boolean("ShowCaptions", &TToolBar::ShowCaptions, &TToolBar::SetShowCaptions)
                                    .Boolean("Flat", &TToolBar::Flat, &TToolBar::SetFlat)
                                    .Reference("Menu", &TToolBar::Menu, &TToolBar::SetMenu)
                                    .Event("OnCustomDraw", &TToolBar::OnCustomDraw)
                                    .Event("OnCustomDrawButton", &TToolBar::OnCustomDrawButton)
                                    .Build();
  return info;
}

TToolBar::TToolBar(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(Style() | csAcceptsControls);
  SetBounds(0, 0, 150, 29);
  SetAlign(TAlign::alTop);
}

TToolBar::~TToolBar() {
  MarkDestroying();
  SetImages(nullptr);
  SetMenu(nullptr);
  DestroyComponents();
}

void TToolBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.systemClass = TOOLBARCLASSNAMEW;
  // The framework places the bar (Align), not the system.
  params.style |= TBSTYLE_TOOLTIPS | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
  if (flat_) params.style |= TBSTYLE_FLAT;
}

// The bar's window reads its style at every paint, so the window stays.
void TToolBar::SetFlat(bool value) {
  if (value == flat_) return;
  flat_ = value;
  if (!HandleAllocated()) return;
  auto style = static_cast<DWORD>(GetWindowLongPtrW(WindowHandle(), GWL_STYLE));
  style = value ? (style | TBSTYLE_FLAT) : (style & ~static_cast<DWORD>(TBSTYLE_FLAT));
  // The window style for readers of it, the message for the bar's own copy.
  SetWindowLongPtrW(WindowHandle(), GWL_STYLE, static_cast<LONG_PTR>(style));
  SendToWindow(TB_SETSTYLE, 0, style);
  Invalidate();
}

void TToolBar::SetMenu(TMainMenu* menu) {
  if (menu == menu_) return;
  FreeMenuButtons();
  if (menu_) menu_->RemoveFreeNotification(this);
  menu_ = menu;
  if (!menu_) return;
  menu_->FreeNotification(this);
  if (!IsLoading()) CreateMenuButtons();
}

void TToolBar::Loaded() {
  TWinControl::Loaded();
  if (menu_ && menuButtons_.empty()) CreateMenuButtons();
}

void TToolBar::CreateMenuButtons() {
  TMenuItem* root = menu_->Items();
  for (int i = 0; i < root->Count(); ++i) {
    TMenuItem* item = root->Items(i);
    if (!item->Visible()) continue;
    auto* button = new TToolButton(this);
    button->SetCaption(item->Caption());
    button->SetMenuItem(item);
    button->SetEnabled(item->Enabled());
    menuButtons_.push_back(button);
    button->SetParent(this);
  }
  // Menu buttons are read by their captions.
  SetShowCaptions(true);
}

void TToolBar::FreeMenuButtons() {
  while (!menuButtons_.empty()) delete menuButtons_.back();  // each leaves the list in ControlRemoved
}

void TToolBar::CreateHandleState() {
  TWinControl::CreateHandleState();
  SendToWindow(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
  SendToWindow(TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
  UpdateButtons();
}

int TToolBar::IndexOf(const TToolButton* button) const {
  const auto it = std::find(buttons_.begin(), buttons_.end(), button);
  return it == buttons_.end() ? -1 : static_cast<int>(it - buttons_.begin());
}

void TToolBar::SetImages(TImageList* images) {
  if (images_) images_->RemoveFreeNotification(this);
  images_ = images;
  if (images_) images_->FreeNotification(this);
  if (!IsDestroying()) UpdateButtons();
}

void TToolBar::SetShowCaptions(bool value) {
  showCaptions_ = value;
  UpdateButtons();
}

void TToolBar::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == images_) {
    images_ = nullptr;
    if (!IsDestroying()) UpdateButtons();
  }
  if (component == menu_) {
    menu_ = nullptr;
    if (!IsDestroying()) FreeMenuButtons();
  }
}

void TToolBar::ControlInserted(TControl* control) {
  auto* button = dynamic_cast<TToolButton*>(control);
  if (!button) return;
  buttons_.push_back(button);
  UpdateButtons();
}

void TToolBar::ControlRemoved(TControl* control) {
  auto* button = dynamic_cast<TToolButton*>(control);
  if (!button) return;
  std::erase(buttons_, button);
  std::erase(menuButtons_, button);
  if (!IsDestroying()) UpdateButtons();
}

void TToolBar::UpdateButtons() {
  if (!HandleAllocated()) return;
  // Check states live in the window: keep them across the rebuild.
  for (TToolButton* button : buttons_) button->Down();
  while (SendToWindow(TB_DELETEBUTTON, 0, 0)) {
  }
  SendToWindow(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_ ? images_->Handle() : nullptr));
  for (int i = 0; i < ButtonCount(); ++i) {
    TToolButton* source = Buttons(i);
    TBBUTTON button{};
    button.iBitmap = source->ImageIndex() >= 0 ? source->ImageIndex() : I_IMAGENONE;
    button.idCommand = static_cast<int>(CommandOf(i));
    button.fsState =
        static_cast<BYTE>((source->Enabled() ? TBSTATE_ENABLED : 0) | (source->Visible() ? 0 : TBSTATE_HIDDEN) |
                          (source->down_ ? TBSTATE_CHECKED : 0));
    button.fsStyle = SystemStyle(source->ButtonStyle());
    const std::wstring caption = source->Caption();
    // The window keeps its own copy of the text.
    button.iString = showCaptions_ && !caption.empty() ? reinterpret_cast<INT_PTR>(caption.c_str()) : -1;
    SendToWindow(TB_INSERTBUTTONW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&button));
  }
  SendToWindow(TB_AUTOSIZE, 0, 0);
}

LRESULT TToolBar::SendButtonMessage(UINT msg, int index, LPARAM lParam) const {
  return HandleAllocated() ? SendToWindow(msg, CommandOf(index), lParam) : 0;
}

TToolButton* TToolBar::ButtonOfCommand(UINT command) const {
  const int index = static_cast<int>(command) - 1;
  return index >= 0 && index < ButtonCount() ? Buttons(index) : nullptr;
}

void TToolBar::WndProc(TMessage& message) {
  // The window handles the mouse over its buttons itself; the button
  // controls have no windows and must not see it a second time.
  if (message.Msg == WM_MOUSEMOVE || (message.Msg >= WM_LBUTTONDOWN && message.Msg <= WM_MBUTTONDBLCLK)) {
    return TControl::WndProc(message);
  }
  TWinControl::WndProc(message);
}

void TToolBar::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      if (TToolButton* button = ButtonOfCommand(LOWORD(message.WParam))) button->Click();
      return;
    case CN_NOTIFY: return CNNotify(message);
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
      if (DispatchDroppedMenuItem(message)) return;
      break;
    default: break;
  }
  TWinControl::Dispatch(message);
}

void TToolBar::CNNotify(TMessage& message) {
  const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
  if (header->code == static_cast<UINT>(TBN_DROPDOWN)) {
    const auto* notice = reinterpret_cast<const NMTOOLBARW*>(message.LParam);
    if (TToolButton* button = ButtonOfCommand(static_cast<UINT>(notice->iItem))) button->DropDown();
    message.Result = TBDDRET_DEFAULT;
    return;
  }
  if (header->code == static_cast<UINT>(NM_CUSTOMDRAW)) {
    message.Result = CustomDraw(*reinterpret_cast<NMTBCUSTOMDRAW*>(message.LParam));
    return;
  }
  DefaultHandler(message);
}

// The whole bar first (its client rectangle, whatever part is being
// painted), then each button when a button handler wants them. A handler
// that clears defaultDraw has drawn that part itself. The canvas font
// colour a button handler leaves is the colour of the button's caption.
LRESULT TToolBar::CustomDraw(NMTBCUSTOMDRAW& draw) {
  const DWORD stage = draw.nmcd.dwDrawStage;
  if (stage != CDDS_PREPAINT && stage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
  CanvasAttachment attached(canvas_, draw.nmcd.hdc);
  canvas_.Font().Assign(*Font());
  canvas_.Brush().SetColor(Color());
  bool defaultDraw = true;
  if (stage == CDDS_PREPAINT) {
    if (OnCustomDraw) OnCustomDraw(this, ClientRect(), defaultDraw);
    if (!defaultDraw) return CDRF_SKIPDEFAULT;
    return OnCustomDrawButton ? CDRF_NOTIFYITEMDRAW : CDRF_DODEFAULT;
  }
  TToolButton* button = ButtonOfCommand(static_cast<UINT>(draw.nmcd.dwItemSpec));
  if (!button || !OnCustomDrawButton) return CDRF_DODEFAULT;
  OnCustomDrawButton(this, button, draw.nmcd.uItemState, defaultDraw);
  draw.clrText = ColorToRGB(canvas_.Font().Color());
  return defaultDraw ? CDRF_DODEFAULT : CDRF_SKIPDEFAULT;
}

bool TToolBar::DispatchDroppedMenuItem(TMessage& message) {
  if (!droppedItem_) return false;
  if (message.Msg == WM_DRAWITEM) {
    const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
    TMenuItem* item = draw.CtlType == ODT_MENU ? droppedItem_->Find(draw.itemID, TFindItemKind::fkCommand) : nullptr;
    if (!item) return false;
    item->DrawItem(draw);
  } else {
    auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
    TMenuItem* item =
        measure.CtlType == ODT_MENU ? droppedItem_->Find(measure.itemID, TFindItemKind::fkCommand) : nullptr;
    if (!item) return false;
    item->MeasureItem(measure);
  }
  message.Result = TRUE;
  return true;
}

}  // namespace lanvero::framework
