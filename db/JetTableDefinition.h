// A table definition (TDEF) as stored in Jet 4: its columns and the row
// pointer of the map of pages that hold its rows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "db/JetPages.h"

namespace lanvero::db {

struct JetColumn {
  std::u16string name;
  std::uint8_t type = 0;
  std::uint16_t number = 0;    // bit of the row's null mask
  std::uint16_t varIndex = 0;  // slot in the row's variable-column table
  std::uint16_t fixedOffset = 0;
  std::uint16_t length = 0;
  std::uint8_t flags = 0;
  std::uint8_t miscFlags = 0;
  std::uint16_t sortOrder = 0;

  bool IsFixed() const { return (flags & jet::kColumnFixedFlag) != 0; }
};

// A physical index: the columns it sorts by and the root of its tree.
struct JetIndexDefinition {
  std::vector<std::uint16_t> columnNumbers;
  std::uint32_t rootPage = 0;
  std::uint8_t flags = 0;
};

struct JetTableDefinition {
  std::uint32_t page = 0;
  std::uint32_t rowCount = 0;
  std::uint32_t nextAutoNumber = 0;
  std::uint8_t tableType = 0;
  std::uint16_t varColumnCount = 0;
  std::uint32_t usedPagesPointer = 0;
  std::vector<JetColumn> columns;  // ordered by column number
  std::vector<JetIndexDefinition> indexes;
};

// Reads the definition starting at `page`, following continuation pages.
JetTableDefinition ReadTableDefinition(const JetPages& pages, std::uint32_t page);

}  // namespace lanvero::db
