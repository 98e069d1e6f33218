#include "framework/controls/ListViews.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/core/ClassBuilder.h"

namespace lanvero::framework {

namespace {

const EnumInfo& ViewStyleEnum() {
  static const EnumInfo info{"TViewStyle", {"vsIcon", "vsSmallIcon", "vsList", "vsReport"}};
  return info;
}

// The item a header notification is about, when it names one of `count`.
const NMHEADERW* HeaderItem(const TMessage& message, int count) {
  const auto* notice = reinterpret_cast<const NMHEADERW*>(message.LParam);
  return notice->iItem >= 0 && notice->iItem < count ? notice : nullptr;
}

}  // namespace

// ----- columns and sections -------------------------------------------------

void TTitledColumn::SetText(const std::wstring& text) {
  if (text == text_) return;
  text_ = text;
  Changed();
}

void TTitledColumn::SetWidth(int width) {
  width_ = width;
  Changed();
}

const ClassInfo& THeaderSection::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<THeaderSection>("THeaderSection", &TCollectionItem::StaticClassInfo())
                                    .String("Text", &THeaderSection::Text, &THeaderSection::SetText)
                                    .Integer("Width", &THeaderSection::Width, &THeaderSection::SetWidth)
                                    .Build();
  return info;
}

const ClassInfo& TListColumn::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TListColumn>("TListColumn", &TCollectionItem::StaticClassInfo())
                                    .String("Caption", &TListColumn::Caption, &TListColumn::SetCaption)
                                    .Integer("Width", &TListColumn::Width, &TListColumn::SetWidth)
                                    .Build();
  return info;
}

TListItem::TListItem(TCollection* collection) : TCollectionItem(collection) {
  subItems_.OnChange = [this] { Changed(); };
}

const ClassInfo& TListItem::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<TListItem>("TListItem", &TCollectionItem::StaticClassInfo())
                                    .String("Caption", &TListItem::Caption, &TListItem::SetCaption)
                                    .Object("SubItems", &TListItem::SubItems)
                                    .Build();
  return info;
}

void TListItem::SetCaption(const std::wstring& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Changed();
}

// ----- THeaderControl -------------------------------------------------------

const ClassInfo& THeaderControl::StaticClassInfo() {
  static const ClassInfo info = ClassBuilder<THeaderControl>("THeaderControl", &TWinControl::StaticClassInfo())
                                    .Creatable()
                                    .Object("Sections", &THeaderControl::Sections)
                                    .Event("OnSectionClick", &THeaderControl::OnSectionClick)
                                    .Build();
  return info;
}

THeaderControl::THeaderControl(TComponent* owner)
    : TWinControl(owner), sections_(std::make_unique<TOwnedCollection<THeaderSection>>()) {
  sections_->OnUpdate = [this](TCollectionItem*) { UpdateSections(); };
  SetBounds(0, 0, 185, 17);
  SetAlign(TAlign::alTop);
}

void THeaderControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.systemClass = WC_HEADERW;
  params.style |= HDS_BUTTONS | HDS_HORZ | CCS_NOPARENTALIGN | CCS_NORESIZE;
}

void THeaderControl::CreateHandleState() {
  TWinControl::CreateHandleState();
  UpdateSections();
}

void THeaderControl::UpdateSections() {
  if (!HandleAllocated()) return;
  while (SendToWindow(HDM_DELETEITEM, 0, 0)) {
  }
  for (int i = 0; i < sections_->Count(); ++i) {
    std::wstring text = (*sections_)[i]->Text();
    HDITEMW item{};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.fmt = HDF_STRING | HDF_LEFT;
    item.pszText = text.data();
    item.cxy = (*sections_)[i]->Width();
    SendToWindow(HDM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  }
}

void THeaderControl::Dispatch(TMessage& message) {
  if (message.Msg == CN_NOTIFY) return CNNotify(message);
  TWinControl::Dispatch(message);
}

void THeaderControl::CNNotify(TMessage& message) {
  const auto code = reinterpret_cast<const NMHDR*>(message.LParam)->code;
  const NMHEADERW* notice = HeaderItem(message, sections_->Count());
  if (!notice) return;
  THeaderSection* section = (*sections_)[notice->iItem];
  if (code == HDN_ITEMCLICKW && OnSectionClick) OnSectionClick(this, section);
  // The user dragged a divider: the section keeps the width the window shows.
  if (code == HDN_ENDTRACKW && notice->pitem && (notice->pitem->mask & HDI_WIDTH)) {
    section->KeepWidth(notice->pitem->cxy);
  }
}

// ----- TListView ------------------------------------------------------------

const ClassInfo& TListView::StaticClassInfo() {
  static const ClassInfo info =
      ClassBuilder<TListView>("TListView", &TWinControl::StaticClassInfo())
          .Creatable()
          .Object("Columns", &TListView::Columns)
          .Object("Items", &TListView::Items)
          .Enumeration("ViewStyle", ViewStyleEnum(), &TListView::ViewStyle, &TListView::SetViewStyle)
          .Event("OnColumnClick", &TListView::OnColumnClick)
          .Build();
  return info;
}

TListView::TListView(TComponent* owner)
    : TWinControl(owner),
      columns_(std::make_unique<TOwnedCollection<TListColumn>>()),
      items_(std::make_unique<TOwnedCollection<TListItem>>()) {
  columns_->OnUpdate = [this](TCollectionItem*) {
    UpdateColumns();
    UpdateItems();  // sub-items need their columns
  };
  items_->OnUpdate = [this](TCollectionItem*) { UpdateItems(); };
  SetTabStop(true);
  SetBounds(0, 0, 250, 150);
}

void TListView::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.systemClass = WC_LISTVIEWW;
  params.exStyle |= WS_EX_CLIENTEDGE;
  params.style |= LVS_SHAREIMAGELISTS | LVS_SHOWSELALWAYS;
  static constexpr DWORD kViewStyles[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
  params.style |= kViewStyles[static_cast<int>(viewStyle_)];
}

void TListView::CreateHandleState() {
  TWinControl::CreateHandleState();
  UpdateColumns();
  UpdateItems();
}

void TListView::SetViewStyle(TViewStyle style) {
  if (style == viewStyle_) return;
  viewStyle_ = style;
  RecreateWnd();
}

HWND TListView::HeaderHandle() const {
  return HandleAllocated() ? reinterpret_cast<HWND>(SendToWindow(LVM_GETHEADER, 0, 0)) : nullptr;
}

void TListView::UpdateColumns() {
  if (!HandleAllocated()) return;
  while (SendToWindow(LVM_DELETECOLUMN, 0, 0)) {
  }
  for (int i = 0; i < columns_->Count(); ++i) {
    std::wstring text = (*columns_)[i]->Caption();
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = text.data();
    column.cx = (*columns_)[i]->Width();
    column.iSubItem = i;
    SendToWindow(LVM_INSERTCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
  }
}

void TListView::UpdateItems() {
  if (!HandleAllocated()) return;
  SendToWindow(LVM_DELETEALLITEMS, 0, 0);
  for (int row = 0; row < items_->Count(); ++row) {
    const TListItem* source = (*items_)[row];
    std::wstring caption = source->Caption();
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = caption.data();
    SendToWindow(LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    // Sub-items beyond the last column have nowhere to show.
    const int shown = std::min(source->SubItems()->Count(), columns_->Count() - 1);
    for (int sub = 0; sub < shown; ++sub) {
      std::wstring text = source->SubItems()->Get(sub);
      item.iSubItem = sub + 1;
      item.pszText = text.data();
      SendToWindow(LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    }
  }
}

void TListView::Dispatch(TMessage& message) {
  if (message.Msg == CN_NOTIFY) return CNNotify(message);
  TWinControl::Dispatch(message);
}

void TListView::CNNotify(TMessage& message) {
  const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
  if (header->code != LVN_COLUMNCLICK || !OnColumnClick) return;
  const auto* notice = reinterpret_cast<const NMLISTVIEW*>(message.LParam);
  if (notice->iSubItem >= 0 && notice->iSubItem < columns_->Count()) {
    OnColumnClick(this, (*columns_)[notice->iSubItem]);
  }
}

}  // namespace lanvero::framework
