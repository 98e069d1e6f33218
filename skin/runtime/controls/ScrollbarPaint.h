#pragma once
// Drawing one scroll bar from the skin into a device context: the shaft
// (HBar / VBar), the two arrows and the thumb grip (SArrow) and the thumb
// (HSlider / VSlider). The overlay panels and the drop-down list's bar
// both draw through here, each into a bitmap of its own that it then
// copies with one blit.

#include <windows.h>

#include "skin/definitions/SkinData.h"
#include "skin/runtime/geometry/ScrollbarGeometry.h"

namespace lanvero {

struct ScrollbarLook {
  bool vertical = true;
  RECT area{};               // where the bar is drawn, thickness already the arrows'
  int32_t arrowLength = 16;  // SM_CXHSCROLL
  ThumbExtent thumb;         // along the axis, from the bar's start
  bool enabled = true;
  ScrollPart hot = kPartNone;  // the hot or pressed part
  bool pressed = false;
  bool normalFramesOnly = false;  // the drop-down list draws no hot or pressed parts
};

// The bar's thickness: the arrow image's height, or the system's when the
// two differ by more than 2 pixels. 0 without an arrow image.
int32_t ScrollbarThickness(const TSkinData& sd, int32_t arrowLength);

// Draws the bar; nothing without an arrow image. Never throws.
void PaintScrollbar(HDC dc, const TSkinData& sd, const ScrollbarLook& look);

}  // namespace lanvero
