#pragma once
// Turns fuzz input into a skin file. The first byte picks what the rest is:
//   0: a skin file (size prefix and LZH stream), as a layout or file holds;
//   1: an uncompressed package, packed here so that the package parser,
//      directory and size table see the raw bytes;
//   2: the INI member of a package whose bitmaps have every shape the
//      readers treat specially (names a.bmp ... e.bmp);
//   3: one bitmap member that a fixed INI names in every section.

#include <cstdint>
#include <span>
#include <vector>

namespace lanvero::fuzzing {

// Empty input gives an empty skin file.
std::vector<uint8_t> SkinFileFromFuzzInput(std::span<const uint8_t> input);

}  // namespace lanvero::fuzzing
