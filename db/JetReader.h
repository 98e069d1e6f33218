// Reader of Jet 4 database files (4,096-byte pages): finds the user tables
// through the catalog MSysObjects, reads their definitions and data pages and
// decodes Long Integer, Text and Memo columns into a Table.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "db/Table.h"

namespace lanvero::db {

class JetFileMapping;

// Raised for files that are not Jet 4 databases, are truncated or corrupt,
// or use features this reader does not decode.
class JetError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class JetDatabase {
 public:
  // Takes the whole file; checks the header and reads the catalog.
  static JetDatabase FromBytes(std::vector<std::uint8_t> bytes);
  // Reads the file (UTF-8 path) and closes it again.
  static JetDatabase FromFile(const std::string& path);
  // Reads the mapped file in place; the database keeps the mapping.
  static JetDatabase FromMapping(std::shared_ptr<const JetFileMapping> mapping);

  // User tables only, in catalog order.
  std::vector<std::u16string> TableNames() const;
  // Columns and rows (physical order, deleted rows skipped) of a user or
  // system table; names compare without regard to ASCII case.
  Table ReadTable(std::u16string_view name) const;
  // The same with values read only for the columns named in `columns`
  // (ASCII case ignored; names the table lacks are passed over). The other
  // columns are listed but hold NULL in every row.
  Table ReadTable(std::u16string_view name, std::span<const std::u16string> columns) const;
  // Calls `visit` with each row of the table in turn, in physical order,
  // holding values only for the columns named in `columns` (the others
  // NULL). Nothing is kept: a row lives until `visit` returns.
  void VisitRows(std::u16string_view name, std::span<const std::u16string> columns,
                 const std::function<void(std::vector<Value>&)>& visit) const;

  // Default collating order (locale id) from the header.
  std::uint16_t SortOrder() const { return sortOrder_; }

  struct CatalogEntry {
    std::u16string name;
    std::uint32_t definitionPage = 0;
    std::uint32_t flags = 0;
    bool isUserTable = false;
  };

 private:
  // Checks the header and reads the catalog of `file`, whose bytes
  // `storage` keeps alive.
  JetDatabase(std::shared_ptr<const void> storage, std::span<const std::uint8_t> file);
  const CatalogEntry& FindTable(std::u16string_view name) const;
  Table ReadColumns(std::u16string_view name, std::optional<std::span<const std::u16string>> columns) const;

  std::shared_ptr<const void> storage_;
  std::span<const std::uint8_t> file_;
  std::uint16_t sortOrder_ = 0;
  std::vector<CatalogEntry> tables_;
};

}  // namespace lanvero::db
