#pragma once
// Layout constants of a skin package (the decompressed content of a skin
// file): a 16-byte header, a reserved block whose size depends on the
// version, the directory text, the size table and the member data.

#include <array>
#include <cstdint>
#include <optional>

namespace lanvero::skinformat {

inline constexpr int kHeaderSize = 16;
inline constexpr int kMaxMembers = 1001;
inline constexpr int32_t kDefaultVersion = 70000;

struct VersionLayout {
  int32_t version;
  int32_t reservedBytes;
};

inline constexpr std::array<VersionLayout, 6> kVersions{
    {{20000, 0}, {30000, 256}, {40000, 80}, {50000, 48}, {60000, 117}, {70000, 69}}};

// Size of the reserved block after the header; empty for unknown versions.
constexpr std::optional<int32_t> ReservedBlockSize(int32_t version) {
  for (const auto& layout : kVersions) {
    if (layout.version == version) return layout.reservedBytes;
  }
  return std::nullopt;
}

}  // namespace lanvero::skinformat
