#pragma once
// Reader of skin files: a 32-bit uncompressed size and an LZH-compressed
// package holding a directory of members (bitmaps and one INI file).

#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/codec/ByteStream.h"
#include "skin/package/SkinFormat.h"

namespace lanvero {

struct TSkinHeader {
  int32_t Version = 0;
  int32_t DirLen = 0;
  int32_t U1 = 0;
  int32_t U2 = 0;
};

enum class PackageStatus {
  Ok,
  UnknownVersion,  // the version is not one of the known formats
  Truncated,       // header, directory or size table runs past the data
  TooManyMembers,  // more names than the size table can describe
};

const char* DescribePackageStatus(PackageStatus status);

class TSkinReader {
 public:
  // Unpacks a skin file (size prefix + LZH stream) into destination.
  void Decompress(ByteStream& source, ByteStream& destination);
  // Opens the skin file held in the stream; true when a package of a known
  // version was read. An unknown version is reported through the skin
  // message notifier. On any refusal the reader keeps its previous content.
  bool Loadfromstream(ByteStream& stream);
  // The same for a file; false when the file cannot be read.
  bool loadfromfile(const std::filesystem::path& fileName);
  // Copies the member of that name (any ASCII letter case) into destination
  // and rewinds it; destination stays empty when there is no such member.
  void readfile(std::string_view name, ByteStream& destination) const;
  // Copies the first member whose lower-case name contains the pattern and
  // returns that name in foundName (unchanged when nothing matches).
  void readIni(std::string_view pattern, ByteStream& destination, std::string& foundName) const;

  // Like Loadfromstream on a skin file's bytes, with the reason of a refusal
  // and without notifying.
  PackageStatus Open(std::span<const uint8_t> skinFile);
  // The same for a package that is not compressed (no size prefix either),
  // as BuildSkinPackage makes it.
  PackageStatus OpenPackage(std::span<const uint8_t> package) { return ReadPackage(package); }

  // The bytes of member i that the data region really holds (fewer than its
  // size when the size table points past the end of the data).
  std::span<const uint8_t> MemberBytes(int index) const;

  std::vector<std::string> Dir;
  // The member names as the directory spells them (Dir is lower-cased).
  std::vector<std::string> DirAsStored;
  int32_t Num = 0;
  std::array<int32_t, skinformat::kMaxMembers> sizes{};
  ByteStream ms;
  TSkinHeader header;

 private:
  PackageStatus ReadPackage(std::span<const uint8_t> package);
  void CopyMember(int index, ByteStream& destination) const;
};

}  // namespace lanvero
