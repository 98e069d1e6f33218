#pragma once
// `skintool check`: reads a skin package the way the skin engine does and
// reports every finding. The package itself: one the engine refuses,
// members cut short, no INI member or an empty one; then everything the
// engine's definition model reads from it (DefinitionCheck.h).

#include <cstdint>
#include <span>

#include "skin/definitions/SkinLoadLimits.h"
#include "tools/skintool/CheckResult.h"

namespace lanvero::skintool {

// `limits` bound what the definition load decodes, as for the engine.
CheckResult CheckSkinFile(std::span<const uint8_t> skinFile, const SkinLoadLimits& limits = {});
// The same for a package that is not compressed (TSkinReader::OpenPackage).
CheckResult CheckSkinPackage(std::span<const uint8_t> package, const SkinLoadLimits& limits = {});

}  // namespace lanvero::skintool
