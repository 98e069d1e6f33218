// What the button family's tests compare: the screen pixels of a control
// against the skin's own frames, drawn the way the skin defines them.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include "framework/graphics/PixelImage.h"
#include "skin/definitions/SkinData.h"
#include "tests/e2e/driver/Screenshot.h"

namespace lanvero::testing {

// The window as it is on screen once its pending paints have run.
e2e::Image ScreenOf(HWND window);
// A rectangle of a window's client area (client coordinates) on screen.
e2e::Image ScreenOfClientRect(HWND window, const RECT& client);

// Frame `frame` of the skin's button strip at `size`, over the face colour.
PixelImage ExpectedButtonFrame(const TSkinData& skin, SIZE size, int frame);
// Frame `frame` of `frames` of a strip, as it is (no scaling).
PixelImage StripCell(HBITMAP strip, int frame, int frames);

// The band of `inset` pixels along the four edges of `actual` shows
// `expected` (the caption and focus rectangle stay inside the band).
::testing::AssertionResult EdgesMatch(const e2e::Image& actual, const PixelImage& expected, int inset = 3);
// `expected` appears at `at` in `actual`; its magenta pixels are not compared.
::testing::AssertionResult AreaMatches(const e2e::Image& actual, POINT at, const PixelImage& expected);
// A bitmap's pixels as a capture, to compare two expected looks.
e2e::Image AsImage(const PixelImage& image);
// A system colour (COLORREF) as a screen pixel (0x00RRGGBB).
uint32_t ScreenRgb(COLORREF color);
// Pixels of `actual` within a few steps of `rgb` (0x00RRGGBB).
int CountNear(const e2e::Image& actual, uint32_t rgb);
// Pixels of `actual` whose every channel is below half: text ink.
int CountDark(const e2e::Image& actual);
// Fewer than half the pixels dark: a control on a light face was drawn,
// not left black.
bool MostlyLight(const e2e::Image& actual);

}  // namespace lanvero::testing
