#include "tests/tools/skintool/RunSkintool.h"

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace lanvero::testing {

ToolRun RunSkintool(const std::string& arguments) {
  ToolRun run;
  const char* binaryDir = std::getenv("LANVERO_BINARY_DIR");
  if (binaryDir == nullptr) return run;
  const std::string command = std::string(binaryDir) + "/tools/skintool/skintool " + arguments + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  std::array<char, 4096> buffer{};
  while (std::fgets(buffer.data(), static_cast<int>(buffer.size()), pipe) != nullptr) run.output += buffer.data();
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

}  // namespace lanvero::testing
