// Checks arbitrary skins as `skintool check` does: the definition model
// with its observer, and every finding's reading of frame counts, margins,
// numbers and colour texts. SkinFuzzInput.h tells how the input becomes a
// skin; the definition shapes reach the value checks.

#include <cstdint>
#include <span>

#include "fuzz/skin/definitions/SkinFuzzInput.h"
#include "skin/package/SkinNotifier.h"
#include "tools/skintool/PackageCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lanvero;
  static const auto previous = SetSkinMessageNotifier([](const std::string&) {});
  (void)previous;
  const fuzzing::FuzzSkin skin = fuzzing::SkinFromFuzzInput(std::span<const uint8_t>(data, size));
  const skintool::CheckResult result = skin.isSkinFile
                                           ? skintool::CheckSkinFile(skin.bytes, fuzzing::kFuzzLoadLimits)
                                           : skintool::CheckSkinPackage(skin.bytes, fuzzing::kFuzzLoadLimits);
  // Every finding names what it is about.
  for (const skintool::Finding& finding : result.Findings()) {
    if (finding.text.empty()) __builtin_trap();
  }
  return 0;
}
