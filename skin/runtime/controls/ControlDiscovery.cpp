// Control discovery of a framework form: which controls of a skinned window
// get which skinner. The rules are tried in a fixed order; the first that
// matches decides. The skin data's per-kind switches, its DisableTag, its
// class-to-kind list (Skin3rd) and the application's OnSkinControl event
// take part, in that order of precedence.
#include <algorithm>

#include "framework/controls/Buttons.h"
#include "framework/controls/Containers.h"
#include "framework/controls/DateTimePicker.h"
#include "framework/controls/grid/DBGrid.h"
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
#include "skin/runtime/SkinMessages.h"
#include "skin/runtime/controls/ClassNameCase.h"
#include "skin/runtime/controls/PropertyByName.h"
#include "skin/runtime/controls/SkinControl.h"
#include "skin/runtime/controls/SkinnerFactory.h"
#include "skin/runtime/frame/WinSkinForm.h"

namespace lanvero {
namespace {

using framework::TControl;
using framework::TWinControl;

}  // namespace

bool TWinSkinForm::Switch(int kind) const { return fsd && (fsd->SkinControls() & SetOf(kind)); }

bool TWinSkinForm::TabsAvailable() const { return Switch(xcTab) && fsd && fsd->tab; }

void TWinSkinForm::PurgeDeadSkinners() {
  for (TSkinControl* skinner : std::vector<TSkinControl*>(Controllist)) {
    if (skinner->skinstate != kSkinnerWindowGone) continue;
    DeleteControl(skinner);
    skinner->skinform = nullptr;
    TSkinControl::Release(skinner);
  }
}

// A skinner that did not attach (no window, refused) goes away at once.
static TSkinControl* KeepIfAttached(TSkinControl* skinner) {
  if (skinner && !skinner->Inited) {
    TSkinControl::Release(skinner);
    return nullptr;
  }
  return skinner;
}

TSkinControl* TWinSkinForm::Attach(SkinnerClass cls, TControl* comp, bool recolor, const SkinnerPresets& presets) {
  // Rules that skin a container's children (radio groups) meet them again
  // when the container itself is reached twice: one skinner per control.
  if (!dynamic_cast<TWinControl*>(comp) || HasSkinner(comp)) return nullptr;
  TSkinControl* skinner = NewSkinner(cls, comp, presets);
  if (skinner) skinner->Init(this, fsd, &fcanvas2, recolor);
  return KeepIfAttached(skinner);
}

TSkinControl* TWinSkinForm::AttachScroll(SkinnerClass cls, TControl* comp, const SkinnerPresets& presets) {
  auto* windowed = dynamic_cast<TWinControl*>(comp);
  if (!windowed) return nullptr;
  TSkinControl* skinner = NewSkinner(cls, comp, presets);
  if (skinner) skinner->InitScrollbar(windowed, fsd, &fcanvas2, this);
  return KeepIfAttached(skinner);
}

TSkinControl* TWinSkinForm::AttachGraphic(SkinnerClass cls, TControl* comp, const SkinnerPresets& presets) {
  if (HasSkinner(comp)) return nullptr;
  TSkinControl* skinner = NewSkinner(cls, comp, presets);
  if (skinner) skinner->InitGraphicControl(this, fsd, &fcanvas2);
  return KeepIfAttached(skinner);
}

void TWinSkinForm::InitControls(TWinControl* wForm) {
  if (!wForm || !fsd) return;
  PurgeDeadSkinners();
  ScanComponents(wForm);
  std::vector<TWinControl*> tabOrder;
  wForm->GetTabOrderList(tabOrder);
  for (TWinControl* control : tabOrder) {
    if (!SkipInTabOrder(control)) AddComp(control, wForm);
  }
}

void TWinSkinForm::InitNestform(TWinControl* wForm) {
  if (!wForm || !fsd) return;
  PurgeDeadSkinners();
  Attach(SkinnerClass::Box, wForm, true);
  const std::vector<framework::TComponent*> owned = wForm->Components();
  for (framework::TComponent* component : owned) {
    if (auto* control = dynamic_cast<TControl*>(component)) AddComp(control, wForm);
  }
  InitPopMenu(wForm, true, true);
}

void TWinSkinForm::ScanComponents(TWinControl* wForm) {
  // Skinning may create components (overlay panels): walk a snapshot.
  const std::vector<framework::TComponent*> owned = wForm->Components();
  for (framework::TComponent* component : owned) {
    if (auto* control = dynamic_cast<TControl*>(component)) AddComp(control, wForm);
  }
  if (Switch(xcPopupMenu)) InitPopMenu(wForm, true, true);
}

void TWinSkinForm::AddChildControls(TControl* control) {
  auto* container = dynamic_cast<TWinControl*>(control);
  if (!container) return;
  std::vector<TControl*> children;
  for (int i = 0; i < container->ControlCount(); ++i) children.push_back(container->Controls(i));
  for (TControl* child : children) AddComp(child, container);
}

bool TWinSkinForm::HasSkinner(const TControl* control) const {
  return std::any_of(Controllist.begin(), Controllist.end(), [control](const TSkinControl* s) {
    return s->skinstate != kSkinnerWindowGone && (static_cast<const TControl*>(s->control) == control ||
                                                  static_cast<const TControl*>(s->GControl) == control);
  });
}

bool TWinSkinForm::IsSkinned(TControl* control) { return control->Perform(WM_SKINQUERY) == 1 || HasSkinner(control); }

bool TWinSkinForm::SkipInTabOrder(TWinControl* control) {
  if (!control->HandleAllocated()) return true;
  if (fsd && control->Tag() == fsd->DisableTag()) return true;
  if (SendMessageW(control->WindowHandle(), WM_SKINQUERY, 0, 0) == 1) return true;
  return SkinnerForWindow(control->WindowHandle()) != nullptr;
}

TSkinControl* TWinSkinForm::SkinnerForWindow(HWND hwnd) const {
  for (TSkinControl* skinner : Controllist) {
    if (skinner->hwnd == hwnd && skinner->skinstate != kSkinnerWindowGone) return skinner;
  }
  return nullptr;
}

template <class T>
static bool Is(const framework::TObject* object) {
  return dynamic_cast<const T*>(object) != nullptr;
}

bool TWinSkinForm::HasScrollBars(TControl* control) {
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (!windowed) return false;
  if (windowed->HandleAllocated() &&
      (GetWindowLongPtrW(windowed->WindowHandle(), GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL))) {
    return true;
  }
  return Is<framework::TCustomMemo>(control) || Is<framework::TCustomListBox>(control) ||
         Is<framework::TListView>(control) || Is<framework::TCustomGrid>(control);
}

void TWinSkinForm::MarkGroupChildren(TControl* control) {
  auto* container = dynamic_cast<TWinControl*>(control);
  if (!container || container->ControlCount() == 0 || !fsd) return;
  const std::wstring name = LowerName(control->ClassName());
  if (name.find(L"radiogroup") == std::wstring::npos && name.find(L"checkgroup") == std::wstring::npos) return;
  for (int i = 0; i < container->ControlCount(); ++i) container->Controls(i)->SetTag(fsd->DisableTag());
}

void TWinSkinForm::AttachEditIfBordered(TControl* control) {
  auto* windowed = dynamic_cast<TWinControl*>(control);
  if (!windowed || !windowed->HandleAllocated()) return;
  RECT window{}, client{};
  GetWindowRect(windowed->WindowHandle(), &window);
  GetClientRect(windowed->WindowHandle(), &client);
  const bool bordered = window.right - window.left > client.right || window.bottom - window.top > client.bottom;
  if (bordered) Attach(SkinnerClass::Edit, control, false);
}

void TWinSkinForm::AddComp(TControl* Comp, TWinControl* wForm) {
  if (!Comp || !fsd) return;
  if (Comp->Tag() == fsd->DisableTag()) {
    MarkGroupChildren(Comp);
    return;
  }
  if (!Comp->Parent() || IsSkinned(Comp)) return;
  const std::wstring name = UpperName(Comp->ClassName());
  if (auto* windowed = dynamic_cast<TWinControl*>(Comp); windowed && !windowed->HandleAllocated()) {
    try {
      windowed->HandleNeeded();
    } catch (...) {
      return;  // a control whose window cannot be made stays as it is
    }
  }
  if (ApplicationSkinner(Comp, wForm, name)) return;
  if (MapBySkin3rd(name, Comp)) return;
  if (name == L"TDBCOMBOBOXEH" || name == L"TFRDESIGNERPAGE" || name == L"TFRPBOX") return;
  AddByKind(Comp, name);
}

bool TWinSkinForm::ApplicationSkinner(TControl* Comp, TWinControl* wForm, const std::wstring& name) {
  if (!fsd->OnSkinControl) return false;
  framework::TComponent* made = nullptr;
  fsd->OnSkinControl(nullptr, fsd, wForm, Comp, name, made);
  if (!made) return false;
  if (auto* skinner = dynamic_cast<TSkinControl*>(made);
      skinner && std::find(Controllist.begin(), Controllist.end(), skinner) == Controllist.end()) {
    skinner->Init(this, fsd, &fcanvas2, skinner->newColor);
    if (Is<framework::TCustomPanel>(Comp)) AddChildControls(Comp);
  }
  return true;
}

}  // namespace lanvero
