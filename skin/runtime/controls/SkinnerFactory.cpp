#include "skin/runtime/controls/SkinnerFactory.h"

#include "skin/runtime/controls/BoxSkinners.h"
#include "skin/runtime/controls/ButtonSkinners.h"
#include "skin/runtime/controls/ComboSkinner.h"
#include "skin/runtime/controls/DateTimeSkinner.h"
#include "skin/runtime/controls/EditSkinner.h"
#include "skin/runtime/controls/GroupBoxSkinner.h"
#include "skin/runtime/controls/HeaderSkinner.h"
#include "skin/runtime/controls/MediaPlayerSkinner.h"
#include "skin/runtime/controls/ObjImageSkinner.h"
#include "skin/runtime/controls/ProgressSkinner.h"
#include "skin/runtime/controls/ScrollbarComboList.h"
#include "skin/runtime/controls/ScrollbarControlSkinner.h"
#include "skin/runtime/controls/ScrollbarRawSkinner.h"
#include "skin/runtime/controls/ScrollbarSkinner.h"
#include "skin/runtime/controls/SkinControl.h"
#include "skin/runtime/controls/StatusBarSkinner.h"
#include "skin/runtime/controls/TabPageSkinners.h"
#include "skin/runtime/controls/TabSetSkinner.h"
#include "skin/runtime/controls/TabSkinner.h"
#include "skin/runtime/controls/TrackBarSkinner.h"
#include "skin/runtime/controls/UpDownSkinner.h"

namespace lanvero {

namespace {

template <class T>
TSkinControl* WithPresetKind(framework::TComponent* owner, const SkinnerPresets& presets) {
  auto* skinner = new T(owner);
  skinner->kind = presets.kind;
  return skinner;
}

}  // namespace

TSkinControl* NewSkinner(SkinnerClass cls, framework::TComponent* owner, const SkinnerPresets& presets) {
  switch (cls) {
    case SkinnerClass::Button: return WithPresetKind<TSkinButton>(owner, presets);
    case SkinnerClass::BitButton: {
      auto* skinner = new TSkinBitButton(owner);
      skinner->PicField = presets.picField;
      return skinner;
    }
    case SkinnerClass::MenuButton: return WithPresetKind<TSkinMenuButton>(owner, presets);
    case SkinnerClass::SpeedButton: {
      auto* skinner = new TSkinSpeedButton(owner);
      skinner->PicField = presets.picField;
      return skinner;
    }
    case SkinnerClass::CheckBox: return WithPresetKind<TSkinCheckBox>(owner, presets);
    case SkinnerClass::RadioButton: return WithPresetKind<TSkinRadioButton>(owner, presets);
    case SkinnerClass::Tab: return WithPresetKind<TSkinTab>(owner, presets);
    case SkinnerClass::TabSheet: return WithPresetKind<TSkinTabSheet>(owner, presets);
    case SkinnerClass::TabBtn: return WithPresetKind<TSkinTabBtn>(owner, presets);
    case SkinnerClass::AdvPage: return WithPresetKind<TSkinAdvPage>(owner, presets);
    case SkinnerClass::StatusBar: return WithPresetKind<TSkinStatusBar>(owner, presets);
    case SkinnerClass::GroupBox: return WithPresetKind<TSkinGroupBox>(owner, presets);
    case SkinnerClass::Box: return WithPresetKind<TSkinBox>(owner, presets);
    case SkinnerClass::BoxH: return WithPresetKind<TSkinBoxH>(owner, presets);
    case SkinnerClass::Sizer: return WithPresetKind<TSkinSizer>(owner, presets);
    case SkinnerClass::Progress: return WithPresetKind<TSkinProgress>(owner, presets);
    case SkinnerClass::TrackBar: return WithPresetKind<TSkinTrackBar>(owner, presets);
    case SkinnerClass::Header: return WithPresetKind<TSkinHeader>(owner, presets);
    case SkinnerClass::ObjImage: return WithPresetKind<TSkinObjImage>(owner, presets);
    case SkinnerClass::Edit: return WithPresetKind<TSkinEdit>(owner, presets);
    case SkinnerClass::ComBox: {
      auto* combo = new TSkinComBox(owner);
      combo->HasButton = presets.hasButton;
      return combo;
    }
    case SkinnerClass::DateTime: return WithPresetKind<TSkinDateTime>(owner, presets);
    case SkinnerClass::UpDown: return WithPresetKind<TSkinUpDown>(owner, presets);
    case SkinnerClass::Scrollbar: {
      auto* scrollbar = new TSkinScrollbar(owner);
      scrollbar->kind = presets.kind;  // 1: a single scroll bar, no skinned frame
      return scrollbar;
    }
    case SkinnerClass::CheckList: return new TSkinCheckList(owner);
    case SkinnerClass::ListView: return new TSkinListView(owner);
    case SkinnerClass::ScControl: return new TSkinScControl(owner);
    case SkinnerClass::ComboxScrollBar: return new TComboxScrollBar(owner);
    case SkinnerClass::ScrollbarH: return new TSkinScrollbarH(owner);
    case SkinnerClass::MP: return WithPresetKind<TSkinMP>(owner, presets);
    case SkinnerClass::Tab31: return WithPresetKind<TSkinTab31>(owner, presets);
    default: return nullptr;
  }
}

}  // namespace lanvero
