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

void AddConditionColumns(const SqlCondition& condition, std::vector<std::u16string>& columns) {
  if (condition.kind == SqlCondition::Kind::Like) columns.push_back(condition.column);
  for (const SqlCondition& operand : condition.operands) AddConditionColumns(operand, columns);
}

// Tests rows against the statement's condition and collects the selected
// columns of those that hold.
class RowSelector {
 public:
  RowSelector(const SelectStatement& statement, const Table& table)
      : table_(table), selected_(SelectedColumns(statement, table)) {
    result_.table.name = table.name;
    for (std::size_t column : selected_) result_.table.columns.push_back(table.columns[column]);
    if (statement.hasCondition) condition_ = Bind(statement.condition, table);
  }

  // Row r of the table, tested on `values`: the row itself, or the row
  // with the values of more columns than the table holds.
  void Offer(std::size_t r, const std::vector<Value>& values) {
    if (!Holds(condition_, values)) return;
    const std::vector<Value>& row = table_.rows[r];
    std::vector<Value> picked;
    picked.reserve(selected_.size());
    for (std::size_t column : selected_) picked.push_back(column < row.size() ? row[column] : Value{});
    result_.table.rows.push_back(std::move(picked));
    result_.sourceRows.push_back(r);
  }

  QueryResult Take() { return std::move(result_); }

 private:
  const Table& table_;
  const std::vector<std::size_t> selected_;
  BoundCondition condition_{SqlCondition::Kind::And, 0, {}, {}};  // empty "and": every row
  QueryResult result_;
};

}  // namespace

std::vector<std::u16string> ConditionColumns(const SelectStatement& statement) {
  std::vector<std::u16string> columns;
  if (statement.hasCondition) AddConditionColumns(statement.condition, columns);
  return columns;
}

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
  RowSelector selector(statement, table);
  for (std::size_t r = 0; r < table.rows.size(); ++r) selector.Offer(r, table.rows[r]);
  return selector.Take();
}

QueryResult EvaluateSelect(const SelectStatement& statement, const Table& table, std::span<const std::u16string> unread,
                           const UnreadRows& unreadRows) {
  RowSelector selector(statement, table);
  std::vector<bool> held(table.columns.size(), true);
  for (const std::u16string& name : unread) held[ResolveColumn(table, name)] = false;
  std::size_t r = 0;
  unreadRows([&](std::vector<Value>& values) {
    if (r >= table.rows.size() || values.size() != held.size()) return;
    for (std::size_t c = 0; c < held.size(); ++c) {
      if (held[c]) values[c] = table.rows[r][c];
    }
    selector.Offer(r++, values);
  });
  return selector.Take();
}

}  // namespace lanvero::db
