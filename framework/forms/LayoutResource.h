// The stored layout of a class in the program's resources: an RCDATA
// resource named after the class ("TFORM1", "TFRAME1"), holding layout text.
#pragma once

#include <string>
#include <string_view>

namespace lanvero::framework {

// The text of the resource; throws FrameworkError when it is missing.
std::string_view LayoutResourceText(const std::wstring& className);

}  // namespace lanvero::framework
