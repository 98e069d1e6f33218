// Decodes arbitrary bytes as a bitmap file; a decoded picture must have the
// size its header claims and re-encode to a file that decodes the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "framework/graphics/BmpCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lanvero::framework;
  auto image = DecodeBmp(data, size);
  if (!image) return 0;
  if (image->bgr.size() != static_cast<size_t>(image->width) * static_cast<size_t>(image->height) * 3) std::abort();
  const auto file = EncodeBmp(*image);
  auto again = DecodeBmp(file.data(), file.size());
  if (!again || again->bgr != image->bgr) std::abort();
  return 0;
}
