// Builds components from a parsed layout through the class registry and the
// published properties: every nested object becomes a component owned by
// the root, whose parent component is the enclosing object. References to
// other components are resolved once the whole layout is read, event
// bindings against the root's published methods; then every component,
// the root first, gets Loaded().
#pragma once

#include <string_view>

#include "framework/core/Component.h"
#include "framework/layout/LayoutTree.h"

namespace lanvero::framework {

// Throws LayoutError naming the class, property or component at fault.
void ReadLayout(TComponent& root, const LayoutObject& layout);
void ReadLayoutText(TComponent& root, std::string_view text);

// Applies one property value (for tests and tools).
void ApplyLayoutProperty(TComponent& root, TPersistent& object, const LayoutProperty& property);

}  // namespace lanvero::framework
