#pragma once
// Loads a skin through the engine's own definition model, listening to
// what it reads and decides, and turns that into findings: images, the
// window frame's edges, frame counts and margins, single values.

#include <cstdint>
#include <span>

#include "skin/ini/QuickIni.h"
#include "skin/package/SkinPackageReader.h"
#include "tools/skintool/CheckResult.h"

namespace lanvero::skintool {

// `package` is the opened `skinFile`, `ini` its INI member.
void CheckDefinitions(std::span<const uint8_t> skinFile, const TSkinReader& package, const TQuickIni& ini,
                      CheckResult& result);

}  // namespace lanvero::skintool
