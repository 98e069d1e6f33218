// The gallery's menu commands that only show what the skinned menus draw
// (check marks, radio bullets, images, a disabled item, a sub-menu), and
// the right-click menus of the skin picker, the edits, the item list and
// the page control. Each command names itself in the status line, so that
// a person (or a test) sees which one ran.
#include <string>

#include "framework/controls/Edits.h"
#include "framework/controls/ListControls.h"
#include "framework/controls/PageControl.h"
#include "gallery/GalleryForm.h"
#include "gallery/LayoutComponent.h"

namespace lanvero::gallery {
namespace {

using framework::TMenuItem;

// The caption as read, without the accelerator marks.
std::wstring PlainCaption(const TMenuItem& item) {
  std::wstring text;
  const std::wstring caption = item.Caption();
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == L'&' && i + 1 < caption.size() && caption[i + 1] != L'&') continue;
    text += caption[i];
  }
  return text;
}

TMenuItem* SenderItem(TObject* sender) { return dynamic_cast<TMenuItem*>(sender); }

// The radio items of one level form one group: the chosen one is checked.
void CheckAmongRadioSiblings(TMenuItem& chosen) {
  TMenuItem* parent = chosen.Parent();
  if (!parent) return;
  for (int i = 0; i < parent->Count(); ++i) {
    TMenuItem* item = parent->Items(i);
    if (item->RadioItem()) item->SetChecked(item == &chosen);
  }
}

framework::TCustomEdit* PoppedUpEdit(const framework::TComponent& form) {
  const auto& popup = LayoutComponent<framework::TPopupMenu>(form, L"EditPopup");
  return dynamic_cast<framework::TCustomEdit*>(popup.PopupComponent());
}

}  // namespace

void TGalleryForm::CheckedItemClick(TObject* sender) {
  TMenuItem* item = SenderItem(sender);
  if (!item) return;
  item->SetChecked(!item->Checked());
  ShowCommand(PlainCaption(*item) + (item->Checked() ? L": on" : L": off"));
}

void TGalleryForm::ChoiceItemClick(TObject* sender) {
  TMenuItem* item = SenderItem(sender);
  if (!item) return;
  CheckAmongRadioSiblings(*item);
  ShowCommand(L"Choice: " + PlainCaption(*item));
}

void TGalleryForm::LookItemClick(TObject* sender) {
  if (TMenuItem* item = SenderItem(sender)) ShowCommand(L"Command: " + PlainCaption(*item));
}

void TGalleryForm::SelectAllItemClick(TObject*) {
  if (framework::TCustomEdit* edit = PoppedUpEdit(*this)) {
    edit->SetFocus();
    edit->SelectAll();
    ShowCommand(L"Select all");
  }
}

void TGalleryForm::ClearEditItemClick(TObject*) {
  if (framework::TCustomEdit* edit = PoppedUpEdit(*this)) {
    edit->Clear();
    ShowCommand(L"Clear");
  }
}

void TGalleryForm::ListPopupPopup(TObject*) {
  const auto& list = LayoutComponent<framework::TListBox>(*this, L"ItemList");
  LayoutComponent<TMenuItem>(*this, L"RemoveListItem").SetEnabled(list.ItemIndex() >= 0);
}

void TGalleryForm::AddListItemClick(TObject*) {
  auto& list = LayoutComponent<framework::TListBox>(*this, L"ItemList");
  list.Items()->Add(L"Added item " + std::to_wstring(list.Items()->Count() + 1));
  ShowCommand(L"Add an item");
}

void TGalleryForm::RemoveListItemClick(TObject*) {
  auto& list = LayoutComponent<framework::TListBox>(*this, L"ItemList");
  const int index = list.ItemIndex();
  if (index < 0) return;
  list.Items()->Delete(index);
  ShowCommand(L"Remove the selected item");
}

// One radio item per page; choosing one shows that page.
void TGalleryForm::FillPagesPopup() {
  auto& popup = LayoutComponent<framework::TPopupMenu>(*this, L"PagesPopup");
  auto& pages = LayoutComponent<framework::TPageControl>(*this, L"Pages");
  for (int i = 0; i < pages.PageCount(); ++i) {
    auto* item = new TMenuItem(&popup);
    item->SetCaption(pages.Pages(i)->Caption() + L" page");
    item->SetRadioItem(true);
    item->OnClick = [this, &pages, i](TObject*) {
      pages.SetActivePageIndex(i);
      ShowCommand(L"Page: " + pages.Pages(i)->Caption());
    };
    popup.Items()->Add(item);
  }
}

void TGalleryForm::PagesPopupPopup(TObject*) {
  auto& popup = LayoutComponent<framework::TPopupMenu>(*this, L"PagesPopup");
  const int active = LayoutComponent<framework::TPageControl>(*this, L"Pages").ActivePageIndex();
  for (int i = 0; i < popup.Items()->Count(); ++i) popup.Items()->Items(i)->SetChecked(i == active);
}

}  // namespace lanvero::gallery
