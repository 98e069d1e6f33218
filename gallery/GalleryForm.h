// The gallery's main window: a page per control family (built from its
// stored layout), the skin picker, the buttons that open the plain dialog
// and the MDI window, a main menu that the skinned frame shows as its menu
// bar, right-click menus on a few controls, and a status line naming the
// last command. The skin component and the store of the two built-in skins
// are part of the layout.
#pragma once

#include <memory>

#include "framework/controls/RadioGroup.h"
#include "framework/controls/StatusBar.h"
#include "framework/forms/Form.h"
#include "framework/menus/Menus.h"
#include "gallery/GallerySkins.h"
#include "gallery/MdiDemo.h"

namespace lanvero::gallery {

using framework::ClassInfo;
using framework::TObject;

class TGalleryForm : public framework::TForm {
 public:
  explicit TGalleryForm(TComponent* owner);
  ~TGalleryForm() override;
  static const ClassInfo& StaticClassInfo();
  const ClassInfo& ClassType() const override { return StaticClassInfo(); }

  // Event handlers bound by name in the stored layout.
  void SkinPickerClick(TObject* sender);
  void PlainDialogButtonClick(TObject* sender);
  void MdiButtonClick(TObject* sender);
  // Menu commands (GalleryMenuCommands.cpp).
  void SkinItemClick(TObject* sender);
  void OpenSkinItemClick(TObject* sender);
  void CheckedItemClick(TObject* sender);
  void ChoiceItemClick(TObject* sender);
  void LookItemClick(TObject* sender);
  // Right-click menus (GalleryMenuCommands.cpp).
  void SelectAllItemClick(TObject* sender);
  void ClearEditItemClick(TObject* sender);
  void ListPopupPopup(TObject* sender);
  void AddListItemClick(TObject* sender);
  void RemoveListItemClick(TObject* sender);
  void PagesPopupPopup(TObject* sender);

  void Loaded() override;

 protected:
  void Notification(TComponent* component, framework::TOperation operation) override;

 public:
  // Loads a skin package file given on the command line; the picker then
  // shows no built-in skin. Gives the reasons when the file is unusable.
  SkinFileUse UseSkinFile(const std::wstring& path, SkinFaults faults);

 private:
  // Chooses line `index` of the skin picker, as a click on it would.
  void PickSkin(int index);
  // The skin menus' radio items follow the picker (`index` -1: a file).
  void ShowSkinChoice(int index);
  void ShowCommand(const std::wstring& text);
  void FillPagesPopup();

  framework::TRadioGroup* SkinPicker = nullptr;
  framework::TStatusBar* CommandStatus = nullptr;
  std::unique_ptr<GallerySkins> skins_;
  std::unique_ptr<MdiDemo> mdi_;  // made when first opened
};

}  // namespace lanvero::gallery
