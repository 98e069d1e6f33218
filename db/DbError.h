// Exceptions of the record store's access layer. Every message is plain
// UTF-8 text meant to be shown to the user as it stands (names and
// literals from the statement appear in it as written).
#pragma once

#include <stdexcept>
#include <string>

namespace lanvero::db {

// A connection, query or field operation that cannot be carried out
// (no connection string, query not open, no current record, ...).
class DbError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A statement that the SQL subset refuses: malformed, or anything other
// than a read of one table.
class SqlError : public DbError {
 public:
  using DbError::DbError;
};

}  // namespace lanvero::db
