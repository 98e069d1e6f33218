// Writer of Jet 4 database files for the tools that build the shipped data:
// one user table with an AutoNumber Long Integer column, a Text column and a
// Memo column, plus the system catalog readers need.
#pragma once

#include <cstdint>
#include <vector>

#include "db/Table.h"

namespace lanvero::db {

struct JetWriteOptions {
  std::int32_t nextAutoNumber = 0;  // 0: one past the largest value
  std::uint16_t sortOrder = 2052;   // collating order (locale id)
};

// The whole file. Same input, same bytes. Throws JetError for a table the
// format cannot hold (wrong column kinds, text longer than declared, ...).
std::vector<std::uint8_t> WriteJetDatabase(const Table& table, const JetWriteOptions& options);

}  // namespace lanvero::db
