// In-memory form of one database table: column definitions and rows of
// values. The Jet 4 reader produces it, the writer consumes it, and the
// query layer evaluates statements over it.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace lanvero::db {

enum class ColumnType { Long, Text, Memo };

struct ColumnDef {
  std::u16string name;
  ColumnType type = ColumnType::Long;
  bool autoNumber = false;  // Long columns only
  int maxChars = 0;         // Text columns: declared length in characters
};

// A cell: NULL, a 32-bit integer (Long) or text (Text and Memo).
using Value = std::variant<std::monostate, std::int32_t, std::u16string>;

struct Table {
  std::u16string name;
  std::vector<ColumnDef> columns;
  std::vector<std::vector<Value>> rows;  // physical order
};

}  // namespace lanvero::db
