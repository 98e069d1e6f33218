#include "db/RecordBody.h"

#include "cipher/Unit_DESCrypt.h"
#include "db/Cp936Text.h"

namespace lanvero::db {

std::u16string DecryptRecordBody(std::u16string_view hexField) {
  // Hex text is ASCII; any other character makes it invalid, which the
  // cipher reports as an empty result once it meets the marker byte.
  std::string hex;
  hex.reserve(hexField.size());
  for (char16_t c : hexField) hex.push_back(c < 0x80 ? static_cast<char>(c) : '?');
  return Cp936ToUtf16(cipher::DecryptHexText(hex, kRecordKey));
}

std::u16string RemoveBreakMarks(std::u16string_view text) {
  static constexpr std::u16string_view kMark = u"<br>";
  std::u16string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  for (std::size_t found = text.find(kMark); found != std::u16string_view::npos; found = text.find(kMark, pos)) {
    out.append(text.substr(pos, found - pos));
    pos = found + kMark.size();
  }
  out.append(text.substr(pos));
  return out;
}

}  // namespace lanvero::db
