// Decodes one stored Jet 4 row into the values of its table's columns.
#pragma once

#include <vector>

#include "db/JetFormat.h"
#include "db/JetTableDefinition.h"
#include "db/Table.h"

namespace lanvero::db {

class JetRowDecoder {
 public:
  // `wanted[i]` says whether column i of the definition is decoded; empty:
  // every column.
  JetRowDecoder(const JetPages& pages, const JetTableDefinition& definition, std::vector<bool> wanted = {})
      : pages_(pages),
        definition_(definition),
        wanted_(std::move(wanted)),
        longValueBudget_(2 * std::size_t{pages.PageCount()} * jet::kPageSize) {}

  // One value per column of the definition, in its order. Columns not
  // wanted, and columns of types other than Byte/Integer/Long, Text and
  // Memo, decode as NULL.
  std::vector<Value> Decode(ByteView row) const;

 private:
  Value DecodeFixed(const JetColumn& column, ByteView fixedBytes) const;
  Value DecodeVariable(const JetColumn& column, ByteView valueBytes) const;
  std::vector<std::uint8_t> ReadLongValue(ByteView header) const;
  void ChargeLongValue(std::size_t bytes) const;

  const JetPages& pages_;
  const JetTableDefinition& definition_;
  const std::vector<bool> wanted_;
  // Every long-value row of a sound file belongs to one value, so the values
  // of a table never add up to more than the file. Rows of a hostile file
  // could all point at one long chain; the budget stops that from
  // multiplying memory use.
  mutable std::size_t longValueBudget_;
};

}  // namespace lanvero::db
