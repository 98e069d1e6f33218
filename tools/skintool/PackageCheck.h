#pragma once
// `skintool check`: reads a skin package the way the skin engine does and
// reports every finding. The package itself: one the engine refuses,
// members cut short, no INI member or an empty one; then everything the
// engine's definition model reads from it (DefinitionCheck.h).

#include <cstdint>
#include <span>

#include "tools/skintool/CheckResult.h"

namespace lanvero::skintool {

CheckResult CheckSkinFile(std::span<const uint8_t> skinFile);

}  // namespace lanvero::skintool
