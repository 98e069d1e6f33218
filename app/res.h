// Writing a resource of the program's own module to a file.
#pragma once

#include <string>

namespace lanvero::app {

// Saves the whole resource of the given name and type (type names match
// without regard to case) to `fileName`, creating or truncating it. Throws
// FrameworkError when the resource is missing or the file cannot be
// written in full.
void SaveResourceToFile(const std::wstring& resourceName, const std::wstring& resourceType,
                        const std::wstring& fileName);

}  // namespace lanvero::app
