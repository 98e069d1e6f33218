// Encodes one Jet 4 row from the stored bytes of each column.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "db/JetTableDefinition.h"

namespace lanvero::db {

// One entry per column: nullopt for NULL, else the column's stored bytes
// (the fixed-width value, the text bytes, or a long value's header).
using StoredCells = std::vector<std::optional<std::vector<std::uint8_t>>>;

std::vector<std::uint8_t> EncodeRow(const std::vector<JetColumn>& columns, const StoredCells& cells);

}  // namespace lanvero::db
