// Code page 936 through the system's own tables, for the Windows build.
#include <windows.h>

#include <cstdio>

#include "db/Cp936Text.h"

namespace lanvero::db {
namespace {
constexpr UINT kCodePage = 936;
}

std::u16string Cp936ToUtf16(std::string_view cp936) {
  if (cp936.empty()) return {};
  const int size = static_cast<int>(cp936.size());
  const int length = MultiByteToWideChar(kCodePage, 0, cp936.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(kCodePage, 0, cp936.data(), size, wide.data(), length);
  return std::u16string(wide.begin(), wide.end());
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
