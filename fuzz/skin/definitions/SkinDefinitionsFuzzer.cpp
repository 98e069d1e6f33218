// Builds every skin definition from arbitrary INI text over tiny bitmaps,
// and from one arbitrary bitmap that every section names: sections, keys,
// numbers, colours, frame counts and margins as the loader reads them.
// SkinFuzzInput.h tells how the input becomes a package.

#include <cstdint>
#include <span>

#include "fuzz/skin/definitions/SkinFuzzInput.h"
#include "skin/definitions/SkinDefinitions.h"
#include "skin/package/SkinNotifier.h"
#include "skin/package/SkinPackageReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lanvero;
  static const auto previous = SetSkinMessageNotifier([](const std::string&) {});
  (void)previous;
  if (size == 0) return 0;
  TSkinReader package;
  // A package built here is never refused.
  if (package.OpenPackage(fuzzing::PackageFromDefinitionInput(std::span<const uint8_t>(data, size))) !=
      PackageStatus::Ok) {
    __builtin_trap();
  }
  SkinDefinitions definitions;
  BuildSkinDefinitions(package, definitions, nullptr, fuzzing::kFuzzLoadLimits);
  return 0;
}
