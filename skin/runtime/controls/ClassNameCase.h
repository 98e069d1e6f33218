#pragma once
// Class names compared without regard to case (they are ASCII).

#include <string>

#include "common/AsciiCase.h"

namespace lanvero {

inline std::wstring UpperName(const std::wstring& text) { return AsciiUpperCopy(std::wstring_view(text)); }
inline std::wstring LowerName(const std::wstring& text) { return AsciiLowerCopy(std::wstring_view(text)); }

}  // namespace lanvero
