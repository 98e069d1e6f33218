#include <cstdlib>

#include "tools/lanvero-cli/Console.h"

namespace lanvero::cli {

std::vector<std::string> Utf8Arguments(int argc, char** argv) { return {argv + 1, argv + argc}; }

std::optional<std::string> EnvironmentUtf8(const char* name) {
  const char* value = std::getenv(name);
  if (!value) return std::nullopt;
  return std::string(value);
}

void UseBinaryOutput() {}

}  // namespace lanvero::cli
