#pragma once
// The skinner classes control discovery chooses from, and making one.

#include <string>

#include "framework/core/Component.h"

namespace lanvero {

class TSkinControl;

enum class SkinnerClass {
  Button,
  BitButton,
  MenuButton,
  SpeedButton,
  CheckBox,
  RadioButton,
  Scrollbar,
  CheckList,
  ListView,
  ScControl,
  Sizer,
  Edit,
  ComBox,
  DateTime,
  UpDown,
  Tab,
  Tab31,
  TabSheet,
  TabBtn,
  AdvPage,
  StatusBar,
  GroupBox,
  Box,
  BoxH,
  Progress,
  TrackBar,
  Header,
  ObjImage,
  MP,
  // Scroll bar skinners of a combo box's list, made by the combo skinner.
  ComboxScrollBar,
  ScrollbarH,
};

// Fields a rule sets before the skinner attaches.
struct SkinnerPresets {
  int kind = 0;
  bool hasButton = false;  // combo boxes drawn with their own button
  std::wstring picField;   // the picture property of bitmap buttons

  static SkinnerPresets Kind(int value) {
    SkinnerPresets presets;
    presets.kind = value;
    return presets;
  }
  static SkinnerPresets WithButton() {
    SkinnerPresets presets;
    presets.hasButton = true;
    return presets;
  }
  static SkinnerPresets Picture(std::wstring field) {
    SkinnerPresets presets;
    presets.picField = std::move(field);
    return presets;
  }
};

// A new skinner of class `cls` owned by `owner`, presets applied; null for
// a class this build has no skinner for (the control stays native).
TSkinControl* NewSkinner(SkinnerClass cls, framework::TComponent* owner, const SkinnerPresets& presets = {});

}  // namespace lanvero
