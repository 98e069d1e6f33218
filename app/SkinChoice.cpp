#include "app/SkinChoice.h"

#include "skin/definitions/SkinData.h"
#include "skin/filecheck/SkinFileUse.h"

namespace lanvero::app {

std::wstring WearChosenSkin(TSkinData& skin, const LanveroOptions& options) {
  if (!options.error.empty()) return options.error + L"\n\n" + kLanveroUsage;
  if (options.noSkin) {
    skin.SetActive(false);
    return L"";
  }
  if (options.skinFile.empty()) return L"";
  const SkinFileUse use = LoadUsableSkinFile(skin, options.skinFile);
  if (use.problems.empty()) return L"";
  return UnusableSkinMessage(options.skinFile, use.problems, L"Lanvero goes on with its own skin.");
}

}  // namespace lanvero::app
