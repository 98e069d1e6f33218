#pragma once
// Portable geometry of a skinned menu bar: where its first button starts in
// the band, how wide a button is, where each button lies, and which button
// the arrow keys move to.

#include <cstdint>
#include <span>
#include <vector>

#include "framework/graphics/PixelImage.h"

namespace lanvero {

// No text width: the button is invisible and takes no space.
inline constexpr int32_t kInvisibleMenuButton = -1;

struct MenuBarBand {
  Rect band;                   // window coordinates
  bool hasDefinition = false;  // the skin has a menu bar image
  int32_t leftTile = 0;        // its fixed left and right widths
  int32_t rightTile = 0;
  bool rightToLeft = false;
  // Right to left: the buttons end left of this band column (the merged
  // MDI buttons); no limit when negative.
  int32_t rightToLeftLimit = -1;
};

// The band column where the buttons start (right to left: where they end).
int32_t MenuBarStartColumn(const MenuBarBand& bar);

// A button is as wide as its text plus 10 pixels; no text, no width.
constexpr int32_t MenuBarButtonWidth(int32_t textWidth) { return textWidth > 0 ? textWidth + 10 : 0; }

// The bounds of each button (window coordinates, the band's bottom row
// left out), side by side without gaps; invisible buttons get empty bounds.
std::vector<Rect> LayoutMenuBarButtons(const MenuBarBand& bar, std::span<const int32_t> textWidths);

// The button the arrow keys open next: forward from the last wraps to the
// first, backward from the first to the last. -1 when there are no
// buttons; an index out of range (the bar was rebuilt) starts again at the
// first or the last button.
int32_t NeighbourIndex(int32_t open, int32_t count, bool forward);

}  // namespace lanvero
