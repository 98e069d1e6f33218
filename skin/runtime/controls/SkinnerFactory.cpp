#include "skin/runtime/controls/SkinnerFactory.h"

#include "skin/runtime/controls/SkinControl.h"
#include "skin/runtime/controls/ScrollbarControlSkinner.h"
#include "skin/runtime/controls/ScrollbarSkinner.h"

namespace lanvero {

TSkinControl* NewSkinner(SkinnerClass cls, framework::TComponent* owner, const SkinnerPresets& presets) {
  (void)owner;
  (void)presets;
  switch (cls) {
    case SkinnerClass::Scrollbar: {
      auto* scrollbar = new TSkinScrollbar(owner);
      scrollbar->kind = presets.kind;  // 1: a single scroll bar, no skinned frame
      return scrollbar;
    }
    case SkinnerClass::CheckList: return new TSkinCheckList(owner);
    case SkinnerClass::ListView: return new TSkinListView(owner);
    case SkinnerClass::ScControl: return new TSkinScControl(owner);
    default: return nullptr;
  }
}

}  // namespace lanvero
