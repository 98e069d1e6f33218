#pragma once
// A component a form embedded in a skinned window carries: it names the
// frame skinner that skins the form, and goes away with the form.

#include "framework/core/Component.h"

namespace lanvero {

class TWinSkinForm;

class TWinSkinSpy : public framework::TComponent {
 public:
  using framework::TComponent::TComponent;
  TWinSkinForm* sf = nullptr;
};

}  // namespace lanvero
