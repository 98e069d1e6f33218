#include "framework/controls/PageControl.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/core/ClassBuilder.h"

namespace lanvero::framework {

namespace {

const EnumInfo& TabStyleEnum() {
  static const EnumInfo info{"TTabStyle", {"tsTabs", "tsButtons", "tsFlatButtons"}};
  return info;
}

const EnumInfo& TabPositionEnum() {
  static const EnumInfo info{"TTabPosition", {"tpTop", "tpBottom", "tpLeft", "tpRight"}};
  return info;
}

// The tab control styles of a tab position; tabs on a side need several rows.
DWORD TabPositionStyle(TTabPosition position) {
  switch (position) {
    case TTabPosition::tpBottom: return TCS_BOTTOM;
    case TTabPosition::tpLeft: return TCS_VERTICAL | TCS_MULTILINE;
    case TTabPosition::tpRight: return TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE;
    case TTabPosition::tpTop: break;
  }
  return 0;
}

}  // namespace

// ----- TTabSheet ------------------------------------------------------------

const ClassInfo& TTabSheet::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TTabSheet>("TTabSheet", &TWinControl::StaticClassInfo())
                                    .Creatable()
                                    .String("Caption", &TTabSheet::Caption, &TTabSheet::SetCaption)
                                    .Boolean("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible)
                                    .Integer("PageIndex", &TTabSheet::PageIndex, &TTabSheet::SetPageIndex)
                                    .Integer("ImageIndex", &TTabSheet::ImageIndex, &TTabSheet::SetImageIndex)
                                    .Build();
  return info;
}

TTabSheet::TTabSheet(TComponent* owner) : TWinControl(owner) {
  SetControlStyle(Style() | csAcceptsControls);
  SetVisible(false);
}

TTabSheet::~TTabSheet() {
  MarkDestroying();
  DestroyComponents();
  SetParent(nullptr);
}

void TTabSheet::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.style |= WS_CLIPCHILDREN;
}

TPageControl* TTabSheet::PageControl() const { return dynamic_cast<TPageControl*>(Parent()); }

void TTabSheet::SetPageControl(TPageControl* control) { SetParent(control); }

void TTabSheet::SetTabVisible(bool value) {
  tabVisible_ = value;
  if (TPageControl* pages = PageControl()) pages->UpdateTabs();
}

int TTabSheet::PageIndex() const {
  TPageControl* pages = PageControl();
  if (!pages) return -1;
  for (int i = 0; i < pages->PageCount(); ++i) {
    if (pages->Pages(i) == this) return i;
  }
  return -1;
}

void TTabSheet::SetPageIndex(int index) {
  if (TPageControl* pages = PageControl()) pages->MovePage(this, index);
}

int TTabSheet::TabIndex() const {
  TPageControl* pages = PageControl();
  if (!pages || !tabVisible_) return -1;
  int index = 0;
  for (int i = 0; i < pages->PageCount() && pages->Pages(i) != this; ++i) {
    if (pages->Pages(i)->TabVisible()) ++index;
  }
  return index;
}

void TTabSheet::CMTextChanged(TMessage& message) {
  TWinControl::CMTextChanged(message);
  if (TPageControl* pages = PageControl()) pages->UpdateTabs();
}

// ----- TPageControl ---------------------------------------------------------

const ClassInfo& TCustomTabControl::StaticClassInfo() {
  static const ClassInfo info = DescribeClass("TCustomTabControl", &TWinControl::StaticClassInfo());
  return info;
}

const ClassInfo& TPageControl::StaticClassInfo() {
  static const ClassInfo info =
      ClassBuilder<TPageControl>("TPageControl", &TCustomTabControl::StaticClassInfo())
          .Creatable()
          .Reference("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage)
          .Enumeration("Style", TabStyleEnum(), &TPageControl::TabStyle, &TPageControl::SetTabStyle)
          .Enumeration("TabPosition", TabPositionEnum(), &TPageControl::TabPosition, &TPageControl::SetTabPosition)
          .Event("OnChange", &TPageControl::OnChange)
          .Event("OnChanging", &TPageControl::OnChanging)
          .Build();
  return info;
}

TPageControl::TPageControl(TComponent* owner) : TCustomTabControl(owner) {
  SetTabStop(true);
  SetBounds(0, 0, 289, 193);
}

void TPageControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.systemClass = WC_TABCONTROLW;
  params.style |= WS_CLIPCHILDREN;
  if (style_ == TTabStyle::tsButtons) params.style |= TCS_BUTTONS;
  if (style_ == TTabStyle::tsFlatButtons) params.style |= TCS_BUTTONS | TCS_FLATBUTTONS;
  params.style |= TabPositionStyle(position_);
}

void TPageControl::CreateHandleState() {
  TWinControl::CreateHandleState();
  UpdateTabs();
}

void TPageControl::SetTabStyle(TTabStyle style) {
  if (style == style_) return;
  style_ = style;
  RecreateWnd();
}

void TPageControl::SetTabPosition(TTabPosition position) {
  if (position == position_) return;
  position_ = position;
  RecreateWnd();
  Realign();
}

void TPageControl::Loaded() {
  TWinControl::Loaded();
  if (!activePage_ && !pages_.empty()) SetActivePage(pages_.front());
}

void TPageControl::ControlInserted(TControl* control) {
  auto* page = dynamic_cast<TTabSheet*>(control);
  if (!page) return;
  pages_.push_back(page);
  UpdateTabs();
  if (!activePage_ && !IsLoading()) SetActivePage(page);
}

void TPageControl::ControlRemoved(TControl* control) {
  auto* page = dynamic_cast<TTabSheet*>(control);
  if (!page) return;
  pages_.erase(std::remove(pages_.begin(), pages_.end(), page), pages_.end());
  if (activePage_ == page) activePage_ = nullptr;
  if (!IsDestroying()) UpdateTabs();
}

void TPageControl::MovePage(TTabSheet* page, int index) {
  auto it = std::find(pages_.begin(), pages_.end(), page);
  if (it == pages_.end()) return;
  pages_.erase(it);
  index = std::clamp(index, 0, static_cast<int>(pages_.size()));
  pages_.insert(pages_.begin() + index, page);
  UpdateTabs();
}

void TPageControl::UpdateTabs() {
  if (!HandleAllocated()) return;
  SendToWindow(TCM_DELETEALLITEMS, 0, 0);
  int index = 0;
  for (TTabSheet* page : pages_) {
    if (!page->TabVisible()) continue;
    std::wstring caption = page->Caption();
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_PARAM | (page->ImageIndex() >= 0 ? TCIF_IMAGE : 0);
    item.pszText = caption.data();
    item.iImage = page->ImageIndex();
    item.lParam = reinterpret_cast<LPARAM>(page);
    SendToWindow(TCM_INSERTITEMW, static_cast<WPARAM>(index++), reinterpret_cast<LPARAM>(&item));
  }
  if (activePage_) SendToWindow(TCM_SETCURSEL, static_cast<WPARAM>(activePage_->TabIndex()), 0);
  Realign();
}

RECT TPageControl::DisplayRect() const {
  RECT rect = ClientRect();
  if (HandleAllocated()) {
    SendToWindow(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rect));
  } else {
    // Before the window exists: the usual tab height and border, the tab
    // row on its side.
    constexpr int kBorder = 4, kTabs = 25;
    rect.left += position_ == TTabPosition::tpLeft ? kTabs : kBorder;
    rect.top += position_ == TTabPosition::tpTop ? kTabs : kBorder;
    rect.right -= position_ == TTabPosition::tpRight ? kTabs : kBorder;
    rect.bottom -= position_ == TTabPosition::tpBottom ? kTabs : kBorder;
  }
  return rect;
}

void TPageControl::AlignControls(RECT& rect) {
  for (TTabSheet* page : pages_) page->SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
  TWinControl::AlignControls(rect);
}

void TPageControl::SetActivePage(TTabSheet* page) {
  if (page && page->Parent() != this) return;
  activePage_ = page;
  ShowActivePage();
}

int TPageControl::ActivePageIndex() const { return activePage_ ? activePage_->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int index) {
  SetActivePage(index >= 0 && index < PageCount() ? Pages(index) : nullptr);
}

void TPageControl::ShowActivePage() {
  // The newly active page shows before the old one hides, so the area never
  // flashes empty.
  if (activePage_) {
    activePage_->SetVisible(true);
    activePage_->BringToFront();
  }
  for (TTabSheet* page : pages_) {
    if (page != activePage_) page->SetVisible(false);
  }
  if (HandleAllocated() && activePage_) {
    SendToWindow(TCM_SETCURSEL, static_cast<WPARAM>(activePage_->TabIndex()), 0);
  }
}

void TCustomTabControl::Dispatch(TMessage& message) {
  if (message.Msg == CN_NOTIFY) return CNNotify(message);
  TWinControl::Dispatch(message);
}

// Selection changes of the system tab control: OnChanging may refuse one;
// an accepted one reaches the control, then OnChange.
void TCustomTabControl::CNNotify(TMessage& message) {
  const auto* header = reinterpret_cast<NMHDR*>(message.LParam);
  if (header->code == TCN_SELCHANGING) {
    bool allow = true;
    if (OnChanging) OnChanging(this, allow);
    message.Result = allow ? 0 : 1;
    return;
  }
  if (header->code == TCN_SELCHANGE) {
    TabSelected(static_cast<int>(SendToWindow(TCM_GETCURSEL, 0, 0)));
    if (OnChange) OnChange(this);
  }
}

void TPageControl::Dispatch(TMessage& message) {
  if (message.Msg == CM_DIALOGKEY) return CMDialogKey(message);
  TCustomTabControl::Dispatch(message);
}

void TPageControl::CMDialogKey(TMessage& message) {
  const HWND focus = GetFocus();
  const bool focusInside = HandleAllocated() && focus && (focus == handle_ || IsChild(handle_, focus));
  if (message.WParam == VK_TAB && GetKeyState(VK_CONTROL) < 0 && focusInside) {
    SelectNextPage(GetKeyState(VK_SHIFT) >= 0);
    message.Result = 1;
    return;
  }
  TCustomTabControl::Dispatch(message);
}

void TPageControl::SelectNextPage(bool forward) {
  const int count = PageCount();
  if (count == 0) return;
  const int start = activePage_ ? activePage_->PageIndex() : (forward ? count - 1 : 0);
  for (int step = 1; step <= count; ++step) {
    TTabSheet* page = pages_[static_cast<size_t>(((start + (forward ? step : -step)) % count + count) % count)];
    if (!page->TabVisible()) continue;
    if (page == activePage_) return;
    bool allow = true;
    if (OnChanging) OnChanging(this, allow);
    if (!allow) return;
    SetActivePage(page);
    if (OnChange) OnChange(this);
    return;
  }
}

void TPageControl::TabSelected(int tab) {
  for (TTabSheet* page : pages_) {
    if (page->TabIndex() == tab) {
      SetActivePage(page);
      break;
    }
  }
}

}  // namespace lanvero::framework
