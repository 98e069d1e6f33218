#include "db/Query.h"

#include <algorithm>
#include <charconv>
#include <span>

#include "db/Connection.h"
#include "db/DbError.h"
#include "db/SqlParser.h"
#include "db/UnicodeText.h"

namespace lanvero::db {
namespace {

std::u16string ValueText(const Value& value) {
  if (const auto* text = std::get_if<std::u16string>(&value)) return *text;
  if (const auto* number = std::get_if<std::int32_t>(&value)) {
    const std::string digits = std::to_string(*number);
    return std::u16string(digits.begin(), digits.end());
  }
  return {};
}

// The value a text edit stores in a column of the given kind.
Value ParseFieldText(const ColumnDef& column, std::u16string_view text) {
  const std::string name = Utf16ToUtf8(column.name);
  switch (column.type) {
    case ColumnType::Long: {
      if (column.autoNumber) throw DbError("The field " + name + " is an AutoNumber and cannot be changed.");
      if (text.empty()) return Value{};
      const std::string digits = Utf16ToUtf8(text);
      std::int32_t number = 0;
      const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
      if (error != std::errc() || end != digits.data() + digits.size()) {
        throw DbError("\"" + digits + "\" is not a valid value for the number field " + name + ".");
      }
      return Value{number};
    }
    case ColumnType::Text:
      if (column.maxChars > 0 && text.size() > static_cast<std::size_t>(column.maxChars)) {
        throw DbError("The field " + name + " holds at most " + std::to_string(column.maxChars) + " characters.");
      }
      return Value{std::u16string(text)};
    case ColumnType::Memo: return Value{std::u16string(text)};
  }
  return Value{};
}

}  // namespace

Query::Query(Connection& connection) : connection_(&connection) { connection.Attach(*this); }

Query::~Query() {
  if (connection_) connection_->Detach(*this);
}

void Query::Clear() { lines_.clear(); }

void Query::Add(std::u16string_view line) { lines_.emplace_back(line); }

std::u16string Query::Text() const {
  std::u16string text;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (i > 0) text += u"\r\n";
    text += lines_[i];
  }
  return text;
}

void Query::Open() {
  Close();
  if (!connection_) throw DbError("The query has no connection.");
  const SelectStatement statement = ParseSelect(Text());
  result_ = statement.allColumns ? EvaluateSelect(statement, connection_->TableNamed(statement.table))
                                 : EvaluateNamedColumns(statement);
  active_ = true;
  current_ = 0;
  eof_ = bof_ = result_.table.rows.empty();
  Notify([this](QueryListener& l) { l.QueryOpened(*this); });
}

// The connection keeps the selected columns; columns only the condition
// compares are read for the test, row by row, unless it holds them already.
QueryResult Query::EvaluateNamedColumns(const SelectStatement& statement) {
  const Table& table = connection_->TableNamed(statement.table, statement.columns);
  const std::vector<std::u16string> unread = connection_->UnreadColumns(statement.table, ConditionColumns(statement));
  if (unread.empty()) return EvaluateSelect(statement, table);
  return EvaluateSelect(statement, table, unread,
                        [&](const RowVisitor& visit) { connection_->VisitRows(statement.table, unread, visit); });
}

void Query::Close() {
  if (!active_) return;
  active_ = false;
  result_ = QueryResult{};
  current_ = 0;
  eof_ = bof_ = false;
  Notify([this](QueryListener& l) { l.QueryClosed(*this); });
}

std::size_t Query::RecordCount() const {
  if (!active_) throw DbError("The query is not open.");
  return result_.table.rows.size();
}

std::size_t Query::CurrentRow() const {
  RequireRow();
  return current_;
}

int Query::MoveBy(int distance) {
  if (!active_) throw DbError("The query is not open.");
  const std::size_t count = result_.table.rows.size();
  if (count == 0) return 0;
  const long long wanted = static_cast<long long>(current_) + distance;
  const std::size_t target =
      static_cast<std::size_t>(std::clamp<long long>(wanted, 0, static_cast<long long>(count) - 1));
  eof_ = wanted > static_cast<long long>(count) - 1;
  bof_ = wanted < 0;
  const int moved = static_cast<int>(static_cast<long long>(target) - static_cast<long long>(current_));
  if (moved != 0) {
    current_ = target;
    Notify([this](QueryListener& l) { l.CurrentRowChanged(*this, current_); });
  }
  return moved;
}

std::size_t Query::FieldCount() const { return active_ ? result_.table.columns.size() : 0; }

std::u16string Query::FieldName(std::size_t field) const {
  if (field >= FieldCount()) throw DbError("There is no field " + std::to_string(field) + ".");
  return result_.table.columns[field].name;
}

std::u16string Query::FieldText(std::size_t field) const {
  RequireRow();
  return FieldText(current_, field);
}

std::u16string Query::FieldText(std::size_t row, std::size_t field) const {
  RequireCell(row, field);
  return ValueText(result_.table.rows[row][field]);
}

void Query::SetFieldText(std::size_t field, std::u16string_view text) {
  RequireRow();
  SetFieldText(current_, field, text);
}

void Query::SetFieldText(std::size_t row, std::size_t field, std::u16string_view text) {
  RequireCell(row, field);
  const ColumnDef& column = result_.table.columns[field];
  Value value = ParseFieldText(column, text);
  Table& source = connection_->TableNamed(result_.table.name, std::span(&column.name, 1));
  const int sourceColumn = FindColumn(source, column.name);
  const std::size_t sourceRow = result_.sourceRows[row];
  if (sourceColumn >= 0 && sourceRow < source.rows.size()) source.rows[sourceRow][sourceColumn] = value;
  result_.table.rows[row][field] = std::move(value);
  Notify([this, row, field](QueryListener& l) { l.FieldEdited(*this, row, field); });
}

void Query::RequireCell(std::size_t row, std::size_t field) const {
  if (!active_) throw DbError("The query is not open.");
  if (row >= RecordCount()) throw DbError("There is no row " + std::to_string(row) + ".");
  if (field >= FieldCount()) throw DbError("There is no field " + std::to_string(field) + ".");
}

void Query::AddListener(QueryListener& listener) { listeners_.push_back(&listener); }

void Query::RemoveListener(QueryListener& listener) { std::erase(listeners_, &listener); }

void Query::ConnectionGone() {
  Close();
  connection_ = nullptr;
}

void Query::RequireRow() const {
  if (!active_) throw DbError("The query is not open.");
  if (result_.table.rows.empty()) throw DbError("There is no current record: the result is empty.");
}

template <typename Event>
void Query::Notify(Event event) {
  const std::vector<QueryListener*> listeners = listeners_;  // a listener may remove itself
  for (QueryListener* listener : listeners) event(*listener);
}

}  // namespace lanvero::db
