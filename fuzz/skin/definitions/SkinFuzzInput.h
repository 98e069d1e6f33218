#pragma once
// Turns fuzz input into a skin. The first byte picks what the rest is.
// Package shapes, by the first byte's parity:
//   even: a skin file (size prefix and LZH stream), as a layout or file holds;
//   odd: an uncompressed package, so that the package parser, directory
//        and size table see the raw bytes.
// Definition shapes, by the first byte's parity:
//   even: the INI member of a package whose bitmaps are tiny and have every
//         shape the readers treat specially (names a.bmp ... e.bmp);
//   odd: one bitmap member that a fixed INI names in every section.
// SkinFromFuzzInput takes all four by the first byte modulo 4: 0 and 1 are
// the package shapes, 2 and 3 the definition shapes, so that a seed means
// the same to every target that reads it. Packages are handed on
// uncompressed where the target can open them so: the LZH encoder costs
// far more than the load it would feed.

#include <cstdint>
#include <span>
#include <vector>

#include "skin/definitions/SkinLoadLimits.h"

namespace lanvero::fuzzing {

// What one load of fuzz input may decode: every image of the seed skins
// (about 70,000 pixels), while a mutated header that asks for millions of
// pixels is refused before it costs anything. Keeps a load well under a
// millisecond, so that a target tries hundreds of inputs a second.
inline constexpr SkinLoadLimits kFuzzLoadLimits{.pixels = int64_t{1} << 17};

// Empty input gives an empty skin file or package.
// A skin file of a package shape (an odd first byte packs the package).
std::vector<uint8_t> SkinFileFromPackageInput(std::span<const uint8_t> input);
// An uncompressed package of a definition shape.
std::vector<uint8_t> PackageFromDefinitionInput(std::span<const uint8_t> input);

// Any shape: a skin file (shape 0) or an uncompressed package.
struct FuzzSkin {
  std::vector<uint8_t> bytes;
  bool isSkinFile = false;
};
FuzzSkin SkinFromFuzzInput(std::span<const uint8_t> input);

}  // namespace lanvero::fuzzing
