// Loads skin files and packages made from arbitrary bytes into a skin
// component: package reader, LZH unpacking and every definition built from
// what they give. SkinFuzzInput.h tells how the input becomes a skin file.

#include <cstdint>
#include <span>

#include "fuzz/skin/definitions/SkinFuzzInput.h"
#include "skin/definitions/SkinData.h"
#include "skin/package/SkinNotifier.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lanvero;
  static const auto previous = SetSkinMessageNotifier([](const std::string&) {});
  (void)previous;
  if (size == 0) return 0;
  ByteStream skinFile(fuzzing::SkinFileFromPackageInput(std::span<const uint8_t>(data, size)));
  TSkinData skin(nullptr);
  skin.LoadFromStream(skinFile, fuzzing::kFuzzLoadLimits);
  return 0;
}
