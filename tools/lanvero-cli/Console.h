// The few things lanvero-cli does differently on Windows: where its
// arguments come from and how its output bytes reach standard output.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace lanvero::cli {

// The program's arguments (without the program name) as UTF-8. On
// Windows they are read as UTF-16 from the command line, so a keyword
// typed in any console code page arrives intact.
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// The value of an environment variable as UTF-8, if set.
std::optional<std::string> EnvironmentUtf8(const char* name);

// Puts standard output into binary mode: the tool writes UTF-8 bytes and
// its own line ends, untranslated, on every platform.
void UseBinaryOutput();

}  // namespace lanvero::cli
