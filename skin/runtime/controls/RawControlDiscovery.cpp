// Control discovery of a window without framework controls (a dialog made
// from a template, a message box): each child window is recognised by its
// class name and style, and skinned through its raw window.
#include "framework/controls/WinControl.h"
#include "skin/image/win/SkinText.h"
#include "skin/runtime/controls/ClassNameCase.h"
#include "skin/runtime/controls/SkinControl.h"
#include "skin/runtime/controls/SkinnerFactory.h"
#include "skin/runtime/frame/WinSkinForm.h"

namespace lanvero {
namespace {

// The skinner class of a "button" window, from the button style kept in
// the low four bits (an enumeration, not a set of flags); no value for
// owner-drawn buttons, group boxes, bitmap buttons and styles the engine
// does not draw (push boxes, split buttons, command links).
std::optional<SkinnerClass> ButtonSkinner(LONG_PTR style) {
  if (style & BS_BITMAP) return std::nullopt;
  switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON: return SkinnerClass::Button;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE: return SkinnerClass::CheckBox;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return SkinnerClass::RadioButton;
    default: return std::nullopt;
  }
}

}  // namespace

void TWinSkinForm::InitHwndControls(HWND ahwnd) {
  std::vector<HWND> children;
  for (HWND child = GetTopWindow(ahwnd); child; child = GetWindow(child, GW_HWNDNEXT)) children.push_back(child);
  for (HWND child : children) {
    if (GetWindowLongPtrW(child, GWL_STYLE) & WS_CHILD) AddControlh(child);
  }
}

TSkinControl* TWinSkinForm::AttachRaw(SkinnerClass cls, HWND ahwnd) {
  TSkinControl* skinner = NewSkinner(cls, nullptr);
  if (!skinner) return nullptr;
  skinner->Inithwnd(ahwnd, fsd, &fcanvas2, this);
  return skinner;
}

void TWinSkinForm::AddControlh(HWND ahwnd) {
  if (!ahwnd || !fsd || SkinnerForWindow(ahwnd)) return;
  const std::wstring cls = LowerName(GetWindowClassStr(ahwnd));
  const LONG_PTR style = GetWindowLongPtrW(ahwnd, GWL_STYLE);
  if (cls == L"button") {
    const auto skinner = ButtonSkinner(style);
    if (!skinner) return;
    const int needs = *skinner == SkinnerClass::CheckBox      ? xcCheckBox
                      : *skinner == SkinnerClass::RadioButton ? xcRadioButton
                                                              : xcButton;
    if (Switch(needs)) AttachRaw(*skinner, ahwnd);
  } else if (cls == L"combobox") {
    if (Switch(xcCombo) && (style & 3) != CBS_SIMPLE) AttachRaw(SkinnerClass::ComBox, ahwnd);
  } else if (cls == L"comboboxex32") {
    if (HWND combo = GetWindow(ahwnd, GW_CHILD); combo && Switch(xcCombo)) AttachRaw(SkinnerClass::ComBox, combo);
  } else if (cls == L"scrollbar") {
    // Only the size grip; scroll bar controls keep their own look here.
    if (style & SBS_SIZEGRIP) AttachRaw(SkinnerClass::Sizer, ahwnd);
  } else if (cls == L"#32770") {
    if (!(style & WS_TABSTOP)) {
      InitHwndControls(ahwnd);
      AttachRaw(SkinnerClass::BoxH, ahwnd);
    }
  } else {
    AddFrameworkWindow(cls, ahwnd, style);
  }
}

// Windows of framework classes met in a raw window, and the remaining
// common controls.
void TWinSkinForm::AddFrameworkWindow(const std::wstring& cls, HWND ahwnd, LONG_PTR style) {
  auto recolor = [this, ahwnd] {
    if (framework::TControl* owner = framework::FindControlFromHandle(ahwnd)) {
      owner->SetColor(static_cast<framework::TColor>(fsd->Colors[kSchemeButtonFace]));
    }
  };
  if (cls == L"tpanel" || cls == L"ttntpanel.unicodeclass" || cls == L"ttntsilentpaintpanel.unicodeclass") {
    InitHwndControls(ahwnd);
    recolor();
  } else if (cls == L"tcheckbox") {
    if (Switch(xcCheckBox)) AttachRaw(SkinnerClass::CheckBox, ahwnd);
  } else if (cls == L"tcombobox") {
    if (Switch(xcCombo)) AttachRaw(SkinnerClass::ComBox, ahwnd);
  } else if (cls == L"tbutton") {
    if (Switch(xcButton)) AttachRaw(SkinnerClass::Button, ahwnd);
  } else if (cls == L"tprogressbar") {
    AttachRaw(SkinnerClass::Progress, ahwnd);
  } else if (cls == L"tsilentpaintpanel") {
    recolor();
  } else if (cls == L"systabcontrol32") {
    if (Switch(xcTab) && !(style & TCS_BUTTONS)) AttachRaw(SkinnerClass::Tab, ahwnd);
  } else if (cls == L"toolbarwindow32") {
    AttachRaw(SkinnerClass::BoxH, ahwnd);
  } else if (cls == L"edit") {
    if (Switch(xcEdit)) AttachRaw(SkinnerClass::Edit, ahwnd);
  }
}

}  // namespace lanvero
