// Jet 4 text values: UTF-16LE, optionally with "Unicode compression" (a
// 0xFF 0xFE marker, then runs of one-byte characters whose high byte is zero
// alternating with runs of two-byte characters, each switch marked by a
// zero byte).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "db/JetBytes.h"

namespace lanvero::db {

// Throws JetError for an uncompressed value of odd length.
std::u16string DecodeJetText(ByteView bytes);

// Compressed form when `allowCompression`, the text can be compressed
// unambiguously (no character whose low byte is zero) and it saves space;
// plain UTF-16LE otherwise.
std::vector<std::uint8_t> EncodeJetText(const std::u16string& text, bool allowCompression);

// Jet compares object names without regard to the case of ASCII letters.
bool SameNameIgnoringAsciiCase(std::u16string_view a, std::u16string_view b);

}  // namespace lanvero::db
