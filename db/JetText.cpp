#include "db/JetText.h"

#include <algorithm>

#include "db/AsciiCase.h"

#include "db/JetFormat.h"

namespace lanvero::db {
namespace {

bool HasCompressionMarker(ByteView bytes) {
  return bytes.size() >= 2 && bytes.U8(0) == jet::kCompressedTextMarker[0] && bytes.U8(1) == jet::kCompressedTextMarker[1];
}

std::u16string DecodeCompressed(ByteView bytes) {
  std::u16string text;
  text.reserve(bytes.size());
  bool oneByteRun = true;
  std::size_t position = 2;
  while (position < bytes.size()) {
    const std::uint8_t lead = bytes.U8(position);
    if (lead == 0) {
      oneByteRun = !oneByteRun;
      ++position;
    } else if (oneByteRun) {
      text.push_back(lead);
      ++position;
    } else if (position + 1 < bytes.size()) {
      text.push_back(static_cast<char16_t>(bytes.U16(position)));
      position += 2;
    } else {
      break;  // a dangling half character ends the value
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
  for (std::size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char16_t>(bytes.U16(2 * i));
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
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char16_t x, char16_t y) { return FoldAsciiCase(x) == FoldAsciiCase(y); });
}

}  // namespace lanvero::db
