// A read-only query over a Connection, with a cursor: the statement is
// held as lines (Clear, Add), Open runs it and puts the cursor on the
// first row, MoveBy steps it, and fields of the current row are read (and,
// in memory only, edited) by index as text. Listeners hear about every
// change so that a grid can follow.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "db/QueryListener.h"
#include "db/SqlEvaluator.h"

namespace lanvero::db {

class Connection;

class Query {
 public:
  explicit Query(Connection& connection);
  ~Query();
  Query(const Query&) = delete;
  Query& operator=(const Query&) = delete;

  // Statement text, one line at a time; the lines joined by CR LF form
  // the statement. Changing the text does not affect an open result.
  void Clear();
  void Add(std::u16string_view line);
  std::u16string Text() const;

  // Runs the statement (opening the connection on first use). Throws
  // SqlError for a refused statement, or the connection's errors; the
  // query stays closed then. Opening an open query reopens it.
  void Open();
  // Drops the result. Closing a closed query does nothing.
  void Close();
  bool Active() const { return active_; }

  std::size_t RecordCount() const;
  // True when the result is empty, or after MoveBy(+n) tried to pass the
  // last row; Bof likewise at the first row.
  bool Eof() const { return eof_; }
  bool Bof() const { return bof_; }
  // Index of the current row (0-based).
  std::size_t CurrentRow() const;
  // Moves the current row by `distance`, clamped to the first and last
  // row. Returns the distance actually moved.
  int MoveBy(int distance);

  std::size_t FieldCount() const;
  std::u16string FieldName(std::size_t field) const;
  // Field of the current row as text: numbers in decimal, NULL as "".
  // Throws DbError when the query is closed or empty, or the index is
  // out of range.
  std::u16string FieldText(std::size_t field) const;
  // Field of any row of the result, for views that show every row.
  // Throws DbError when the query is closed or an index is out of range.
  std::u16string FieldText(std::size_t row, std::size_t field) const;
  // Changes a field of the current row in memory (this query's row and
  // the connection's copy of the table), never in the file. Throws
  // DbError for an AutoNumber field, a non-number in a number field or
  // text longer than a Text field holds.
  void SetFieldText(std::size_t field, std::u16string_view text);
  // The same for any row of the result.
  void SetFieldText(std::size_t row, std::size_t field, std::u16string_view text);

  // Listeners are not owned and must be removed before they die.
  void AddListener(QueryListener& listener);
  void RemoveListener(QueryListener& listener);

 private:
  friend class Connection;
  void ConnectionGone();
  QueryResult EvaluateNamedColumns(const SelectStatement& statement);
  void RequireRow() const;
  void RequireCell(std::size_t row, std::size_t field) const;
  template <typename Event>
  void Notify(Event event);

  Connection* connection_;
  std::vector<std::u16string> lines_;
  bool active_ = false;
  QueryResult result_;
  std::size_t current_ = 0;
  bool eof_ = false;
  bool bof_ = false;
  std::vector<QueryListener*> listeners_;
};

}  // namespace lanvero::db
