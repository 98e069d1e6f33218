// Skin packages that are valid containers with hostile contents, made from
// the built Paleglass skin's INI and bitmaps with the project's package
// writer: frame counts of 0 and 100000, margins far larger than their
// images, sections and keys taken away, bitmaps of no size, one bitmap
// whose header claims an enormous image, bitmaps cut short.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lanvero::gallery::testing {

struct HostileSkin {
  std::string name;  // what is hostile about it
  std::vector<std::uint8_t> file;
};

// Every hostile package; throws std::runtime_error when the built skin
// cannot be read.
std::vector<HostileSkin> HostileSkins(const std::vector<std::uint8_t>& paleglassFile);

// Only the one with 100000 frames everywhere (which the check refuses).
HostileSkin HugeFrameCountSkin(const std::vector<std::uint8_t>& paleglassFile);

}  // namespace lanvero::gallery::testing
