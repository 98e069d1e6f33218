// A connection to one Jet 4 database file, named by a connection string.
//
// The connection opens on first use (or by Open): it parses the
// connection string, opens the file and keeps it open, denying other
// programs write access, until Close. Tables are read from the file once
// and kept in memory for the queries of this connection; nothing is ever
// written back to the file. Edits made through a query change only those
// in-memory rows, and Close drops them.
#pragma once

#include <map>
#include <memory>
#include <optional>
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

  // The table called `name` (ASCII case ignored); opens the connection if
  // needed. Throws SqlError when the database has no such table. The
  // reference stays valid until Close.
  Table& TableNamed(std::u16string_view name);

 private:
  friend class Query;
  void Attach(Query& query);
  void Detach(Query& query);

  std::u16string connectionString_;
  std::optional<JetFileLock> file_;
  std::optional<JetDatabase> database_;
  std::map<std::u16string, std::unique_ptr<Table>> tables_;  // key: folded name
  std::vector<Query*> queries_;
};

}  // namespace lanvero::db
