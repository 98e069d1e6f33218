// Writing a resource of the program's own module to a file.
#pragma once

#include <string>

#include "framework/core/FrameworkError.h"

namespace lanvero::app {

// Raised when the folder refuses to hold the file at all (no right to
// create it there, or a directory stands in its place), as opposed to a
// file that exists and is in use.
class FileRefusedError : public framework::FrameworkError {
 public:
  using FrameworkError::FrameworkError;
};

// Saves the whole resource of the given name and type (type names match
// without regard to case) to `fileName`, creating or truncating it. Throws
// FileRefusedError when the file may not be created there, FrameworkError
// when the resource is missing, the file is in use or it cannot be
// written in full.
void SaveResourceToFile(const std::wstring& resourceName, const std::wstring& resourceType,
                        const std::wstring& fileName);

}  // namespace lanvero::app
