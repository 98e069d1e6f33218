#pragma once
// The operations of skintool, usable from tests without the command line.

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

#include "skin/package/SkinPackageReader.h"
#include "skin/package/SkinPackageWriter.h"

namespace lanvero::skintool {

class ToolError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The .ini and .bmp files of a folder (exactly one .ini), sorted by their
// lower-case names so that a package does not depend on listing order.
// Other files are skipped and named in `skipped`.
std::vector<PackageMember> ReadMemberFolder(const std::filesystem::path& folder, std::vector<std::string>* skipped);

void PackFolder(const std::filesystem::path& folder, const std::filesystem::path& skinFile, int32_t version,
                std::ostream& notes);
// Writes every member into the folder under the name the package stores;
// returns the number written. Member
// names that could leave the folder are refused with a note.
int UnpackSkin(const std::filesystem::path& skinFile, const std::filesystem::path& folder, std::ostream& notes);
void ListSkin(const std::filesystem::path& skinFile, std::ostream& out);
void PrintIni(const std::filesystem::path& skinFile, std::ostream& out);

// Opens a skin file or raises ToolError saying why it cannot be read.
TSkinReader OpenSkin(const std::filesystem::path& skinFile);

}  // namespace lanvero::skintool
