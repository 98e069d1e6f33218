#pragma once
// Loads a skin through the engine's own definition model, listening to
// what it reads and decides, and turns that into findings: images, the
// window frame's edges, frame counts and margins, single values.

#include <cstdint>

#include "skin/definitions/SkinLoadLimits.h"
#include "skin/ini/QuickIni.h"
#include "skin/package/SkinPackageReader.h"
#include "tools/skintool/CheckResult.h"

namespace lanvero::skintool {

// `package` is the opened skin, `ini` its INI member; the load decodes
// within `limits`.
void CheckDefinitions(const TSkinReader& package, const TQuickIni& ini, const SkinLoadLimits& limits,
                      CheckResult& result);

}  // namespace lanvero::skintool
