// Parses arbitrary text as a stored layout. Whatever parses must write back
// to text that parses to the same tree.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "framework/layout/LayoutError.h"
#include "framework/layout/LayoutParser.h"
#include "framework/layout/LayoutWriter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lanvero::framework;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  LayoutObject tree;
  try {
    tree = ParseLayout(text);
  } catch (const LayoutError&) {
    return 0;
  }
  if (!(ParseLayout(WriteLayout(tree)) == tree)) std::abort();
  return 0;
}
