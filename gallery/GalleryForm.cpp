#include "gallery/GalleryForm.h"

#include "framework/core/ClassBuilder.h"
#include "framework/controls/CheckListBox.h"
#include "framework/controls/TreeView.h"
#include "framework/core/FrameworkError.h"
#include "gallery/PlainDialog.h"
#include "skin/definitions/SkinData.h"
#include "skin/package/SkinStore.h"

namespace lanvero::gallery {
namespace {

// A component of the layout by name; a missing one is a broken layout.
template <class T>
T& LayoutComponent(const framework::TComponent& owner, const wchar_t* name) {
  if (auto* component = dynamic_cast<T*>(owner.FindComponent(name))) return *component;
  throw framework::FrameworkError(std::wstring(L"The gallery's layout lacks ") + name);
}

// A few nodes on two levels, so that lines and buttons show.
void FillTree(framework::TTreeView& tree) {
  framework::TTreeNodes& nodes = *tree.Items();
  framework::TTreeNode* skins = nodes.Add(nullptr, L"Skins");
  nodes.AddChild(skins, L"paleglass");
  nodes.AddChild(skins, L"coalrim");
  nodes.Add(skins, L"Notes");
  skins->Expand(false);
}

}  // namespace

TGalleryForm::TGalleryForm(TComponent* owner) : TForm(owner) {}

TGalleryForm::~TGalleryForm() = default;

const ClassInfo& TGalleryForm::StaticClassInfo() {
  static const ClassInfo info =
      framework::ClassBuilder<TGalleryForm>("TGalleryForm", &TForm::StaticClassInfo())
          .Creatable()
          .Method("SkinPickerClick", &TGalleryForm::SkinPickerClick)
          .Method("PlainDialogButtonClick", &TGalleryForm::PlainDialogButtonClick)
          .Method("MdiButtonClick", &TGalleryForm::MdiButtonClick)
          .Build();
  return info;
}

void TGalleryForm::Loaded() {
  TForm::Loaded();
  SkinPicker = &LayoutComponent<framework::TRadioGroup>(*this, L"SkinPicker");
  skins_ = std::make_unique<GallerySkins>(LayoutComponent<TSkinData>(*this, L"SkinData1"),
                                          LayoutComponent<TSkinStore>(*this, L"SkinStore1"));
  FillTree(LayoutComponent<framework::TTreeView>(*this, L"Tree"));
  LayoutComponent<framework::TCheckListBox>(*this, L"Checks").SetChecked(0, true);
}

void TGalleryForm::SkinPickerClick(TObject*) { skins_->Choose(SkinPicker->ItemIndex()); }

void TGalleryForm::PlainDialogButtonClick(TObject*) { RunPlainDialog(Handle()); }

void TGalleryForm::MdiButtonClick(TObject*) {
  if (!mdi_) mdi_ = std::make_unique<MdiDemo>(*skins_);
  mdi_->Show();
}

SkinFileUse TGalleryForm::UseSkinFile(const std::wstring& path, SkinFaults faults) {
  SkinFileUse use = skins_->LoadFile(path, faults);
  if (use.worn) SkinPicker->SetItemIndex(-1);
  return use;
}

}  // namespace lanvero::gallery
