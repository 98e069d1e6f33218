#include "gallery/GalleryForm.h"

#include "framework/controls/CheckListBox.h"
#include "framework/controls/TreeView.h"
#include "framework/core/ClassBuilder.h"
#include "framework/forms/Application.h"
#include "gallery/LayoutComponent.h"
#include "gallery/PlainDialog.h"
#include "gallery/SkinFileDialog.h"
#include "skin/definitions/SkinData.h"
#include "skin/package/SkinStore.h"

namespace lanvero::gallery {
namespace {

// A few nodes on two levels, so that lines and buttons show.
void FillTree(framework::TTreeView& tree) {
  framework::TTreeNodes& nodes = *tree.Items();
  framework::TTreeNode* skins = nodes.Add(nullptr, L"Skins");
  nodes.AddChild(skins, L"paleglass");
  nodes.AddChild(skins, L"coalrim");
  nodes.Add(skins, L"Notes");
  skins->Expand(false);
}

// The picker's lines, and the skin menus' radio items in the same order.
constexpr int kSkinChoices = 3;

}  // namespace

TGalleryForm::TGalleryForm(TComponent* owner) : TForm(owner) {}

// The MDI window goes first, while this form can still hear of each of its
// forms going.
TGalleryForm::~TGalleryForm() { mdi_.reset(); }

void TGalleryForm::Notification(TComponent* component, framework::TOperation operation) {
  TForm::Notification(component, operation);
  if (operation == framework::TOperation::opRemove && mdi_) mdi_->Forget(component);
}

const ClassInfo& TGalleryForm::StaticClassInfo() {
  static const ClassInfo info = framework::ClassBuilder<TGalleryForm>("TGalleryForm", &TForm::StaticClassInfo())
                                    .Creatable()
                                    .Method("SkinPickerClick", &TGalleryForm::SkinPickerClick)
                                    .Method("PlainDialogButtonClick", &TGalleryForm::PlainDialogButtonClick)
                                    .Method("MdiButtonClick", &TGalleryForm::MdiButtonClick)
                                    .Method("SkinItemClick", &TGalleryForm::SkinItemClick)
                                    .Method("OpenSkinItemClick", &TGalleryForm::OpenSkinItemClick)
                                    .Method("CheckedItemClick", &TGalleryForm::CheckedItemClick)
                                    .Method("ChoiceItemClick", &TGalleryForm::ChoiceItemClick)
                                    .Method("LookItemClick", &TGalleryForm::LookItemClick)
                                    .Method("SelectAllItemClick", &TGalleryForm::SelectAllItemClick)
                                    .Method("ClearEditItemClick", &TGalleryForm::ClearEditItemClick)
                                    .Method("ListPopupPopup", &TGalleryForm::ListPopupPopup)
                                    .Method("AddListItemClick", &TGalleryForm::AddListItemClick)
                                    .Method("RemoveListItemClick", &TGalleryForm::RemoveListItemClick)
                                    .Method("PagesPopupPopup", &TGalleryForm::PagesPopupPopup)
                                    .Build();
  return info;
}

void TGalleryForm::Loaded() {
  TForm::Loaded();
  SkinPicker = &LayoutComponent<framework::TRadioGroup>(*this, L"SkinPicker");
  CommandStatus = &LayoutComponent<framework::TStatusBar>(*this, L"CommandStatus");
  skins_ = std::make_unique<GallerySkins>(LayoutComponent<TSkinData>(*this, L"SkinData1"),
                                          LayoutComponent<TSkinStore>(*this, L"SkinStore1"));
  FillTree(LayoutComponent<framework::TTreeView>(*this, L"Tree"));
  LayoutComponent<framework::TCheckListBox>(*this, L"Checks").SetChecked(0, true);
  FillPagesPopup();
}

void TGalleryForm::SkinPickerClick(TObject*) {
  skins_->Choose(SkinPicker->ItemIndex());
  ShowSkinChoice(SkinPicker->ItemIndex());
}

void TGalleryForm::ShowSkinChoice(int index) {
  for (const wchar_t* menuName : {L"SkinMenu", L"SkinPopup"}) {
    TComponent* found = FindComponent(menuName);
    framework::TMenuItem* items = nullptr;
    if (auto* item = dynamic_cast<framework::TMenuItem*>(found)) items = item;
    if (auto* popup = dynamic_cast<framework::TPopupMenu*>(found)) items = popup->Items();
    if (!items) continue;
    for (int i = 0; i < kSkinChoices && i < items->Count(); ++i) items->Items(i)->SetChecked(i == index);
  }
  if (mdi_) mdi_->ShowSkinChoice(index);
  const bool chosen = index >= 0 && index < kSkinChoices;
  ShowCommand(chosen ? L"Skin: " + SkinPicker->Items()->Get(index) : L"Skin: from a file");
}

void TGalleryForm::ShowCommand(const std::wstring& text) {
  if (CommandStatus->Panels()->Count() > 0) (*CommandStatus->Panels())[0]->SetText(text);
}

void TGalleryForm::PlainDialogButtonClick(TObject*) {
  ShowCommand(L"Plain dialog");
  RunPlainDialog(Handle());
}

void TGalleryForm::MdiButtonClick(TObject*) {
  if (!mdi_) {
    mdi_ = std::make_unique<MdiDemo>(*this, [this](int index) { PickSkin(index); });
    mdi_->ShowSkinChoice(SkinPicker->ItemIndex());
  }
  ShowCommand(L"MDI windows");
  mdi_->Show();
}

void TGalleryForm::SkinItemClick(TObject* sender) {
  if (auto* item = dynamic_cast<framework::TMenuItem*>(sender)) PickSkin(item->MenuIndex());
}

// Setting the picker's line raises no click of its own: the picker's
// handler is run here, so every way of choosing does the same.
void TGalleryForm::PickSkin(int index) {
  SkinPicker->SetItemIndex(index);
  SkinPickerClick(SkinPicker);
}

void TGalleryForm::OpenSkinItemClick(TObject*) {
  const std::wstring path = AskForSkinFile(Handle());
  if (path.empty()) return;
  const SkinFileUse use = UseSkinFile(path, SkinFaults::Refuse);
  if (!use.problems.empty()) {
    framework::Application()->MessageBox(SkinFileMessage(path, use), Caption(), MB_OK | MB_ICONWARNING);
  }
}

SkinFileUse TGalleryForm::UseSkinFile(const std::wstring& path, SkinFaults faults) {
  SkinFileUse use = skins_->LoadFile(path, faults);
  if (use.worn) {
    SkinPicker->SetItemIndex(-1);
    ShowSkinChoice(-1);
  }
  return use;
}

}  // namespace lanvero::gallery
