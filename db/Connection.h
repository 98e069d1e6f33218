// A connection to one Jet 4 database file, named by a connection string.
//
// The connection opens on first use (or by Open): it parses the
// connection string, opens the file and keeps it open (and mapped),
// denying other programs write access, until Close. A table's columns are
// read from the file when a statement first needs them and kept in memory
// for the queries of this connection; nothing is ever written back to the
// file. Edits made through a query change only those in-memory rows, and
// Close drops them.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "db/JetFileLock.h"
#include "db/JetReader.h"
#include "db/Table.h"

namespace lanvero::db {

class Query;

class Connection {
 public:
  Connection() = default;
  explicit Connection(std::u16string connectionString);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // Throws DbError while the connection is open.
  void SetConnectionString(std::u16string text);
  const std::u16string& ConnectionString() const { return connectionString_; }

  // Throws DbError for a bad connection string or a file that cannot be
  // opened, and JetError for a file that is not a readable Jet 4
  // database. Opening an open connection does nothing.
  void Open();
  // Closes every query of this connection and releases the file. Closing
  // a closed connection does nothing.
  void Close();
  bool Connected() const { return database_.has_value(); }

  // The table called `name` (ASCII case ignored) with the values of every
  // column read; opens the connection if needed. Throws SqlError when the
  // database has no such table. The reference stays valid until Close.
  Table& TableNamed(std::u16string_view name);
  // The same with only the values of `columns` sure to be read (names,
  // ASCII case ignored; names the table lacks are passed over). A column no
  // call has named yet holds NULL in every row; it is read from the file
  // when a later call names it, and edits made to the others stay.
  Table& TableNamed(std::u16string_view name, std::span<const std::u16string> columns);
  // Those of `columns` (names of the table's columns) whose values the
  // table in memory does not hold yet.
  std::vector<std::u16string> UnreadColumns(std::u16string_view name, std::span<const std::u16string> columns);
  // Reads the values of `columns` row by row for `visit` alone, without
  // keeping them (see JetDatabase::VisitRows).
  void VisitRows(std::u16string_view name, std::span<const std::u16string> columns,
                 const std::function<void(std::vector<Value>&)>& visit);

 private:
  friend class Query;
  // A table as read so far: `read[i]` is true once column i holds the
  // file's values.
  struct CachedTable {
    Table table;
    std::vector<bool> read;
  };

  void Attach(Query& query);
  void Detach(Query& query);
  // The table with at least `columns` read (every column when there is no
  // list), read or completed from the file as needed.
  CachedTable& Cached(std::u16string_view name, std::optional<std::span<const std::u16string>> columns);
  std::u16string StoredTableName(std::u16string_view name) const;
  static std::vector<std::u16string> Unread(const CachedTable& cached,
                                            std::optional<std::span<const std::u16string>> columns);
  void ReadMissingColumns(CachedTable& cached, std::optional<std::span<const std::u16string>> columns) const;

  std::u16string connectionString_;
  std::optional<JetFileLock> file_;
  std::optional<JetDatabase> database_;
  std::map<std::u16string, std::unique_ptr<CachedTable>> tables_;  // key: folded name
  std::vector<Query*> queries_;
};

}  // namespace lanvero::db
