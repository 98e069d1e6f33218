#include "framework/controls/TabSet.h"

#include <algorithm>

#include "framework/controls/UpDown.h"
#include "framework/core/ClassBuilder.h"

namespace lanvero::framework {

namespace {

// Room around a tab's caption, and the scroller's width.
constexpr int kTabPadding = 9;
constexpr int kScrollerWidth = 24;

}  // namespace

const ClassInfo& TTabSet::StaticClassInfo() {
  static const ClassInfo info =
      ClassBuilder<TTabSet>("TTabSet", &TCustomControl::StaticClassInfo())
          .Creatable()
          .Object("Tabs", &TTabSet::Tabs)
          .Integer("TabIndex", &TTabSet::TabIndex, &TTabSet::SetTabIndex)
          .Integer("FirstIndex", &TTabSet::FirstIndex, &TTabSet::SetFirstIndex)
          .Integer("StartMargin", &TTabSet::StartMargin, &TTabSet::SetStartMargin)
          .Integer("EndMargin", &TTabSet::EndMargin, &TTabSet::SetEndMargin)
          .Integer("SelectedColor", &TTabSet::SelectedColor, &TTabSet::SetSelectedColor, &ColorIdentifiers())
          .Integer("UnselectedColor", &TTabSet::UnselectedColor, &TTabSet::SetUnselectedColor, &ColorIdentifiers())
          .Event("OnChange", &TTabSet::OnChange)
          .Build();
  return info;
}

TTabSet::TTabSet(TComponent* owner) : TCustomControl(owner) {
  // OnClick follows a change of the selected tab, not every press.
  SetControlStyle((Style() | csOpaque) & ~static_cast<uint32_t>(csClickEvents | csDoubleClicks));
  SetTabStop(true);
  SetColor(clBtnFace);
  SetBounds(0, 0, 185, 21);
  tabs_.OnChange = [this] {
    if (!IsLoading() && tabIndex_ >= tabs_.Count()) tabIndex_ = -1;
    Layout();
    Invalidate();
  };
  // The scroller is the first component the tab set owns.
  scroller_ = new TUpDown(this);
  scroller_->SetUDOrientation(TUDOrientation::udHorizontal);
  scroller_->SetVisible(false);
  scroller_->SetParent(this);
  scroller_->OnChange = [this](TObject*) { SetFirstIndex(scroller_->Position()); };
}

TTabSet::~TTabSet() {
  MarkDestroying();
  DestroyComponents();
}

void TTabSet::SetTabIndex(int index) {
  if (index == tabIndex_) return;
  if (IsLoading()) {
    tabIndex_ = index;
    return;
  }
  if (index < -1 || index >= tabs_.Count()) {
    throw FrameworkError(L"Tab index out of bounds (" + std::to_wstring(index) + L")");
  }
  bool allow = true;
  if (OnChange) OnChange(this, index, allow);
  if (!allow) return;
  tabIndex_ = index;
  // Bring the selected tab into view.
  if (index >= 0 && index < firstIndex_) {
    SetFirstIndex(index);
  } else {
    while (index >= firstIndex_ + VisibleTabs() && firstIndex_ < index) SetFirstIndex(firstIndex_ + 1);
  }
  Invalidate();
  Click();
}

void TTabSet::SetFirstIndex(int index) {
  index = std::clamp(index, 0, std::max(tabs_.Count() - 1, 0));
  if (index == firstIndex_ && !tabRects_.empty()) return;
  firstIndex_ = index;
  Layout();
  Invalidate();
}

void TTabSet::SetStartMargin(int value) {
  startMargin_ = value;
  Layout();
  Invalidate();
}

void TTabSet::SetEndMargin(int value) {
  endMargin_ = value;
  Layout();
  Invalidate();
}

void TTabSet::SetSelectedColor(TColor color) {
  selectedColor_ = color;
  Invalidate();
}

void TTabSet::SetUnselectedColor(TColor color) {
  unselectedColor_ = color;
  Invalidate();
}

int TTabSet::TextWidth(const std::wstring& text) {
  TCanvas measure;
  WindowDC screen(nullptr);
  CanvasAttachment attached(measure, screen.Get());
  measure.Font().Assign(*Font());
  return measure.TextWidth(text);
}

void TTabSet::Layout() {
  tabRects_.clear();
  if (!scroller_) return;
  std::vector<int> widths;
  int total = 0;
  for (int i = 0; i < tabs_.Count(); ++i) {
    widths.push_back(TextWidth(tabs_.Get(i)) + kTabPadding);
    total += widths.back();
  }
  int limit = Width() - endMargin_;
  const bool scrolls = firstIndex_ > 0 || startMargin_ + total > limit;
  if (scrolls) limit -= kScrollerWidth;
  int x = startMargin_;
  for (int i = firstIndex_; i < tabs_.Count() && x + widths[static_cast<size_t>(i)] <= limit; ++i) {
    tabRects_.push_back(RECT{x, 0, x + widths[static_cast<size_t>(i)], Height()});
    x += widths[static_cast<size_t>(i)];
  }
  scroller_->SetMax(std::max(tabs_.Count() - 1, 0));
  scroller_->SetPosition(firstIndex_);
  scroller_->SetBounds(Width() - endMargin_ - kScrollerWidth, 0, kScrollerWidth, std::min(Height(), 18));
  scroller_->SetVisible(scrolls);
}

RECT TTabSet::TabRect(int index) const {
  const int slot = index - firstIndex_;
  if (slot < 0 || slot >= VisibleTabs()) return RECT{0, 0, 0, 0};
  return tabRects_[static_cast<size_t>(slot)];
}

int TTabSet::ItemAtPos(POINT point) const {
  for (int slot = 0; slot < VisibleTabs(); ++slot) {
    if (PtInRect(&tabRects_[static_cast<size_t>(slot)], point)) return firstIndex_ + slot;
  }
  return -1;
}

void TTabSet::CreateHandleState() {
  TCustomControl::CreateHandleState();
  Layout();
}

void TTabSet::BoundsChanged() {
  TCustomControl::BoundsChanged();
  Layout();
}

void TTabSet::CMFontChanged(TMessage& message) {
  TCustomControl::CMFontChanged(message);
  Layout();
}

void TTabSet::Dispatch(TMessage& message) {
  switch (message.Msg) {
    case WM_LBUTTONDOWN: return WMLButtonDown(message);
    case WM_KEYDOWN: return WMKeyDown(message);
    case WM_GETDLGCODE: message.Result = DLGC_WANTARROWS; return;
    default: return TCustomControl::Dispatch(message);
  }
}

void TTabSet::WMLButtonDown(TMessage& message) {
  TCustomControl::Dispatch(message);
  const int tab = ItemAtPos(POINT{message.X(), message.Y()});
  if (tab >= 0) SetTabIndex(tab);
  if (CanFocus() && HandleAllocated()) SetFocus();
}

void TTabSet::WMKeyDown(TMessage& message) {
  if (message.WParam == VK_LEFT && tabIndex_ > 0) return SetTabIndex(tabIndex_ - 1);
  if (message.WParam == VK_RIGHT && tabIndex_ + 1 < tabs_.Count()) return SetTabIndex(tabIndex_ + 1);
  TCustomControl::Dispatch(message);
}

// The tabs hang from a line along the top; the selected one opens into it.
void TTabSet::Paint() {
  TCanvas& canvas = Canvas();
  const RECT client = ClientRect();
  canvas.Brush().SetColor(Color());
  canvas.FillRect(client);
  canvas.Pen().SetColor(clBlack);
  canvas.MoveTo(0, 0);
  canvas.LineTo(client.right, 0);
  for (int slot = 0; slot < VisibleTabs(); ++slot) {
    DrawTab(canvas, firstIndex_ + slot, tabRects_[static_cast<size_t>(slot)]);
  }
}

void TTabSet::DrawTab(TCanvas& canvas, int index, const RECT& rect) {
  const bool selected = index == tabIndex_;
  const int bottom = rect.bottom - 2;
  RECT face{rect.left + 1, selected ? 0 : 1, rect.right, bottom};
  canvas.Brush().SetStyle(TBrushStyle::bsSolid);
  canvas.Brush().SetColor(selected ? selectedColor_ : unselectedColor_);
  canvas.FillRect(face);
  canvas.Pen().SetColor(clBlack);
  canvas.MoveTo(rect.left, 0);
  canvas.LineTo(rect.left, bottom);
  canvas.LineTo(rect.right, bottom);
  canvas.LineTo(rect.right, -1);
  RECT text{rect.left, 0, rect.right, bottom};
  canvas.Brush().SetStyle(TBrushStyle::bsClear);
  canvas.Font().SetColor(Enabled() ? Font()->Color() : clGrayText);
  canvas.DrawText(tabs_.Get(index), text, DrawTextBiDiModeFlags(DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX));
}

}  // namespace lanvero::framework
