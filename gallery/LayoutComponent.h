// A component of a stored layout by name; a missing one is a broken layout.
#pragma once

#include <string>

#include "framework/core/Component.h"
#include "framework/core/FrameworkError.h"

namespace lanvero::gallery {

template <class T>
T& LayoutComponent(const framework::TComponent& owner, const wchar_t* name) {
  if (auto* component = dynamic_cast<T*>(owner.FindComponent(name))) return *component;
  throw framework::FrameworkError(std::wstring(L"The gallery's layout lacks ") + name);
}

}  // namespace lanvero::gallery
