// Reading and writing published properties by name, for stored layouts and
// for code that works on classes it does not know (the skin engine).
// Names may be paths through sub-objects: "Font.Color".
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "framework/core/Object.h"

namespace lanvero::framework {

struct PropertyTarget {
  TPersistent* object = nullptr;
  const PropertyInfo* property = nullptr;
};

// Resolves a dotted path; an empty target when any part is missing.
PropertyTarget FindPropertyPath(TPersistent* object, std::string_view path);

bool HasProperty(TPersistent* object, std::string_view path);
std::optional<PropertyKind> PropertyKindOf(TPersistent* object, std::string_view path);

// Integer properties only; nullopt when missing or of another kind.
std::optional<int64_t> GetIntegerProperty(TPersistent* object, std::string_view path);
// Enumeration identifier ("True", "alClient"); nullopt when missing or not an enumeration.
std::optional<std::string> GetEnumProperty(TPersistent* object, std::string_view path);
// Any scalar property as text: strings as they are, integers in decimal,
// enumerations by identifier, sets as "[a,b]", references by name.
std::optional<std::wstring> GetPropertyText(TPersistent* object, std::string_view path);
TPersistent* GetObjectProperty(TPersistent* object, std::string_view path);

// Sets a property from text: enumerations take an identifier, integers a
// decimal number or one of their identifiers, strings the text, sets
// "[a,b]". Returns false when the property is missing, read-only, of
// another kind or the text does not fit it.
bool SetPropertyFromText(TPersistent* object, std::string_view path, std::wstring_view text);

}  // namespace lanvero::framework
