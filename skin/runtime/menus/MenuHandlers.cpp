// The item painter's handlers on framework menu items, and the frame
// skinner's operations that install them on its form's menus and remove
// them again.
#include "skin/runtime/menus/MenuHandlers.h"

#include "framework/forms/Form.h"
#include "skin/runtime/frame/WinSkinForm.h"

namespace lanvero {
namespace {

using framework::TMenuItem;

// Forms the frame skinner shows that keep their popup menus to themselves.
constexpr const wchar_t* kRichEditFormClass = L"TwwRichEditForm";

const SkinMenuDrawHandler* DrawHandlerOf(const TMenuItem& item) {
  return item.OnDrawItem.target<SkinMenuDrawHandler>();
}

const SkinMenuMeasureHandler* MeasureHandlerOf(const TMenuItem& item) {
  return item.OnMeasureItem.target<SkinMenuMeasureHandler>();
}

}  // namespace

// Handlers are entry points of the frame skinner like its window procedure:
// the skinner stays alive until they return.
void SkinMenuDrawHandler::operator()(framework::TObject* sender, framework::TCanvas& canvas, const RECT& rect,
                                     bool selected) const {
  TWinSkinForm::CallScope scope(*skinner);
  skinner->MenuPainter().DrawMenuItem(sender, canvas, rect, selected);
}

void SkinMenuMeasureHandler::operator()(framework::TObject* sender, framework::TCanvas& canvas, int& width,
                                        int& height) const {
  TWinSkinForm::CallScope scope(*skinner);
  if (kind == MenuMeasure::kMainMenu) {
    skinner->MenuPainter().MeasureItem(sender, canvas, width, height);
  } else {
    skinner->MenuPainter().MeasurePopupItem(sender, canvas, width, height);
  }
}

void BindSkinHandlers(TMenuItem& item, TWinSkinForm& skinner, MenuMeasure kind, bool keepMeasure) {
  item.OnDrawItem = SkinMenuDrawHandler{&skinner};
  if (!(keepMeasure && item.OnMeasureItem)) item.OnMeasureItem = SkinMenuMeasureHandler{&skinner, kind};
}

void UnbindSkinHandlers(TMenuItem& item, const TWinSkinForm& skinner) {
  if (HasSkinDrawHandler(item, skinner)) item.OnDrawItem = nullptr;
  const SkinMenuMeasureHandler* measure = MeasureHandlerOf(item);
  if (measure && measure->skinner == &skinner) item.OnMeasureItem = nullptr;
}

bool HasSkinDrawHandler(const TMenuItem& item, const TWinSkinForm& skinner) {
  const SkinMenuDrawHandler* draw = DrawHandlerOf(item);
  return draw && draw->skinner == &skinner;
}

void TWinSkinForm::InitPopMenu(framework::TComponent* wForm, bool Enable, bool Update) {
  if (!wForm || !fsd || classname == kRichEditFormClass) return;
  const bool popupsSkinned = (fsd->SkinControls() & SetOf(xcPopupMenu)) != 0;
  for (framework::TComponent* component : std::vector<framework::TComponent*>(wForm->Components())) {
    if (dynamic_cast<framework::TCustomForm*>(component)) {
      InitPopMenu(component, Enable, Update);
      continue;
    }
    auto* menu = dynamic_cast<framework::TPopupMenu*>(component);
    if (!menu) continue;
    if (!Enable) {
      // Whatever the options are now, nothing of this skinner may stay.
      if (menu->OwnerDraw()) menu->SetOwnerDraw(false);
      ForEachSubItem(*menu->Items(), [this](TMenuItem& item) { UnbindSkinHandlers(item, *this); });
      continue;
    }
    if (!popupsSkinned || menu->Tag() == fsd->DisableTag()) continue;
    menu->SetOwnerDraw(true);
    ForEachSubItem(*menu->Items(),
                   [this](TMenuItem& item) { BindSkinHandlers(item, *this, MenuMeasure::kPopupMenu, true); });
  }
}

void TWinSkinForm::InitMainMenu(framework::TComponent* wForm, bool Enable, bool) {
  if (!wForm) return;
  for (framework::TComponent* component : std::vector<framework::TComponent*>(wForm->Components())) {
    auto* menu = dynamic_cast<framework::TMainMenu*>(component);
    if (!menu) continue;
    menu->SetOwnerDraw(Enable);
    if (!Enable) {
      UnbindSkinHandlers(*menu->Items(), *this);
      ForEachSubItem(*menu->Items(), [this](TMenuItem& item) { UnbindSkinHandlers(item, *this); });
      continue;
    }
    // Top-level items are the menu bar's buttons: only the drop-downs.
    for (int i = 0; i < menu->Items()->Count(); ++i) {
      ForEachSubItem(*menu->Items()->Items(i), [this](TMenuItem& item) {
        if (!item.OnDrawItem) BindSkinHandlers(item, *this, MenuMeasure::kMainMenu, false);
      });
    }
  }
}

}  // namespace lanvero
