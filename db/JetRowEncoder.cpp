#include "db/JetRowEncoder.h"

#include <algorithm>

namespace lanvero::db {
namespace {

std::size_t FixedAreaLength(const std::vector<JetColumn>& columns) {
  std::size_t length = 0;
  for (const JetColumn& column : columns) {
    if (column.IsFixed()) length = std::max<std::size_t>(length, column.fixedOffset + column.length);
  }
  return length;
}

}  // namespace

// Layout: column count, fixed area, variable data in slot order, then from
// the end backwards the null mask, the variable-column count, the start of
// each variable column (slot 0 nearest the count) and the end of the data.
std::vector<std::uint8_t> EncodeRow(const std::vector<JetColumn>& columns, const StoredCells& cells) {
  std::vector<std::uint8_t> row(2 + FixedAreaLength(columns), 0);
  SetU16(row, 0, static_cast<unsigned>(columns.size()));
  std::vector<std::uint8_t> nullMask((columns.size() + 7) / 8, 0);

  std::vector<const JetColumn*> variable;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const JetColumn& column = columns[i];
    if (cells[i]) nullMask[column.number / 8] |= static_cast<std::uint8_t>(1u << (column.number % 8));
    if (!column.IsFixed()) {
      variable.push_back(&column);
    } else if (cells[i]) {
      std::copy_n(cells[i]->begin(), std::min<std::size_t>(column.length, cells[i]->size()),
                  row.begin() + 2 + column.fixedOffset);
    }
  }
  std::sort(variable.begin(), variable.end(),
            [](const JetColumn* a, const JetColumn* b) { return a->varIndex < b->varIndex; });

  std::vector<std::uint16_t> starts;
  for (const JetColumn* column : variable) {
    starts.push_back(static_cast<std::uint16_t>(row.size()));
    const auto& cell = cells[static_cast<std::size_t>(column - columns.data())];
    if (cell) row.insert(row.end(), cell->begin(), cell->end());
  }
  if (!variable.empty()) {
    PutU16(row, static_cast<unsigned>(row.size()));  // end of variable data
    for (auto it = starts.rbegin(); it != starts.rend(); ++it) PutU16(row, *it);
    PutU16(row, static_cast<unsigned>(variable.size()));
  }
  row.insert(row.end(), nullMask.begin(), nullMask.end());
  return row;
}

}  // namespace lanvero::db
