#pragma once
// Reading and writing a control's published properties by name, for
// skinners that meet controls whose classes the engine does not know
// (third-party buttons, panels with a "Transparent" switch, ...). Missing
// properties never fail: readers give -1, empty text or null, writers do
// nothing.

#include <string>
#include <string_view>

#include "framework/core/Object.h"

namespace lanvero {

// An integer-kind property, or -1.
int64_t GetIntPropByName(framework::TPersistent* control, std::string_view name);
// The identifier of an enumeration property ("True", "bsFlat"), or "".
std::wstring GetEnumPropByName(framework::TPersistent* control, std::string_view name);
// Any scalar property as text (sets as "[a,b]"), or "".
std::wstring GetTextPropByName(framework::TPersistent* object, std::string_view name);
// An object-valued property of class `T` (or a descendant), or null.
framework::TPersistent* GetObjectPropByName(framework::TPersistent* object, std::string_view name,
                                            const framework::ClassInfo& cls);
// Enumerations take an identifier, integers a decimal number, strings the
// text; other kinds and missing properties are left alone.
void SetPropByName(framework::TPersistent* control, std::string_view name, std::wstring_view value);

}  // namespace lanvero
