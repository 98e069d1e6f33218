#include "skin/runtime/controls/SkinnerFactory.h"

#include "skin/runtime/controls/SkinControl.h"

namespace lanvero {

TSkinControl* NewSkinner(SkinnerClass cls, framework::TComponent* owner, const SkinnerPresets& presets) {
  (void)owner;
  (void)presets;
  switch (cls) {
    default: return nullptr;
  }
}

}  // namespace lanvero
