// Code page 936 through the system's own tables, for the Windows build.
#include <windows.h>

#include <cstdio>

#include "db/Cp936Text.h"

namespace lanvero::db {
namespace {

constexpr UINT kCodePage = 936;

// Strict conversion: false when any byte sequence is invalid.
bool Decode(std::string_view bytes, std::u16string& out) {
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
  if (length <= 0) return false;
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes.data(), size, wide.data(), length);
  out.append(wide.begin(), wide.end());
  return true;
}

}  // namespace

// Valid text converts in one call. Otherwise the text goes character by
// character (a lead byte 0x81-0xFE takes the next byte along), and each
// byte the system refuses becomes U+FFFD, as in the native build, rather
// than the system's default character.
std::u16string Cp936ToUtf16(std::string_view cp936) {
  std::u16string out;
  if (cp936.empty() || Decode(cp936, out)) return out;
  for (std::size_t pos = 0; pos < cp936.size();) {
    const auto lead = static_cast<unsigned char>(cp936[pos]);
    const std::size_t length = (lead >= 0x81 && lead <= 0xFE && pos + 1 < cp936.size()) ? 2 : 1;
    if (Decode(cp936.substr(pos, length), out)) {
      pos += length;
    } else {
      out.push_back(u'\uFFFD');  // skip the bad byte only; what follows may be fine
      ++pos;
    }
  }
  return out;
}

std::string Utf16ToCp936(std::u16string_view text) {
  if (text.empty()) return {};
  const std::wstring wide(text.begin(), text.end());
  const int size = static_cast<int>(wide.size());
  BOOL usedDefault = FALSE;
  const int length = WideCharToMultiByte(kCodePage, 0, wide.data(), size, nullptr, 0, nullptr, &usedDefault);
  if (length == 0 || usedDefault) {
    throw Cp936EncodeError("the text holds characters that code page 936 cannot encode");
  }
  std::string out(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(kCodePage, 0, wide.data(), size, out.data(), length, nullptr, nullptr);
  return out;
}

}  // namespace lanvero::db
