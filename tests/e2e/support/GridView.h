// What the record grid shows, read from its pixels (the grid draws its rows
// itself, so there are no child windows or texts to read). Rows are found by
// the silver lines the grid draws below each row; the current row is the one
// whose indicator cell holds the black arrow.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

namespace lanvero::e2e {

struct GridView {
  std::vector<RECT> rows;         // fully visible rows, top to bottom, grid client coordinates
  std::optional<int> currentRow;  // index into `rows` of the row with the arrow

  // A point inside the title cell of visible row `row`, for clicking it.
  POINT CellPoint(int row, int xOffset = 0) const;
};

// Reads the grid once its program has nothing left to paint.
GridView ReadGrid(HWND grid);

}  // namespace lanvero::e2e
