#pragma once
// The border the skin gives edit-like controls (edits, date pickers,
// extended combo boxes): a line of the scheme's shadow colour around the
// window and white lines inside it, drawn only on windows that have a
// border of their own.

#include <windows.h>

#include "framework/graphics/PixelImage.h"

namespace lanvero {

// True when the client area is smaller than `windowRect` in both
// directions (the window has a border to draw over).
bool HasOwnBorder(HWND hwnd, const RECT& windowRect);
// True when the border is wider than `width` pixels on some side.
bool BorderWiderThan(HWND hwnd, int width);

// A one-pixel rectangle outline of `color`.
void FrameSolid(HDC dc, const RECT& rc, Color color);
// The shadow line around `rc` and `whiteLines` white lines inside it.
void DrawSunkenBorder(HDC dc, const RECT& rc, Color shadow, int whiteLines);

}  // namespace lanvero
