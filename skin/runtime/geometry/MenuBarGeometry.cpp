#include "skin/runtime/geometry/MenuBarGeometry.h"

#include <algorithm>

namespace lanvero {

int32_t MenuBarStartColumn(const MenuBarBand& bar) {
  const int32_t width = bar.band.Width();
  int32_t x = 6;
  if (bar.hasDefinition) {
    x = bar.rightToLeft ? bar.rightTile + 8 : bar.leftTile + 4;
    if (x > width) x = 12;
  }
  if (!bar.rightToLeft) return x;
  x = width - x;
  if (bar.rightToLeftLimit >= 0) x = std::min(x, bar.rightToLeftLimit);
  return x;
}

std::vector<Rect> LayoutMenuBarButtons(const MenuBarBand& bar, std::span<const int32_t> textWidths) {
  std::vector<Rect> bounds;
  bounds.reserve(textWidths.size());
  int32_t x = MenuBarStartColumn(bar);
  for (const int32_t textWidth : textWidths) {
    if (textWidth == kInvisibleMenuButton) {
      bounds.push_back(Rect{});
      continue;
    }
    const int32_t w = MenuBarButtonWidth(textWidth);
    const int32_t start = bar.rightToLeft ? x - w : x;
    x = bar.rightToLeft ? x - w : x + w;
    bounds.push_back(Rect{bar.band.left + start, bar.band.top, bar.band.left + start + w, bar.band.bottom - 1});
  }
  return bounds;
}

int32_t NeighbourIndex(int32_t open, int32_t count, bool forward) {
  if (count <= 0) return -1;
  const int32_t last = count - 1;
  if (open < 0 || open > last) return forward ? 0 : last;
  if (forward) return open == last ? 0 : open + 1;
  return open == 0 ? last : open - 1;
}

}  // namespace lanvero
