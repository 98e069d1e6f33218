#pragma once
// Resolution of system colours (colours with the top bit set, the low byte
// naming the system colour index). The Windows build asks the platform
// (win/SysColors.cpp); native builds use the classic Windows default scheme
// (SysColorsDefault.cpp) so that tools and tests give stable results.

#include "framework/graphics/PixelImage.h"

namespace lanvero {

// The RGB colour (0x00BBGGRR) of system colour `index`; black for an
// index the platform does not know.
Color SystemColorRgb(int index);

// A plain RGB colour: system colours resolved, the top byte cleared.
inline Color ResolveColor(Color color) {
  return IsSystemColor(color) ? SystemColorRgb(static_cast<int>(color & 0xFF)) : (color & 0x00FFFFFF);
}

// Indices used by the image routines.
inline constexpr int kSysColorButtonFace = 15;
inline constexpr int kSysColorButtonShadow = 16;
inline constexpr int kSysColorButtonHighlight = 20;

}  // namespace lanvero
