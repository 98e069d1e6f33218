#pragma once
// skintool defs: every definition of a skin exactly as the engine's skin
// component builds it.

#include <filesystem>
#include <iosfwd>

namespace lanvero::skintool {

// Loads the skin file through TSkinData and prints its definitions; raises
// ToolError when the package is refused.
void PrintDefinitions(const std::filesystem::path& skinFile, std::ostream& out);

}  // namespace lanvero::skintool
