// The header page of a Jet 4 file: identification and the RC4-obscured area
// that holds the code page and the default collating order.
#pragma once

#include <array>
#include <cstdint>

#include "db/JetBytes.h"
#include "db/JetFormat.h"

namespace lanvero::db {

struct JetHeaderInfo {
  std::uint16_t codePage = 0;
  std::uint16_t sortOrder = 0;
};

// RC4 keystream XOR; applying it twice restores the input.
void ApplyRc4(const std::uint8_t* key, std::size_t keyLength, std::uint8_t* data, std::size_t length);

// Checks the identification and returns the unmasked settings; throws
// JetError for anything but a Jet 4 header.
JetHeaderInfo ReadJetHeader(ByteView file);

}  // namespace lanvero::db
