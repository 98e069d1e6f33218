// Decodes one stored Jet 4 row into the values of its table's columns.
#pragma once

#include <vector>

#include "db/JetTableDefinition.h"
#include "db/Table.h"

namespace lanvero::db {

class JetRowDecoder {
 public:
  JetRowDecoder(const JetPages& pages, const JetTableDefinition& definition) : pages_(pages), definition_(definition) {}

  // One value per column of the definition, in its order. Columns of types
  // other than Byte/Integer/Long, Text and Memo decode as NULL.
  std::vector<Value> Decode(ByteView row) const;

 private:
  Value DecodeFixed(const JetColumn& column, ByteView fixedBytes) const;
  Value DecodeVariable(const JetColumn& column, ByteView valueBytes) const;
  std::vector<std::uint8_t> ReadLongValue(ByteView header) const;

  const JetPages& pages_;
  const JetTableDefinition& definition_;
};

}  // namespace lanvero::db
