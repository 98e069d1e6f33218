#include "skin/image/win/SkinText.h"

namespace lanvero {

std::wstring AnsiToWideCP(std::string_view text) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int needed = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(needed > 0 ? needed : 0), L'\0');
  if (needed > 0) MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), needed);
  return wide;
}

int SkinDrawText(HDC dc, std::wstring_view text, RECT& rect, UINT format) noexcept {
  try {
    // A writable copy with room for the ellipsis DT_MODIFYSTRING may add.
    std::wstring buffer(text);
    buffer.append(4, L'\0');
    return DrawTextW(dc, buffer.data(), static_cast<int>(text.size()), &rect, format);
  } catch (...) {
    return 0;
  }
}

std::wstring GetWindowTextStr(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(window, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

std::wstring GetWindowClassStr(HWND window) {
  wchar_t name[100] = {};
  const int copied = GetClassNameW(window, name, 100);
  return std::wstring(name, static_cast<std::size_t>(copied > 0 ? copied : 0));
}

}  // namespace lanvero
