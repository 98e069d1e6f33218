// Reading what the edit family's skinners put on the screen, and holding
// the mouse, for their Windows tests.
#pragma once

#include <windows.h>

#include <cstdint>

#include "framework/graphics/PixelImage.h"
#include "skin/definitions/DefinitionObjects.h"
#include "tests/e2e/driver/Screenshot.h"

namespace lanvero::testing {

// A scheme colour (0x00BBGGRR) as the screen shows it (0x00RRGGBB).
uint32_t OnScreen(Color schemeColor);
// The window as it is on the screen now, after pending paints ran.
e2e::Image Shot(HWND hwnd);
// Frame `frame` of `object` drawn nine-sliced to width x height over
// magenta, as 0x00RRGGBB (magenta where the frame is transparent).
e2e::Image ExpectedFrame(const TDataSkinObject& object, int frame, int width, int height);
// The same for frame `frame` of `count` of any strip.
e2e::Image ExpectedStripFrame(HBITMAP strip, const Margins& margins, int frame, int count, int width, int height);
// Frame `frame` of `count` of `strip` stretched to width x height.
e2e::Image ExpectedStretched(HBITMAP strip, int frame, int count, int width, int height);
// Pixels of `expected` (offset by dx, dy in `shot`) that are not magenta
// and differ from the shot by more than a small tolerance.
long Mismatches(const e2e::Image& shot, const e2e::Image& expected, const RECT& area, int dx = 0, int dy = 0);

// The left button, pressed or released at the cursor.
void LeftButton(bool down);
// Moves the cursor to a client point of `hwnd`.
void MoveTo(HWND hwnd, POINT clientPoint);

}  // namespace lanvero::testing
