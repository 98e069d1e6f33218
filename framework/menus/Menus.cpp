#include "framework/menus/Menus.h"

#include <algorithm>

#include "framework/base/GdiObject.h"
#include "framework/base/Messages.h"
#include "framework/core/ClassBuilder.h"
#include "framework/forms/Application.h"
#include "framework/forms/Form.h"
#include "framework/services/ImageList.h"
#include "framework/services/Screen.h"

namespace lanvero::framework {

namespace {

UINT NextCommand() {
  static UINT command = 0x100;
  // Stay below the identifiers of an MDI frame's window list and the
  // system commands.
  if (++command >= kFirstMDIChildCommand) command = 0x101;
  return command;
}

// Every popup menu alive: owner-drawn popup items are found here by their
// command, whichever window the system sends the drawing requests to.
std::vector<TPopupMenu*>& PopupList() {
  static std::vector<TPopupMenu*> menus;
  return menus;
}

std::wstring KeyName(UINT key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::wstring(1, static_cast<wchar_t>(key));
  if (key >= VK_F1 && key <= VK_F24) return L"F" + std::to_wstring(key - VK_F1 + 1);
  switch (key) {
    case VK_DELETE: return L"Del";
    case VK_INSERT: return L"Ins";
    case VK_RETURN: return L"Enter";
    case VK_ESCAPE: return L"Esc";
    case VK_TAB: return L"Tab";
    case VK_SPACE: return L"Space";
    case VK_BACK: return L"BkSp";
    default: break;
  }
  wchar_t name[64] = {};
  const LONG scanCode = static_cast<LONG>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
  return GetKeyNameTextW(scanCode, name, 64) > 0 ? std::wstring(name) : std::wstring();
}

// A canvas over the screen with the system's menu font, for measuring.
class MenuMeasureCanvas {
 public:
  MenuMeasureCanvas() : screen_(nullptr) {
    canvas_.SetHandle(screen_.Get());
    canvas_.Font().Assign(Screen().MenuFont());
  }
  ~MenuMeasureCanvas() { canvas_.SetHandle(nullptr); }
  TCanvas& Get() { return canvas_; }

 private:
  WindowDC screen_;
  TCanvas canvas_;
};

}  // namespace

std::wstring ShortCutToText(TShortCut shortCut) {
  const UINT key = shortCut & 0xFF;
  if (key == 0) return {};
  std::wstring text;
  if (shortCut & scCtrl) text += L"Ctrl+";
  if (shortCut & scShift) text += L"Shift+";
  if (shortCut & scAlt) text += L"Alt+";
  return text + KeyName(key);
}

// ----- TAction --------------------------------------------------------------

const ClassInfo& TAction::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TAction>("TAction", &TComponent::StaticClassInfo())
                                    .Creatable()
                                    .String("Caption", &TAction::Caption, &TAction::SetCaption)
                                    .Boolean("Enabled", &TAction::Enabled, &TAction::SetEnabled)
                                    .Boolean("Checked", &TAction::Checked, &TAction::SetChecked)
                                    .Boolean("Visible", &TAction::Visible, &TAction::SetVisible)
                                    .Event("OnExecute", &TAction::OnExecute)
                                    .Event("OnUpdate", &TAction::OnUpdate)
                                    .Build();
  return info;
}

TAction::~TAction() {
  MarkDestroying();
  for (TMenuItem* client : std::vector<TMenuItem*>(clients_)) client->SetAction(nullptr);
}

void TAction::SetCaption(const std::wstring& caption) {
  caption_ = caption;
  Changed();
}
void TAction::SetEnabled(bool value) {
  enabled_ = value;
  Changed();
}
void TAction::SetChecked(bool value) {
  checked_ = value;
  Changed();
}
void TAction::SetVisible(bool value) {
  visible_ = value;
  Changed();
}

void TAction::Changed() {
  for (TMenuItem* client : clients_) {
    client->caption_ = caption_;
    client->enabled_ = enabled_;
    client->checked_ = checked_;
    client->visible_ = visible_;
    client->Changed();
  }
}

void TAction::Update() {
  if (OnUpdate) OnUpdate(this);
}

void TAction::Execute() {
  if (OnExecute) OnExecute(this);
}

// ----- TMenuItem ------------------------------------------------------------

const ClassInfo& TMenuItem::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TMenuItem>("TMenuItem", &TComponent::StaticClassInfo())
                                    .Creatable()
                                    .String("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption)
                                    .Boolean("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled)
                                    .Boolean("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible)
                                    .Boolean("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked)
                                    .Boolean("Default", &TMenuItem::Default, &TMenuItem::SetDefault)
                                    .Boolean("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem)
                                    .Integer("ImageIndex", &TMenuItem::ImageIndex, &TMenuItem::SetImageIndex)
                                    .Integer("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut)
                                    .Reference("Action", &TMenuItem::Action, &TMenuItem::SetAction)
                                    .Event("OnClick", &TMenuItem::OnClick, &TMenuItem::onClickName)
                                    .Event("OnDrawItem", &TMenuItem::OnDrawItem)
                                    .Event("OnMeasureItem", &TMenuItem::OnMeasureItem)
                                    .Build();
  return info;
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(NextCommand()) {}

TMenuItem::~TMenuItem() {
  MarkDestroying();
  SetAction(nullptr);
  // Sub-items owned elsewhere leave the tree; the native menu is rebuilt.
  for (TMenuItem* item : std::vector<TMenuItem*>(items_)) item->parent_ = nullptr;
  items_.clear();
  if (parent_) parent_->Remove(this);
}

void TMenuItem::SetCaption(const std::wstring& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Changed();
}

void TMenuItem::SetEnabled(bool value) {
  if (value == enabled_) return;
  enabled_ = value;
  Changed();
}

void TMenuItem::SetVisible(bool value) {
  if (value == visible_) return;
  visible_ = value;
  Changed();
}

void TMenuItem::SetChecked(bool value) {
  if (value == checked_) return;
  checked_ = value;
  Changed();
}

void TMenuItem::SetDefault(bool value) {
  if (value == default_) return;
  default_ = value;
  Changed();
}

void TMenuItem::SetRadioItem(bool value) {
  if (value == radioItem_) return;
  radioItem_ = value;
  Changed();
}

void TMenuItem::SetImageIndex(int index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  Changed();
}

void TMenuItem::SetShortCut(TShortCut shortCut) {
  if (shortCut == shortCut_) return;
  shortCut_ = shortCut;
  Changed();
}

TImageList* TMenuItem::GetImageList() const {
  const TMenu* menu = Menu();
  return menu ? menu->Images() : nullptr;
}

void TMenuItem::SetAction(TAction* action) {
  if (action == action_) return;
  if (action_) {
    auto& clients = action_->clients_;
    clients.erase(std::remove(clients.begin(), clients.end(), this), clients.end());
    RemoveFreeNotification(action_);
  }
  action_ = action;
  if (action_) {
    action_->clients_.push_back(this);
    FreeNotification(action_);
    action_->Changed();
  }
}

void TMenuItem::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == action_) action_ = nullptr;
}

TMenu* TMenuItem::Menu() const {
  const TMenuItem* item = this;
  while (item->parent_) item = item->parent_;
  return item->menu_;
}

void TMenuItem::Changed() {
  if (TMenu* menu = Menu()) menu->MenuChanged();
}

int TMenuItem::MenuIndex() const {
  if (!parent_) return -1;
  auto it = std::find(parent_->items_.begin(), parent_->items_.end(), this);
  return static_cast<int>(it - parent_->items_.begin());
}

void TMenuItem::Add(TMenuItem* item) { Insert(Count(), item); }

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item || item == this) return;
  if (item->parent_) item->parent_->Remove(item);
  index = std::clamp(index, 0, Count());
  items_.insert(items_.begin() + index, item);
  item->parent_ = this;
  Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
  auto it = std::find(items_.begin(), items_.end(), item);
  if (it == items_.end()) return;
  items_.erase(it);
  item->parent_ = nullptr;
  Changed();
}

TMenuItem* TMenuItem::Find(UINT value, TFindItemKind kind) {
  for (TMenuItem* item : items_) {
    if (kind == TFindItemKind::fkCommand && item->command_ == value) return item;
    if (kind == TFindItemKind::fkHandle && item->handle_ &&
        reinterpret_cast<UINT_PTR>(item->handle_) == static_cast<UINT_PTR>(value)) {
      return item;
    }
    if (TMenuItem* found = item->Find(value, kind)) return found;
  }
  return nullptr;
}

TMenuItem* TMenuItem::FindByCaption(const std::wstring& caption) const {
  for (TMenuItem* item : items_) {
    if (item->caption_ == caption) return item;
  }
  return nullptr;
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (auto* menu = dynamic_cast<TMenu*>(parent)) {
    menu->Items()->Add(this);
  } else if (auto* item = dynamic_cast<TMenuItem*>(parent)) {
    item->Add(this);
  }
}

void TMenuItem::Click() {
  if (action_) action_->Update();
  if (!enabled_) return;
  if (action_) {
    action_->Execute();
  } else if (OnClick) {
    OnClick(this);
  }
}

void TMenuItem::DrawItem(const DRAWITEMSTRUCT& draw) {
  TCanvas canvas;
  canvas.SetHandle(draw.hDC);
  canvas.Font().Assign(Screen().MenuFont());
  const bool selected = (draw.itemState & ODS_SELECTED) != 0;
  if (OnDrawItem) {
    OnDrawItem(this, canvas, draw.rcItem, selected);
  } else if (IsSeparator()) {
    canvas.Brush().SetColor(clMenu);
    canvas.FillRect(draw.rcItem);
    RECT line = draw.rcItem;
    line.top += (line.bottom - line.top) / 2 - 1;
    DrawEdge(draw.hDC, &line, EDGE_ETCHED, BF_TOP);
  } else {
    canvas.Brush().SetColor(selected ? clHighlight : clMenu);
    canvas.Font().SetColor(selected ? clHighlightText : (enabled_ ? clMenuText : clGrayText));
    canvas.FillRect(draw.rcItem);
    RECT text = draw.rcItem;
    text.left += 16;
    canvas.Brush().SetStyle(TBrushStyle::bsClear);
    canvas.DrawText(caption_, text, DT_SINGLELINE | DT_VCENTER);
  }
  canvas.SetHandle(nullptr);
}

void TMenuItem::MeasureDefault(TCanvas& canvas, int& width, int& height) const {
  const TImageList* images = GetImageList();
  const int glyphRoom = std::max(16, images ? images->Width() : 0);
  width = glyphRoom + 16 + canvas.TextWidth(caption_);
  if (shortCut_) width += 16 + canvas.TextWidth(ShortCutToText(shortCut_));
  if (IsSeparator()) {
    height = 8;
    return;
  }
  height = std::max(canvas.TextHeight(L"W") + 6, GetSystemMetrics(SM_CYMENU));
  if (images) height = std::max(height, images->Height() + 4);
}

void TMenuItem::MeasureItem(MEASUREITEMSTRUCT& measure) {
  MenuMeasureCanvas canvas;
  int width = 0;
  int height = 0;
  MeasureDefault(canvas.Get(), width, height);
  if (OnMeasureItem) OnMeasureItem(this, canvas.Get(), width, height);
  measure.itemWidth = static_cast<UINT>(std::max(width, 0));
  measure.itemHeight = static_cast<UINT>(std::max(height, 0));
}

void TMenuItem::AppendTo(HMENU menu, bool ownerDraw) {
  if (!visible_) return;
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_DATA;
  info.wID = command_;
  info.dwItemData = reinterpret_cast<ULONG_PTR>(this);
  info.fState = (enabled_ ? MFS_ENABLED : MFS_DISABLED) | (checked_ ? MFS_CHECKED : 0) | (default_ ? MFS_DEFAULT : 0);
  if (IsSeparator()) {
    // An owner-drawn separator still cannot be selected.
    info.fType = MFT_SEPARATOR | (ownerDraw || HasOwnerDrawEvents() ? MFT_OWNERDRAW : 0);
  } else if (ownerDraw || HasOwnerDrawEvents()) {
    info.fType = MFT_OWNERDRAW | (radioItem_ ? MFT_RADIOCHECK : 0);
    info.fMask |= MIIM_STRING;  // the text stays readable to menu-bar painters
    info.dwTypeData = const_cast<wchar_t*>(caption_.c_str());
  } else {
    info.fType = MFT_STRING | (radioItem_ ? MFT_RADIOCHECK : 0);
    info.fMask |= MIIM_STRING;
    info.dwTypeData = const_cast<wchar_t*>(caption_.c_str());
  }
  if (!items_.empty()) {
    handle_ = CreatePopupMenu();
    BuildItems(handle_, ownerDraw);
    info.fMask |= MIIM_SUBMENU;
    info.hSubMenu = handle_;
  }
  InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info);
}

void TMenuItem::BuildItems(HMENU menu, bool ownerDraw) {
  for (TMenuItem* item : items_) item->AppendTo(menu, ownerDraw);
}

void TMenuItem::DropHandles() {
  handle_ = nullptr;
  for (TMenuItem* item : items_) item->DropHandles();
}

// ----- TMenu ----------------------------------------------------------------

const ClassInfo& TMenu::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TMenu>("TMenu", &TComponent::StaticClassInfo())
                                    .Boolean("OwnerDraw", &TMenu::OwnerDraw, &TMenu::SetOwnerDraw)
                                    .Reference("Images", &TMenu::Images, &TMenu::SetImages)
                                    .Build();
  return info;
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(std::make_unique<TMenuItem>(nullptr)) {
  items_->menu_ = this;
}

TMenu::~TMenu() {
  MarkDestroying();
  items_->menu_ = nullptr;
}

void TMenu::SetImages(TImageList* images) {
  if (images == images_) return;
  if (images_) RemoveFreeNotification(images_);
  images_ = images;
  if (images_) FreeNotification(images_);
  MenuChanged();
}

void TMenu::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == images_) images_ = nullptr;
}

void TMenu::SetOwnerDraw(bool value) {
  if (value == ownerDraw_) return;
  ownerDraw_ = value;
  MenuChanged();
}

HMENU TMenu::Handle() {
  if (!handle_ || rebuildPending_) Rebuild();
  return handle_.Get();
}

void TMenu::Rebuild() {
  // Destroying a menu frees its sub-menus too.
  UniqueMenu old = std::move(handle_);
  items_->DropHandles();
  handle_ = UniqueMenu(IsPopup() ? CreatePopupMenu() : CreateMenu());
  items_->handle_ = handle_.Get();
  items_->BuildItems(handle_.Get(), ownerDraw_);
  rebuildPending_ = false;
  // A menu bar may still show the old menu: it is freed once the window has
  // been given the new one.
  staleHandle_ = std::move(old);
  if (IsPopup()) ReleaseStaleHandle();
}

void TMenu::ReleaseStaleHandle() { staleHandle_.Reset(); }

void TMenu::MenuChanged() { rebuildPending_ = true; }

void TMenu::Loaded() {
  TComponent::Loaded();
  MenuChanged();
}

namespace {

TMenuItem* FindShortCut(TMenuItem& parent, TShortCut shortCut) {
  for (int i = 0; i < parent.Count(); ++i) {
    TMenuItem* item = parent.Items(i);
    if (!item->Visible()) continue;
    if (item->ShortCut() == shortCut) return item;
    if (TMenuItem* found = FindShortCut(*item, shortCut)) return found;
  }
  return nullptr;
}

}  // namespace

TShortCut ShortCutOfKey(WORD virtualKey) {
  TShortCut shortCut = virtualKey & 0xFF;
  if (GetKeyState(VK_SHIFT) < 0) shortCut |= scShift;
  if (GetKeyState(VK_CONTROL) < 0) shortCut |= scCtrl;
  if (GetKeyState(VK_MENU) < 0) shortCut |= scAlt;
  return shortCut;
}

bool TMenu::IsShortCut(TShortCut shortCut) {
  if ((shortCut & 0xFF) == 0) return false;
  TMenuItem* item = FindShortCut(*items_, shortCut);
  if (!item) return false;
  item->Click();
  return true;
}

bool TMenu::DispatchCommand(UINT command) {
  TMenuItem* item = items_->Find(command, TFindItemKind::fkCommand);
  if (!item) return false;
  item->Click();
  return true;
}

const ClassInfo& TMainMenu::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TMainMenu>("TMainMenu", &TMenu::StaticClassInfo()).Creatable().Build();
  return info;
}

void TMainMenu::MenuChanged() {
  TMenu::MenuChanged();
  if (IsLoading() || IsDestroying()) return;
  if (form_ && form_->HandleAllocated() && form_->Menu() == this) form_->Perform(CM_MENUCHANGED);
}

const ClassInfo& TPopupMenu::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TPopupMenu>("TPopupMenu", &TMenu::StaticClassInfo())
                                    .Creatable()
                                    .Event("OnPopup", &TPopupMenu::OnPopup)
                                    .Build();
  return info;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) { PopupList().push_back(this); }

TPopupMenu::~TPopupMenu() { std::erase(PopupList(), this); }

TMenuItem* TPopupMenu::FindPopupItem(UINT command) {
  for (TPopupMenu* menu : PopupList()) {
    if (TMenuItem* item = menu->FindItem(command, TFindItemKind::fkCommand)) return item;
  }
  return nullptr;
}

bool DispatchPopupMenuItem(TMessage& message) {
  if (message.Msg == WM_DRAWITEM) {
    const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
    TMenuItem* item = draw.CtlType == ODT_MENU ? TPopupMenu::FindPopupItem(draw.itemID) : nullptr;
    if (!item) return false;
    item->DrawItem(draw);
  } else if (message.Msg == WM_MEASUREITEM) {
    auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
    TMenuItem* item = measure.CtlType == ODT_MENU ? TPopupMenu::FindPopupItem(measure.itemID) : nullptr;
    if (!item) return false;
    item->MeasureItem(measure);
  } else {
    return false;
  }
  message.Result = TRUE;
  return true;
}

void TPopupMenu::Popup(int x, int y) {
  if (OnPopup) OnPopup(this);
  HWND owner = nullptr;
  if (auto* windowed = dynamic_cast<TWinControl*>(popupComponent_)) owner = windowed->Handle();
  if (!owner && Application()) owner = Application()->Handle();
  const UINT flags = TPM_RETURNCMD | TPM_RIGHTBUTTON | (BiDiModeRightToLeft() ? TPM_RIGHTALIGN : TPM_LEFTALIGN);
  const UINT command = static_cast<UINT>(TrackPopupMenuEx(Handle(), flags, x, y, owner, nullptr));
  if (command) DispatchCommand(command);
}

}  // namespace lanvero::framework
