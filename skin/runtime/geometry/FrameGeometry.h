#pragma once
// Portable geometry of a skinned window frame: where the four border sides,
// the caption bar, the menu band and the client area lie inside a window,
// the client rectangle the frame leaves, and how the system's hit-test
// answers are mapped onto the skinned frame. All rectangles are in window
// coordinates (origin at the window's top-left corner) unless said otherwise.

#include <cstdint>

#include "framework/graphics/PixelImage.h"

namespace lanvero {

struct FramePoint {
  int32_t x = 0, y = 0;
};

// Frame widths: left, right and bottom border widths, and the caption bar
// height in `top`.
struct FrameWidths {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const FrameWidths&) const = default;
};

struct FrameLayout {
  Rect left, right, caption, menuBand, bottom, client;
};

// The areas of a width x height window with the given frame widths and a
// menu band of `menuHeight` pixels below the caption bar.
FrameLayout LayoutFrame(int32_t width, int32_t height, const FrameWidths& widths, int32_t menuHeight);

// The client rectangle (in the coordinates of `window`, usually the parent's
// or the screen's) that the skinned frame leaves inside `window`. Never
// inverted: when the frame is larger than the window the client rectangle
// collapses to an empty one inside the window.
Rect ClientRectInside(const Rect& window, const FrameWidths& widths, int32_t menuHeight);

// Hit-test codes, with the values the platform gives them.
enum HitCode : int32_t {
  kHitNowhere = 0,
  kHitClient = 1,
  kHitCaption = 2,
  kHitSysMenu = 3,
  kHitMenu = 5,
  kHitMinButton = 8,
  kHitMaxButton = 9,
  kHitClose = 20,
  kHitHelp = 21,
};

// Maps the system's answer for a point (`framePoint` relative to the
// window's top-left corner) onto the skinned frame. The system places its
// own caption buttons where the skin draws something else, so its button
// answers (and the caption icon) count as caption; the caption bar below the
// top four rows is caption; what lies below the caption bar and the system
// left open belongs to the menu band when there is one. Border, client and
// other answers stand.
int32_t MapHitTest(int32_t systemAnswer, FramePoint framePoint, const FrameWidths& widths, int32_t menuHeight);

// Size of one frame of an image strip: side-by-side frames divide the width,
// stacked frames the height. A count below 1 counts as 1.
int32_t FrameExtent(int32_t imageExtent, int32_t frameCount);

}  // namespace lanvero
