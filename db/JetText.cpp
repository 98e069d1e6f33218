#include "db/JetText.h"

#include <algorithm>
#include <cstring>

#include "db/AsciiCase.h"

#include "db/JetFormat.h"

namespace lanvero::db {
namespace {

bool HasCompressionMarker(ByteView bytes) {
  return bytes.size() >= 2 && bytes.U8(0) == jet::kCompressedTextMarker[0] &&
         bytes.U8(1) == jet::kCompressedTextMarker[1];
}

// Runs are copied whole: a one-byte run ends at the next zero byte, a
// two-byte run at the next character whose first byte is zero.
std::u16string DecodeCompressed(ByteView bytes) {
  const std::uint8_t* next = bytes.data() + 2;
  const std::uint8_t* const end = bytes.data() + bytes.size();
  std::u16string text;
  text.reserve(bytes.size());
  bool oneByteRun = true;
  while (next < end) {
    if (oneByteRun) {
      const auto* zero = static_cast<const std::uint8_t*>(std::memchr(next, 0, static_cast<std::size_t>(end - next)));
      const std::uint8_t* const runEnd = zero ? zero : end;
      text.append(next, runEnd);
      next = runEnd;
    } else {
      while (end - next >= 2 && *next != 0) {
        text.push_back(static_cast<char16_t>(next[0] | (next[1] << 8)));
        next += 2;
      }
      if (next < end && *next != 0) break;  // a dangling half character ends the value
    }
    if (next < end) {  // at a zero byte: the other kind of run follows
      oneByteRun = !oneByteRun;
      ++next;
    }
  }
  return text;
}

bool Compressible(const std::u16string& text) {
  return std::none_of(text.begin(), text.end(), [](char16_t c) { return (c & 0xFF) == 0; });
}

}  // namespace

std::u16string DecodeJetText(ByteView bytes) {
  if (HasCompressionMarker(bytes)) return DecodeCompressed(bytes);
  if (bytes.size() % 2 != 0) throw JetError("corrupt database: a text value has an odd number of bytes");
  std::u16string text(bytes.size() / 2, u'\0');
  const std::uint8_t* pair = bytes.data();
  for (char16_t& c : text) {
    c = static_cast<char16_t>(pair[0] | (pair[1] << 8));
    pair += 2;
  }
  return text;
}

std::vector<std::uint8_t> EncodeJetText(const std::u16string& text, bool allowCompression) {
  std::vector<std::uint8_t> out;
  if (allowCompression && Compressible(text)) {
    out.assign(std::begin(jet::kCompressedTextMarker), std::end(jet::kCompressedTextMarker));
    bool oneByteRun = true;
    for (const char16_t c : text) {
      const bool fitsOneByte = c <= 0xFF;
      if (fitsOneByte != oneByteRun) {
        out.push_back(0);
        oneByteRun = fitsOneByte;
      }
      if (oneByteRun) {
        PutU8(out, c);
      } else {
        PutU16(out, c);
      }
    }
    if (out.size() < text.size() * 2) return out;
    out.clear();
  }
  for (const char16_t c : text) PutU16(out, c);
  return out;
}

bool SameNameIgnoringAsciiCase(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) {
           return FoldAsciiCase(x) == FoldAsciiCase(y);
         });
}

}  // namespace lanvero::db
