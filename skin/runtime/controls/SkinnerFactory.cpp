#include "skin/runtime/controls/SkinnerFactory.h"

#include "skin/runtime/controls/SkinControl.h"
#include "skin/runtime/controls/ButtonSkinners.h"

namespace lanvero {

TSkinControl* NewSkinner(SkinnerClass cls, framework::TComponent* owner, const SkinnerPresets& presets) {
  (void)owner;
  (void)presets;
  switch (cls) {
    case SkinnerClass::Button: return new TSkinButton(owner);
    case SkinnerClass::BitButton: {
      auto* skinner = new TSkinBitButton(owner);
      skinner->PicField = presets.picField;
      return skinner;
    }
    case SkinnerClass::MenuButton: return new TSkinMenuButton(owner);
    case SkinnerClass::SpeedButton: {
      auto* skinner = new TSkinSpeedButton(owner);
      skinner->PicField = presets.picField;
      return skinner;
    }
    case SkinnerClass::CheckBox: return new TSkinCheckBox(owner);
    case SkinnerClass::RadioButton: return new TSkinRadioButton(owner);
    default: return nullptr;
  }
}

}  // namespace lanvero
