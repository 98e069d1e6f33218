#pragma once
// Windows only: text and window routines every skinner calls.

#include <windows.h>

#include <string>
#include <string_view>

namespace lanvero {

// 8-bit text in the system's ANSI code page, as wide text.
std::wstring AnsiToWideCP(std::string_view text);

// Draws (or with DT_CALCRECT measures) the whole text with DrawTextW and
// returns the height DrawTextW returns. `rect` is updated as DrawTextW does.
int SkinDrawText(HDC dc, std::wstring_view text, RECT& rect, UINT format) noexcept;

// The window's text, however long.
std::wstring GetWindowTextStr(HWND window);
// The window's class name (at most 99 characters).
std::wstring GetWindowClassStr(HWND window);

}  // namespace lanvero
