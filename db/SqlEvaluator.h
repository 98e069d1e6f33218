// Runs a parsed statement over a table held in memory.
#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "db/SqlStatement.h"
#include "db/Table.h"

namespace lanvero::db {

// The rows a statement selects, in the table's physical order, holding
// the selected columns in the order of the select list ("*": every column
// in table order). `sourceRows[i]` is the physical index of result row i
// in the table it came from, so edits can find their way back.
struct QueryResult {
  Table table;
  std::vector<std::size_t> sourceRows;
};

// Throws SqlError when the statement names a column the table lacks. The
// caller has already checked that the statement's table is `table`.
// `like` on a number compares its decimal text; a NULL never matches.
QueryResult EvaluateSelect(const SelectStatement& statement, const Table& table);

// Rows of a statement's table in physical order, each with the values of
// columns the table in memory lacks, handed to `visit` one at a time.
using RowVisitor = std::function<void(std::vector<Value>&)>;
using UnreadRows = std::function<void(const RowVisitor& visit)>;

// The same for a condition comparing columns (`unread`) whose values the
// table in memory lacks: `unreadRows` supplies them row by row, and they
// are not kept.
QueryResult EvaluateSelect(const SelectStatement& statement, const Table& table, std::span<const std::u16string> unread,
                           const UnreadRows& unreadRows);

// The columns a statement's condition compares.
std::vector<std::u16string> ConditionColumns(const SelectStatement& statement);

// Index of the column called `name` (ASCII letters without regard to
// case), or -1.
int FindColumn(const Table& table, std::u16string_view name);

// True when `a` and `b` are equal without regard to ASCII case.
bool SameName(std::u16string_view a, std::u16string_view b);

}  // namespace lanvero::db
