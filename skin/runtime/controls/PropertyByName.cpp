#include "skin/runtime/controls/PropertyByName.h"

#include "framework/core/PropertyAccess.h"

namespace lanvero {

int64_t GetIntPropByName(framework::TPersistent* control, std::string_view name) {
  if (!control) return -1;
  return framework::GetIntegerProperty(control, name).value_or(-1);
}

std::wstring GetEnumPropByName(framework::TPersistent* control, std::string_view name) {
  if (!control) return {};
  const auto identifier = framework::GetEnumProperty(control, name);
  return identifier ? framework::AsciiToWide(*identifier) : std::wstring{};
}

std::wstring GetTextPropByName(framework::TPersistent* object, std::string_view name) {
  if (!object) return {};
  return framework::GetPropertyText(object, name).value_or(std::wstring{});
}

framework::TPersistent* GetObjectPropByName(framework::TPersistent* object, std::string_view name,
                                            const framework::ClassInfo& cls) {
  if (!object) return nullptr;
  framework::TPersistent* value = framework::GetObjectProperty(object, name);
  return value && value->InheritsFrom(cls) ? value : nullptr;
}

void SetPropByName(framework::TPersistent* control, std::string_view name, std::wstring_view value) {
  if (!control) return;
  const auto kind = framework::PropertyKindOf(control, name);
  if (!kind) return;
  switch (*kind) {
    case framework::PropertyKind::Enumeration:
    case framework::PropertyKind::Integer:
    case framework::PropertyKind::String: framework::SetPropertyFromText(control, name, value); break;
    default: break;
  }
}

}  // namespace lanvero
