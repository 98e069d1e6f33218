#pragma once
// Findings about single values as the loader read them: integer texts that
// are not numbers, colour texts that are not three numbers from 0 to 255,
// tile flags other than 0 and 1, and values the loader replaced (fixed
// frame counts, capped margins and flags, counts of 0 it chose for).

#include "tools/skintool/CheckResult.h"
#include "tools/skintool/LoadRecord.h"

namespace lanvero::skintool {

void CheckValues(const LoadRecord& record, CheckResult& result);

}  // namespace lanvero::skintool
