#pragma once
// Findings about the images a load looked up: names the loader does not
// take, members the package lacks, members that are no readable bitmap.

#include "skin/package/SkinPackageReader.h"
#include "tools/skintool/CheckResult.h"
#include "tools/skintool/LoadRecord.h"

namespace lanvero::skintool {

// Also counts every image named in a key the loader read.
void CheckImages(const LoadRecord& record, const TSkinReader& package, CheckResult& result);

}  // namespace lanvero::skintool
