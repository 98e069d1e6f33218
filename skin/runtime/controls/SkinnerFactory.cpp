#include "skin/runtime/controls/SkinnerFactory.h"

#include "skin/runtime/controls/ComboSkinner.h"
#include "skin/runtime/controls/DateTimeSkinner.h"
#include "skin/runtime/controls/EditSkinner.h"
#include "skin/runtime/controls/SkinControl.h"
#include "skin/runtime/controls/UpDownSkinner.h"

namespace lanvero {

TSkinControl* NewSkinner(SkinnerClass cls, framework::TComponent* owner, const SkinnerPresets& presets) {
  (void)owner;
  (void)presets;
  switch (cls) {
    case SkinnerClass::Edit: return new TSkinEdit(owner);
    case SkinnerClass::ComBox: {
      auto* combo = new TSkinComBox(owner);
      combo->HasButton = presets.hasButton;
      return combo;
    }
    case SkinnerClass::DateTime: return new TSkinDateTime(owner);
    case SkinnerClass::UpDown: return new TSkinUpDown(owner);
    default: return nullptr;
  }
}

}  // namespace lanvero
