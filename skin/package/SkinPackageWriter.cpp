#include "skin/package/SkinPackageWriter.h"

#include "skin/codec/ByteStream.h"
#include "skin/codec/LzhCodec.h"

namespace lanvero {

namespace {

void CheckMembers(const std::vector<PackageMember>& members) {
  if (members.size() > skinformat::kMaxMembers) {
    throw PackageWriteError("a skin package holds at most 1001 members");
  }
  for (const PackageMember& member : members) {
    if (member.name.empty() || member.name.find_first_of("\r\n") != std::string::npos) {
      throw PackageWriteError("member name \"" + member.name + "\" cannot be stored in a directory");
    }
    if (member.data.size() > 0x7FFFFFFF) throw PackageWriteError("member " + member.name + " is too large");
  }
}

}  // namespace

std::vector<uint8_t> BuildSkinPackage(const std::vector<PackageMember>& members, int32_t version) {
  const auto reserved = skinformat::ReservedBlockSize(version);
  if (!reserved) throw PackageWriteError("unknown skin package version " + std::to_string(version));
  CheckMembers(members);

  std::string directory;
  for (const PackageMember& member : members) directory += member.name + "\r\n";

  std::vector<uint8_t> package;
  AppendLE32(package, version);
  AppendLE32(package, static_cast<int32_t>(directory.size()));
  AppendLE32(package, 0);  // U1
  AppendLE32(package, 0);  // U2
  package.resize(package.size() + static_cast<std::size_t>(*reserved), 0);
  package.insert(package.end(), directory.begin(), directory.end());
  for (const PackageMember& member : members) AppendLE32(package, static_cast<int32_t>(member.data.size()));
  for (const PackageMember& member : members) package.insert(package.end(), member.data.begin(), member.data.end());
  return package;
}

std::vector<uint8_t> BuildSkinFile(const std::vector<PackageMember>& members, int32_t version) {
  return PackWithSize(BuildSkinPackage(members, version));
}

}  // namespace lanvero
