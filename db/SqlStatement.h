// The one statement the SQL subset knows: a read of one table, with an
// optional condition built from `like`, `and`, `or` and parentheses.
#pragma once

#include <string>
#include <vector>

namespace lanvero::db {

// A condition node. `and` and `or` hold two or more operands each, so a
// long chain of alternatives stays flat instead of nesting deeply.
struct SqlCondition {
  enum class Kind { Like, And, Or };
  Kind kind = Kind::Like;
  std::u16string column;               // Like: the column compared
  std::u16string pattern;              // Like: pattern with '%' and '_'
  std::vector<SqlCondition> operands;  // And, Or
};

struct SelectStatement {
  bool allColumns = false;
  std::vector<std::u16string> columns;  // when not allColumns, as written
  std::u16string table;
  bool hasCondition = false;
  SqlCondition condition;
};

}  // namespace lanvero::db
