// The gallery's main window: a page per control family (built from its
// stored layout), the skin picker and the button that opens the plain
// dialog. The skin component and the store of the two built-in skins are
// part of the layout.
#pragma once

#include <memory>

#include "framework/controls/RadioGroup.h"
#include "framework/forms/Form.h"
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

  void Loaded() override;

  // Loads a skin package file given on the command line; the picker then
  // shows no built-in skin. Gives the reasons when the file is unusable.
  SkinFileUse UseSkinFile(const std::wstring& path, SkinFaults faults);

 private:
  framework::TRadioGroup* SkinPicker = nullptr;
  std::unique_ptr<GallerySkins> skins_;
  std::unique_ptr<MdiDemo> mdi_;  // made when first opened
};

}  // namespace lanvero::gallery
