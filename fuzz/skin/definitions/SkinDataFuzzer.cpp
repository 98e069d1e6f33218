// Loads arbitrary bytes through the whole definition pipeline of the skin
// component; SkinFuzzInput.h tells how the input becomes a skin file.

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
  ByteStream skinFile(fuzzing::SkinFileFromFuzzInput(std::span<const uint8_t>(data, size)));
  TSkinData skin(nullptr);
  skin.LoadFromStream(skinFile);
  return 0;
}
