#include "skin/package/SkinPackageReader.h"

#include <algorithm>

#include "skin/codec/LzhCodec.h"
#include "skin/ini/AnsiText.h"
#include "skin/package/SkinNotifier.h"

namespace lanvero {

const char* DescribePackageStatus(PackageStatus status) {
  switch (status) {
    case PackageStatus::Ok: return "package read";
    case PackageStatus::UnknownVersion: return "unknown package version";
    case PackageStatus::Truncated: return "package is truncated or corrupt";
    case PackageStatus::TooManyMembers: return "package lists more than 1001 members";
  }
  return "unknown status";
}

void TSkinReader::Decompress(ByteStream& source, ByteStream& destination) {
  destination = ByteStream(UnpackWithSize(source.Bytes()));
}

bool TSkinReader::Loadfromstream(ByteStream& stream) {
  ByteStream package;
  Decompress(stream, package);
  const PackageStatus status = ReadPackage(package.Bytes());
  if (status == PackageStatus::UnknownVersion) NotifySkinMessage(kOlderSkinMessage);
  return status == PackageStatus::Ok;
}

bool TSkinReader::loadfromfile(const std::filesystem::path& fileName) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(fileName, error)) return false;
  ByteStream stream;
  try {
    stream = ByteStream(ReadFileBytes(fileName));
  } catch (const std::runtime_error&) {
    return false;
  }
  return Loadfromstream(stream);
}

PackageStatus TSkinReader::Open(std::span<const uint8_t> skinFile) {
  ByteStream source(skinFile);
  ByteStream package;
  Decompress(source, package);
  return ReadPackage(package.Bytes());
}

// Parses the decompressed package; everything is checked against the data
// before the reader's fields are replaced.
PackageStatus TSkinReader::ReadPackage(std::span<const uint8_t> package) {
  if (package.size() < skinformat::kHeaderSize) return PackageStatus::Truncated;
  TSkinHeader read{LoadLE32(package), LoadLE32(package.subspan(4)), LoadLE32(package.subspan(8)),
                   LoadLE32(package.subspan(12))};
  const auto reserved = skinformat::ReservedBlockSize(read.Version);
  if (!reserved) {
    header = read;
    return PackageStatus::UnknownVersion;
  }
  const uint64_t dirOffset = skinformat::kHeaderSize + static_cast<uint64_t>(*reserved);
  if (read.DirLen < 0 || dirOffset + static_cast<uint64_t>(read.DirLen) > package.size()) {
    return PackageStatus::Truncated;
  }
  const auto dirBytes = package.subspan(dirOffset, static_cast<std::size_t>(read.DirLen));
  const std::string dirText(dirBytes.begin(), dirBytes.end());
  std::vector<std::string> names = SplitLines(dirText);
  if (names.size() > skinformat::kMaxMembers) return PackageStatus::TooManyMembers;
  const uint64_t tableOffset = dirOffset + static_cast<uint64_t>(read.DirLen);
  const uint64_t dataOffset = tableOffset + 4 * names.size();
  if (dataOffset > package.size()) return PackageStatus::Truncated;

  header = read;
  DirAsStored = std::move(names);
  Dir.clear();
  for (const std::string& name : DirAsStored) Dir.push_back(AsciiLower(name));
  Num = static_cast<int32_t>(Dir.size());
  sizes.fill(0);
  for (int32_t i = 0; i < Num; ++i) {
    sizes[i] = LoadLE32(package.subspan(tableOffset + 4 * static_cast<uint64_t>(i)));
  }
  ms = ByteStream(package.subspan(dataOffset));
  return PackageStatus::Ok;
}

std::span<const uint8_t> TSkinReader::MemberBytes(int index) const {
  if (index < 0 || index >= Num) return {};
  // Negative sizes in a corrupt table count as empty members.
  uint64_t offset = 0;
  for (int i = 0; i < index; ++i) offset += static_cast<uint64_t>(std::max(sizes[i], 0));
  const auto data = ms.Bytes();
  if (offset >= data.size()) return {};
  const uint64_t available = data.size() - offset;
  const uint64_t size = std::min<uint64_t>(static_cast<uint64_t>(std::max(sizes[index], 0)), available);
  return data.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(size));
}

void TSkinReader::CopyMember(int index, ByteStream& destination) const {
  destination.Write(MemberBytes(index));
  destination.Rewind();
}

void TSkinReader::readfile(std::string_view name, ByteStream& destination) const {
  destination.Clear();
  const std::string wanted = AsciiLower(name);
  const auto found = std::find(Dir.begin(), Dir.end(), wanted);
  if (found != Dir.end()) CopyMember(static_cast<int>(found - Dir.begin()), destination);
}

void TSkinReader::readIni(std::string_view pattern, ByteStream& destination, std::string& foundName) const {
  destination.Clear();
  const auto found = std::find_if(Dir.begin(), Dir.end(),
                                  [&](const std::string& entry) { return entry.find(pattern) != std::string::npos; });
  if (found == Dir.end()) return;
  foundName = *found;
  CopyMember(static_cast<int>(found - Dir.begin()), destination);
}

}  // namespace lanvero
