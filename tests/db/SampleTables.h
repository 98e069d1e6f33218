// Tables shaped like the shipped data set, for the Jet reader and writer
// tests: AutoNumber ids with gaps, CJK titles with pinyin, memo bodies of
// hex text whose lengths exercise every way a long value is stored.
#pragma once

#include <cstddef>
#include <string>

#include "db/Table.h"

namespace lanvero::db::testing {

// `rows` records; every body length from a few dozen to several thousand
// characters occurs, plus NULL and empty values and a title holding a
// character (U+4E00) that rules out Unicode compression.
Table MakeRecordTable(std::size_t rows);

// A table with `columns` Long columns, so that its definition spans pages.
Table MakeWideTable(std::size_t columns, std::size_t rows);

}  // namespace lanvero::db::testing
