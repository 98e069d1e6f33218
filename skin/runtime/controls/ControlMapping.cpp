// The rules that map a framework control to its skinner: the skin data's
// class list (Skin3rd) first, then the built-in table of control kinds.
// When a kind matches but its switch is off, the next rules are tried; a
// bitmap button is the one kind that stops without its switch.
#include "framework/controls/Buttons.h"
#include "framework/controls/Containers.h"
#include "framework/controls/grid/DBGrid.h"
#include "framework/controls/DateTimePicker.h"
#include "framework/controls/Edits.h"
#include "framework/controls/GlyphButtons.h"
#include "framework/controls/ListControls.h"
#include "framework/controls/ListViews.h"
#include "framework/controls/PageControl.h"
#include "framework/controls/RadioGroup.h"
#include "framework/controls/RangeControls.h"
#include "framework/controls/StatusBar.h"
#include "framework/controls/TabControl.h"
#include "framework/controls/ToolBar.h"
#include "framework/controls/UpDown.h"
#include "framework/forms/Form.h"
#include "framework/menus/Menus.h"
#include "skin/runtime/controls/ClassNameCase.h"
#include "skin/runtime/controls/PropertyByName.h"
#include "skin/runtime/controls/SkinControl.h"
#include "skin/runtime/controls/SkinnerFactory.h"
#include "skin/runtime/frame/WinSkinForm.h"
#include "skin/runtime/menus/MenuHandlers.h"

namespace lanvero {
namespace {

using framework::TControl;
using framework::TWinControl;

template <class T>
T* As(TControl* control) {
  return dynamic_cast<T*>(control);
}

bool NameIs(const std::wstring& name, std::initializer_list<const wchar_t*> names) {
  for (const wchar_t* n : names) {
    if (name == n) return true;
  }
  return false;
}

bool PickerShowsUpDown(framework::TDateTimePicker& picker) {
  if (picker.Kind() == framework::TDateTimeKind::dtkTime) return true;
  return picker.HandleAllocated() && (GetWindowLongPtrW(picker.WindowHandle(), GWL_STYLE) & DTS_UPDOWN);
}

std::vector<TControl*> ChildrenOf(TControl* control) {
  std::vector<TControl*> children;
  if (auto* container = dynamic_cast<TWinControl*>(control)) {
    for (int i = 0; i < container->ControlCount(); ++i) children.push_back(container->Controls(i));
  }
  return children;
}

}  // namespace

void TWinSkinForm::SkinMenuItemTree(framework::TMenuItem* item, bool Enable) {
  if (!item) return;
  auto apply = [this, Enable](framework::TMenuItem& each) {
    if (Enable) {
      BindSkinHandlers(each, *this, MenuMeasure::kMainMenu, false);
    } else {
      UnbindSkinHandlers(each, *this);
    }
  };
  apply(*item);
  ForEachSubItem(*item, apply);
}

bool TWinSkinForm::MapBySkin3rd(const std::wstring& name, TControl* control) {
  const std::optional<std::wstring> kind = fsd->Skin3rdKind(name);
  if (!kind) return false;
  // A listed class never reaches the built-in rules, whatever its kind.
  ActOnListedKind(*kind, LowerName(name) + L"=", control);
  return true;
}

void TWinSkinForm::ActOnListedKind(const std::wstring& kind, const std::wstring& key, TControl* control) {
  const SkinnerPresets none;
  if (kind == L"nil") return;
  if (kind == L"combobox" && Switch(xcCombo)) {
    Attach(SkinnerClass::ComBox, control, false);
    return;
  }
  if (kind == L"comboboxex" && Switch(xcCombo)) {
    Attach(SkinnerClass::ComBox, control, false, SkinnerPresets::WithButton());
    return;
  }
  if (kind == L"edit" && Switch(xcEdit)) {
    AttachEditIfBordered(control);
    return;
  }
  if (kind == L"radiobutton" && Switch(xcRadioButton)) {
    Attach(SkinnerClass::RadioButton, control, false);
    return;
  }
  if (kind == L"panel" && Switch(xcPanel)) {
    SetPropByName(control, "Transparent", L"True");
    Attach(SkinnerClass::Box, control, true);
    return;
  }
  if (kind == L"trackbar" && Switch(xcButton)) {
    SetPropByName(control, "Transparent", L"True");
    Attach(SkinnerClass::TrackBar, control, false);
    return;
  }
  if (kind == L"button" && Switch(xcButton)) {
    Attach(SkinnerClass::Button, control, false);
    return;
  }
  if (kind == L"datetimepicker" && Switch(xcCombo)) {
    Attach(SkinnerClass::DateTime, control, false);
    return;
  }
  if (kind == L"mediaplayer" && Switch(xcButton)) {
    Attach(SkinnerClass::MP, control, false);
    return;
  }
  if (kind == L"bitbtn" && Switch(xcButton)) {
    const bool dropDown = key == L"tcxbutton=" && GetEnumPropByName(control, "Kind") == L"cxbkDropDownButton";
    Attach(dropDown ? SkinnerClass::MenuButton : SkinnerClass::BitButton, control, false);
    return;
  }
  if (kind == L"pngbitbtn" && Switch(xcButton)) {
    Attach(SkinnerClass::BitButton, control, false, SkinnerPresets::Picture(L"PngImage"));
    return;
  }
  if (kind == L"pngspeedbutton" && Switch(xcButton)) {
    AttachGraphic(SkinnerClass::SpeedButton, control, SkinnerPresets::Picture(L"PngImage"));
    return;
  }
  if (kind == L"menubtn" && Switch(xcButton)) {
    Attach(SkinnerClass::MenuButton, control, false);
    return;
  }
  if (kind == L"speedbutton" && Switch(xcSpeedButton)) {
    AttachGraphic(SkinnerClass::SpeedButton, control, none);
    return;
  }
  if (kind == L"tab" && TabsAvailable()) {
    Attach(SkinnerClass::Tab, control, false);
    return;
  }
  if (kind == L"progress" && Switch(xcProgress)) {
    Attach(SkinnerClass::Progress, control, false);
    return;
  }
  if (kind == L"scrollbar" && Switch(xcScrollbar)) {
    AttachScroll(SkinnerClass::Scrollbar, control, none);
    AddChildControls(control);
    return;
  }
  if (kind == L"singlescrollbar" && Switch(xcScrollbar)) {
    AttachScroll(SkinnerClass::Scrollbar, control, SkinnerPresets::Kind(1));
    return;
  }
  if (kind == L"embedscrollbar" && Switch(xcScrollbar)) {
    for (TControl* child : ChildrenOf(control)) {
      if (As<framework::TScrollBar>(child)) {
        AttachScroll(SkinnerClass::ScControl, child, none);
      } else if (HasScrollBars(child)) {
        AttachScroll(SkinnerClass::Scrollbar, child, none);
      }
    }
    return;
  }
  if (kind == L"container") {
    AddChildControls(control);
    return;
  }
  if (kind == L"groupbox" && Switch(xcGroupBox)) {
    Attach(SkinnerClass::GroupBox, control, true);
    return;
  }
  if (kind == L"advpagecontrol" && Switch(xcTab)) {
    Attach(SkinnerClass::AdvPage, control, true, SkinnerPresets::Kind(4));
    return;
  }
  if (kind == L"radiogroup" && Switch(xcGroupBox)) {
    if (Switch(xcRadioButton)) SkinGroupButtons(control, SkinnerClass::RadioButton, 2);
    Attach(SkinnerClass::GroupBox, control, true);
    return;
  }
  if (kind == L"checkgroup" && Switch(xcPanel)) {
    if (Switch(xcRadioButton)) SkinGroupButtons(control, SkinnerClass::CheckBox, 1);
    if (Switch(xcGroupBox)) Attach(SkinnerClass::GroupBox, control, true);
    return;
  }
  if (kind == L"checkbox" && Switch(xcCheckBox)) Attach(SkinnerClass::CheckBox, control, false);
}

// The buttons of a listed radio or check group: third-party ("TRZ")
// buttons are drawn as images of `imageKind`, others get `cls`.
void TWinSkinForm::SkinGroupButtons(TControl* group, SkinnerClass cls, int imageKind) {
  for (TControl* child : ChildrenOf(group)) {
    const std::wstring name = UpperName(child->ClassName());
    if (name.find(L"TRZ") != std::wstring::npos) {
      Attach(SkinnerClass::ObjImage, child, true, SkinnerPresets::Kind(imageKind));
    } else {
      Attach(cls, child, false);
    }
  }
}

void TWinSkinForm::AddByKind(TControl* Comp, const std::wstring& name) {
  if (AddContainerKind(Comp, name)) return;
  if (AddButtonKind(Comp, name)) return;
  if (AddBarKind(Comp, name)) return;
  AddInputKind(Comp, name);
}

// Tabs, tool bars, panels, groups and embedded forms.
bool TWinSkinForm::AddContainerKind(TControl* Comp, const std::wstring& name) {
  if (auto* tabs = As<framework::TCustomTabControl>(Comp); tabs && TabsAvailable()) {
    auto* pages = As<framework::TPageControl>(Comp);
    if (pages && pages->TabStyle() == framework::TTabStyle::tsTabs) {
      Attach(SkinnerClass::Tab, Comp, false);
    } else if (pages) {
      Attach(SkinnerClass::TabBtn, Comp, false);
    } else {
      Attach(SkinnerClass::Tab, Comp, false, SkinnerPresets::Kind(2));
    }
    return true;
  }
  if (auto* button = As<framework::TToolButton>(Comp); button && button->MenuItem() && sMainMenu) {
    SkinMenuItemTree(button->MenuItem(), true);
    return true;
  }
  if (name == L"TTABSET" && TabsAvailable()) {
    Attach(SkinnerClass::Tab31, Comp, false);
    return true;
  }
  if (As<framework::TTabSheet>(Comp) && TabsAvailable()) {
    Attach(SkinnerClass::TabSheet, Comp, false);
    return true;
  }
  if (name == L"TTABBEDNOTEBOOK" && TabsAvailable()) {
    Attach(SkinnerClass::Tab, Comp, false);
    return true;
  }
  if (name == L"TMVCPANEL") {
    AddChildControls(Comp);
    return true;
  }
  return false;
}

// Rules 8 to 19 of the table: headers, check boxes, track bars, spins,
// media players, groups and radio buttons.
bool TWinSkinForm::AddButtonKind(TControl* Comp, const std::wstring& name) {
  if (As<framework::THeaderControl>(Comp) && Switch(xcPanel)) {
    Attach(SkinnerClass::Header, Comp, false);
    return true;
  }
  if (As<framework::TCheckBox>(Comp) && Switch(xcCheckBox)) {
    Attach(SkinnerClass::CheckBox, Comp, false);
    return true;
  }
  if (As<framework::TTrackBar>(Comp) && Switch(xcTrackBar)) {
    Attach(SkinnerClass::TrackBar, Comp, false);
    return true;
  }
  if (NameIs(name, {L"TUPDOWN", L"TSPINBUTTON"}) && Switch(xcSpin)) {
    Attach(SkinnerClass::UpDown, Comp, false);
    return true;
  }
  if (name == L"TMEDIAPLAYER" && Switch(xcButton)) {
    Attach(SkinnerClass::MP, Comp, false);
    return true;
  }
  if (As<framework::TRadioGroup>(Comp) && Switch(xcRadioButton)) {
    for (TControl* child : ChildrenOf(Comp)) Attach(SkinnerClass::RadioButton, child, false);
    Attach(SkinnerClass::GroupBox, Comp, true);
    return true;
  }
  if (name == L"TDBNAVIGATOR" && Switch(xcPanel)) {
    Attach(SkinnerClass::Box, Comp, true);
    for (TControl* child : ChildrenOf(Comp)) AddComp(child, nullptr);
    return true;
  }
  if (NameIs(name, {L"TRZDBCHECKBOX", L"TRZCHECKBOX"}) && Switch(xcCheckBox)) {
    Attach(SkinnerClass::ObjImage, Comp, true, SkinnerPresets::Kind(1));
    return true;
  }
  if (NameIs(name, {L"TRZRADIOBUTTON", L"TRZDBRADIOBUTTON"}) && Switch(xcRadioButton)) {
    Attach(SkinnerClass::ObjImage, Comp, true, SkinnerPresets::Kind(2));
    return true;
  }
  if (NameIs(name, {L"TCXDBCHECKBOX", L"TCXCHECKBOX"}) && Switch(xcCheckBox)) {
    Attach(SkinnerClass::ObjImage, Comp, true, SkinnerPresets::Kind(3));
    return true;
  }
  if (As<framework::TCustomGroupBox>(Comp) && Switch(xcPanel)) {
    AddChildControls(Comp);
    Attach(SkinnerClass::GroupBox, Comp, false);
    return true;
  }
  if (As<framework::TRadioButton>(Comp) && Switch(xcRadioButton)) {
    Attach(SkinnerClass::RadioButton, Comp, false);
    return true;
  }
  return false;
}

// Rules 20 to 28: tool bars, status bars, progress, scroll bars, combo
// boxes, date pickers and rich edits.
bool TWinSkinForm::AddBarKind(TControl* Comp, const std::wstring& name) {
  if (auto* bar = As<framework::TToolBar>(Comp); bar && Switch(xcToolbar)) {
    SkinToolBar(*bar);
    return true;
  }
  if (As<framework::TStatusBar>(Comp) && Switch(xcStatusBar)) {
    Attach(SkinnerClass::StatusBar, Comp, false);
    return true;
  }
  if (As<framework::TProgressBar>(Comp) && Switch(xcProgress)) {
    Attach(SkinnerClass::Progress, Comp, false);
    return true;
  }
  if (As<framework::TScrollBar>(Comp) && Switch(xcScrollbar)) {
    AttachScroll(SkinnerClass::ScControl, Comp, {});
    return true;
  }
  if ((name == L"TTNTCOMBOBOX" || As<framework::TComboBox>(Comp)) && Switch(xcCombo)) {
    Attach(SkinnerClass::ComBox, Comp, false);
    return true;
  }
  if (auto* picker = As<framework::TDateTimePicker>(Comp); picker && Switch(xcEdit)) {
    Attach(PickerShowsUpDown(*picker) ? SkinnerClass::Edit : SkinnerClass::DateTime, Comp, false);
    return true;
  }
  if (NameIs(name, {L"TRICHEDIT", L"TWWDBRICHEDIT", L"TDXDBMEMO"}) && Switch(xcScrollbar)) {
    AttachScroll(SkinnerClass::Scrollbar, Comp, {});
    return true;
  }
  return false;
}

// Rules 29 to 42: buttons, panels, scrolling controls, edits, frames and
// embedded forms.
void TWinSkinForm::AddInputKind(TControl* Comp, const std::wstring& name) {
  if (As<framework::TBitBtn>(Comp)) {
    if (Switch(xcBitBtn)) Attach(SkinnerClass::BitButton, Comp, false);
    return;
  }
  if (As<framework::TSpeedButton>(Comp) && Switch(xcSpeedButton)) {
    AttachGraphic(SkinnerClass::SpeedButton, Comp, {});
    return;
  }
  if (As<framework::TCustomPanel>(Comp) && Switch(xcPanel)) {
    AddChildControls(Comp);
    Attach(SkinnerClass::Box, Comp, true);
    return;
  }
  if (Switch(xcScrollbar)) {
    if (NameIs(name, {L"TDXTREELIST", L"TDXDBTREELIST", L"TDXDBGRID"})) {
      AttachScroll(SkinnerClass::Scrollbar, Comp, {});
      return;
    }
    if (As<framework::TListView>(Comp)) {
      AttachScroll(SkinnerClass::ListView, Comp, {});
      return;
    }
    if (name == L"TCHECKLISTBOX") {
      AttachScroll(SkinnerClass::CheckList, Comp, {});
      return;
    }
    if (As<framework::TCustomMemo>(Comp) || As<framework::TCustomGrid>(Comp) || HasScrollBars(Comp)) {
      AttachScroll(SkinnerClass::Scrollbar, Comp, {});
      return;
    }
  }
  if (As<framework::TButton>(Comp) && Switch(xcButton)) {
    Attach(SkinnerClass::Button, Comp, false);
    return;
  }
  if (As<framework::TCustomEdit>(Comp) && Switch(xcEdit)) {
    Attach(SkinnerClass::Edit, Comp, false);
    return;
  }
  if (NameIs(name, {L"TDCEDIT", L"TDCDBEDIT"})) {
    AttachNumButtonsEdit(Comp);
    return;
  }
  if (name == L"TFRAME") {
    if (auto* frame = As<TWinControl>(Comp)) ScanComponents(frame);
    return;
  }
  if (auto* form = As<framework::TCustomForm>(Comp)) {
    Attach(SkinnerClass::Box, Comp, true);
    ScanComponents(form);
  }
}

// Third-party edits with buttons: one button makes a combo box, none an
// edit skinned on its raw window.
void TWinSkinForm::AttachNumButtonsEdit(TControl* Comp) {
  const int64_t buttons = GetIntPropByName(Comp, "NumButtons");
  if (buttons == 1 && Switch(xcCombo)) {
    Attach(SkinnerClass::ComBox, Comp, false);
  } else if (buttons == 0 && Switch(xcEdit)) {
    auto* windowed = As<TWinControl>(Comp);
    TSkinControl* skinner = windowed ? NewSkinner(SkinnerClass::Edit, Comp) : nullptr;
    if (skinner) skinner->Inithwnd(windowed->Handle(), fsd, &fcanvas2, this);
  }
}

// Tool bars: flat, the skin's background and button faces through the
// bar's custom-draw events (the program's own handlers stay), a box
// skinner, and the bar's menu drawn by the skin.
void TWinSkinForm::SkinToolBar(framework::TToolBar& bar) {
  SetPropByName(&bar, "Flat", L"True");
  if (!bar.OnCustomDrawButton) bar.OnCustomDrawButton = SkinToolbarButtonFace{this};
  if (!bar.OnCustomDraw) bar.OnCustomDraw = SkinToolbarBackground{this};
  Attach(SkinnerClass::Box, &bar, false);
  if (auto* menu =
          dynamic_cast<framework::TMenu*>(GetObjectPropByName(&bar, "Menu", framework::TMenu::StaticClassInfo()))) {
    framework::TMenuItem* items = menu->Items();
    for (int i = 0; i < items->Count(); ++i) SkinMenuItemTree(items->Items(i), true);
  }
}

}  // namespace lanvero
