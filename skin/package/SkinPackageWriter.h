#pragma once
// Builds skin files: a package (header, reserved block, directory with
// CR LF line ends, size table, member data) compressed with the LZH codec
// behind its 32-bit size.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "skin/package/SkinFormat.h"

namespace lanvero {

struct PackageMember {
  std::string name;  // 8-bit text, no line breaks
  std::vector<uint8_t> data;
};

class PackageWriteError : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

// The uncompressed package; members keep the given order. Raises
// PackageWriteError for an unknown version, more than 1,001 members, or a
// name that is empty or holds a line break.
std::vector<uint8_t> BuildSkinPackage(const std::vector<PackageMember>& members,
                                      int32_t version = skinformat::kDefaultVersion);
// The skin file: size prefix and compressed package.
std::vector<uint8_t> BuildSkinFile(const std::vector<PackageMember>& members,
                                   int32_t version = skinformat::kDefaultVersion);

}  // namespace lanvero
