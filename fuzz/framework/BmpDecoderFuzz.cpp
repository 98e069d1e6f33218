// Bitmap members come from skin files: any byte string must decode to an
// image or to nothing, without reading outside the input. A decoded image
// must survive being written and read again unchanged.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "framework/graphics/BmpDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Run-length files can describe large images in a few bytes; a lower
  // cap keeps the fuzzer fast without leaving any code path out.
  constexpr int64_t kCap = int64_t{1} << 18;
  const lanvero::PixelImage image = lanvero::DecodeBmp(std::span(data, size), kCap);
  if (image.IsEmpty()) return 0;
  if (int64_t{image.Width()} * image.Height() > kCap) std::abort();
  if (lanvero::DecodeBmp(lanvero::EncodeBmp24(image)) != image) std::abort();
  return 0;
}
