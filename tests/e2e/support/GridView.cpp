#include "tests/e2e/support/GridView.h"

#include <algorithm>

#include "tests/e2e/driver/Desktop.h"
#include "tests/e2e/driver/Screenshot.h"

namespace lanvero::e2e {
namespace {

// The indicator column is 11 pixels wide plus its line; the row lines start
// right of it.
constexpr int kIndicatorWidth = 11;
constexpr int kFirstDataX = kIndicatorWidth + 2;
constexpr int kLineProbeWidth = 24;
constexpr std::uint32_t kRowLineColour = 0xC0C0C0;
constexpr std::uint32_t kArrowColour = 0x000000;
// Rows are at least a 13-pixel font high, so this is inside the row.
constexpr int kClickAboveLine = 5;

bool IsRowLine(const Image& image, int y) {
  const int right = std::min(image.width, kFirstDataX + kLineProbeWidth);
  if (right <= kFirstDataX) return false;
  for (int x = kFirstDataX; x < right; ++x) {
    if (image.At(x, y) != kRowLineColour) return false;
  }
  return true;
}

std::optional<int> ArrowCentreY(const Image& image) {
  int top = -1, bottom = -1;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < std::min(image.width, kIndicatorWidth); ++x) {
      if (image.At(x, y) != kArrowColour) continue;
      if (top < 0) top = y;
      bottom = y;
    }
  }
  if (top < 0) return std::nullopt;
  return (top + bottom) / 2;
}

}  // namespace

POINT GridView::CellPoint(int row, int xOffset) const {
  const RECT& rect = rows.at(static_cast<size_t>(row));
  return POINT{kFirstDataX + 20 + xOffset, rect.bottom - kClickAboveLine};
}

GridView ReadGrid(HWND grid) {
  DWORD pid = 0;
  GetWindowThreadProcessId(grid, &pid);
  WaitForPainted(pid);
  const Image image = CaptureClient(grid);
  std::vector<int> lines;
  for (int y = 0; y < image.height; ++y) {
    if (IsRowLine(image, y)) lines.push_back(y);
  }
  GridView view;
  // With one row only, its top is unknown; nothing but the title lies
  // above it, so it is taken to start at the top.
  const int pitch = lines.size() >= 2 ? lines[1] - lines[0] : lines.empty() ? 0 : lines[0] + 1;
  for (size_t i = 0; i < lines.size(); ++i) {
    const int top = i == 0 ? lines[0] - pitch + 1 : lines[i - 1] + 1;
    view.rows.push_back(RECT{0, top, image.width, lines[i]});
  }
  if (const std::optional<int> arrow = ArrowCentreY(image)) {
    for (size_t i = 0; i < view.rows.size(); ++i) {
      if (*arrow >= view.rows[i].top && *arrow < view.rows[i].bottom) view.currentRow = static_cast<int>(i);
    }
  }
  return view;
}

}  // namespace lanvero::e2e
