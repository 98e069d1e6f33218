// Builds the table definition block of a Jet 4 table and lays it out on
// one or more pages.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "db/JetPageBuilder.h"
#include "db/JetTableDefinition.h"

namespace lanvero::db {

// A single-column ascending primary key.
struct JetPrimaryKey {
  std::uint16_t columnNumber = 0;
  std::uint32_t rootPage = 0;
  std::uint32_t usedPagesPointer = 0;
  std::u16string name = u"PrimaryKey";
};

struct JetTableDefinitionPlan {
  JetTableDefinition definition;  // columns, counts, usage map pointer
  std::uint32_t freePagesPointer = 0;
  bool hasAutoNumber = false;
  std::optional<JetPrimaryKey> primaryKey;
};

// Writes the definition on `firstPage` and, when it is longer than a page,
// on continuation pages appended to `pages`.
void WriteTableDefinition(PageList& pages, std::uint32_t firstPage, const JetTableDefinitionPlan& plan);

}  // namespace lanvero::db
