#pragma once
// Runs the built skintool of the tree under test.

#include <string>

namespace lanvero::testing {

struct ToolRun {
  int status = -1;     // exit status; -1 when the tool could not be run
  std::string output;  // what it wrote to standard output
};

// `arguments` as a shell would split them; standard error is dropped.
ToolRun RunSkintool(const std::string& arguments);

}  // namespace lanvero::testing
