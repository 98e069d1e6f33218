#include "tools/skintool/DefsCommand.h"

#include <ostream>

#include "skin/definitions/DefinitionDump.h"
#include "skin/definitions/SkinData.h"
#include "tools/skintool/SkinToolCommands.h"

namespace lanvero::skintool {

void PrintDefinitions(const std::filesystem::path& skinFile, std::ostream& out) {
  if (!std::filesystem::is_regular_file(skinFile)) throw ToolError(skinFile.string() + ": no such file");
  TSkinData skin(nullptr);
  skin.LoadFromFile(skinFile.wstring());
  if (skin.Empty) throw ToolError(skinFile.string() + ": the skin package was refused");
  DumpSkinDefinitions(skin, out);
}

}  // namespace lanvero::skintool
