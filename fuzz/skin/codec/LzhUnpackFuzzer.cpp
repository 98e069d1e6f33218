// Decodes arbitrary size-prefixed LZH data, and checks that packing the
// input and unpacking it again returns it unchanged.

#include <cstdlib>

#include "skin/codec/LzhCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> input(data, size);
  const std::vector<uint8_t> text = lanvero::UnpackWithSize(input);
  const int32_t declared = size >= 4 ? lanvero::LoadLE32(input) : 0;
  if (text.size() > static_cast<size_t>(declared > 0 ? declared : 0)) std::abort();

  if (lanvero::UnpackWithSize(lanvero::PackWithSize(input)) != std::vector<uint8_t>(data, data + size)) std::abort();
  return 0;
}
