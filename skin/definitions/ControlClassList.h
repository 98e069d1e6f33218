#pragma once
// The control mapping list: lines "ClassName=kind" telling the control
// discovery which kind of skinner a control class of a foreign component
// library gets.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lanvero {

inline constexpr std::size_t kSkin3rdKindLimit = 50;

// The built-in list of 118 lines the component starts with.
const std::vector<std::wstring>& BuiltinSkin3rd();

// The kind of class `className`: the lower-case text after the first "="
// of the first line that begins (case-insensitively) with the class name
// and "=", cut to 50 characters. Empty when no line matches or the kind is
// empty: the class is then not in the list.
std::optional<std::wstring> LookupSkin3rd(const std::vector<std::wstring>& lines, std::wstring_view className);

}  // namespace lanvero
