// The words a program was started with, split the way the shell splits
// them (quotes group words with spaces).
#pragma once

#include <string>
#include <vector>

namespace lanvero::framework {

// Every word of the command line after the program's name.
std::vector<std::wstring> CommandLineArguments();

}  // namespace lanvero::framework
