#include "db/SqlEvaluator.h"

#include <string>

#include "db/AsciiCase.h"
#include "db/DbError.h"
#include "db/LikePattern.h"
#include "db/UnicodeText.h"

namespace lanvero::db {
namespace {

std::size_t ResolveColumn(const Table& table, std::u16string_view name) {
  const int index = FindColumn(table, name);
  if (index < 0) {
    throw SqlError("The table " + Utf16ToUtf8(table.name) + " has no column " + Utf16ToUtf8(name) + ".");
  }
  return static_cast<std::size_t>(index);
}

// A condition with its column names resolved to indices once, before the
// rows are scanned.
struct BoundCondition {
  SqlCondition::Kind kind;
  std::size_t column = 0;
  std::u16string_view pattern;
  std::vector<BoundCondition> operands;
};

BoundCondition Bind(const SqlCondition& condition, const Table& table) {
  BoundCondition bound{condition.kind, 0, condition.pattern, {}};
  if (condition.kind == SqlCondition::Kind::Like) {
    bound.column = ResolveColumn(table, condition.column);
  }
  for (const SqlCondition& operand : condition.operands) bound.operands.push_back(Bind(operand, table));
  return bound;
}

bool ValueMatches(const Value& value, std::u16string_view pattern) {
  if (const auto* text = std::get_if<std::u16string>(&value)) return LikeMatches(*text, pattern);
  if (const auto* number = std::get_if<std::int32_t>(&value)) {
    const std::string digits = std::to_string(*number);
    return LikeMatches(std::u16string(digits.begin(), digits.end()), pattern);
  }
  return false;
}

bool Holds(const BoundCondition& condition, const std::vector<Value>& row) {
  switch (condition.kind) {
    case SqlCondition::Kind::Like:
      return condition.column < row.size() && ValueMatches(row[condition.column], condition.pattern);
    case SqlCondition::Kind::And:
      for (const BoundCondition& operand : condition.operands) {
        if (!Holds(operand, row)) return false;
      }
      return true;
    case SqlCondition::Kind::Or:
      for (const BoundCondition& operand : condition.operands) {
        if (Holds(operand, row)) return true;
      }
      return false;
  }
  return false;
}

std::vector<std::size_t> SelectedColumns(const SelectStatement& statement, const Table& table) {
  std::vector<std::size_t> selected;
  if (statement.allColumns) {
    for (std::size_t i = 0; i < table.columns.size(); ++i) selected.push_back(i);
  } else {
    for (const auto& name : statement.columns) selected.push_back(ResolveColumn(table, name));
  }
  return selected;
}

}  // namespace

bool SameName(std::u16string_view a, std::u16string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldAsciiCase(a[i]) != FoldAsciiCase(b[i])) return false;
  }
  return true;
}

int FindColumn(const Table& table, std::u16string_view name) {
  for (std::size_t i = 0; i < table.columns.size(); ++i) {
    if (SameName(table.columns[i].name, name)) return static_cast<int>(i);
  }
  return -1;
}

QueryResult EvaluateSelect(const SelectStatement& statement, const Table& table) {
  const std::vector<std::size_t> selected = SelectedColumns(statement, table);
  QueryResult result;
  result.table.name = table.name;
  for (std::size_t column : selected) result.table.columns.push_back(table.columns[column]);

  BoundCondition condition{SqlCondition::Kind::And, 0, {}, {}};  // empty "and": every row
  if (statement.hasCondition) condition = Bind(statement.condition, table);

  for (std::size_t r = 0; r < table.rows.size(); ++r) {
    const std::vector<Value>& row = table.rows[r];
    if (!Holds(condition, row)) continue;
    std::vector<Value> picked;
    picked.reserve(selected.size());
    for (std::size_t column : selected) picked.push_back(column < row.size() ? row[column] : Value{});
    result.table.rows.push_back(std::move(picked));
    result.sourceRows.push_back(r);
  }
  return result;
}

}  // namespace lanvero::db
