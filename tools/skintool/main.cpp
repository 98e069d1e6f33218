// skintool: builds, unpacks, lists and checks skin files.

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "skin/codec/ByteStream.h"
#include "skin/ini/AnsiText.h"
#include "tools/skintool/DefsCommand.h"
#include "tools/skintool/PackageCheck.h"
#include "tools/skintool/SkinToolCommands.h"

namespace {

using namespace lanvero;
using namespace lanvero::skintool;

constexpr int kExitProblems = 1;
constexpr int kExitUsage = 2;

const char* const kHelp =
    "usage: skintool COMMAND ...\n"
    "\n"
    "  pack DIR -o FILE [--version N]  build a skin file from the .ini and .bmp files of DIR\n"
    "                                  (exactly one .ini; N is a package version, default 70000)\n"
    "  unpack FILE -o DIR              write every member of a skin file into DIR\n"
    "  list FILE                       show version, members, member sizes and package size\n"
    "  ini FILE                        print the INI member\n"
    "  check FILE [--quiet]            read the skin as the engine does and report every finding:\n"
    "                                  errors (the engine refuses the skin or a part of it) and\n"
    "                                  warnings (it draws, but not what the author meant); exit\n"
    "                                  status 1 with errors, 3 with warnings only, 0 when clean;\n"
    "                                  --quiet prints only the summary line\n"
    "  defs FILE                       print every skin definition as the engine builds it\n"
    "  help                            show this text\n";

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Arguments {
  std::string command;
  std::vector<std::string> inputs;
  std::optional<std::string> output;
  int32_t version = skinformat::kDefaultVersion;
  bool quiet = false;
};

int32_t ParseVersion(const std::string& text) {
  const auto value = ParseInt32(text);
  if (!value || !skinformat::ReservedBlockSize(*value)) {
    throw UsageError("--version takes one of 20000, 30000, 40000, 50000, 60000, 70000, not \"" + text + "\"");
  }
  return *value;
}

Arguments ParseArguments(int argc, char** argv) {
  if (argc < 2) throw UsageError("no command given");
  Arguments args;
  args.command = argv[1];
  for (int i = 2; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool takesValue = arg == "-o" || arg == "--output" || arg == "--version";
    if (takesValue && i + 1 >= argc) throw UsageError(arg + " needs a value");
    if (arg == "-o" || arg == "--output") {
      args.output = argv[++i];
    } else if (arg == "--version") {
      args.version = ParseVersion(argv[++i]);
    } else if (arg == "--quiet" || arg == "-q") {
      args.quiet = true;
    } else if (arg.size() > 1 && arg[0] == '-') {
      throw UsageError("unknown option " + arg);
    } else {
      args.inputs.push_back(arg);
    }
  }
  return args;
}

const std::string& OneInput(const Arguments& args) {
  if (args.inputs.size() != 1) throw UsageError(args.command + " takes exactly one input");
  return args.inputs.front();
}

const std::string& RequiredOutput(const Arguments& args) {
  if (!args.output) throw UsageError(args.command + " needs -o");
  return *args.output;
}

int RunCheck(const std::string& skinFile, bool quiet) {
  const CheckResult result = CheckSkinFile(ReadFileBytes(skinFile));
  if (!quiet) {
    for (const Finding& finding : result.Findings()) {
      std::cout << skinFile << (finding.severity == Severity::Error ? ": error: " : ": warning: ") << finding.text
                << "\n";
    }
  }
  std::cout << skinFile << ": " << CheckSummary(result) << "\n";
  return CheckExitStatus(result);
}

int Run(const Arguments& args) {
  if (args.quiet && args.command != "check") throw UsageError("--quiet belongs to check");
  if (args.command == "help" || args.command == "-h" || args.command == "--help") {
    std::cout << kHelp;
    return EXIT_SUCCESS;
  }
  if (args.command == "pack") {
    PackFolder(OneInput(args), RequiredOutput(args), args.version, std::cerr);
  } else if (args.command == "unpack") {
    const int written = UnpackSkin(OneInput(args), RequiredOutput(args), std::cerr);
    std::cout << written << " members written to " << *args.output << "\n";
  } else if (args.command == "list") {
    ListSkin(OneInput(args), std::cout);
  } else if (args.command == "ini") {
    PrintIni(OneInput(args), std::cout);
  } else if (args.command == "defs") {
    PrintDefinitions(OneInput(args), std::cout);
  } else if (args.command == "check") {
    return RunCheck(OneInput(args), args.quiet);
  } else {
    throw UsageError("unknown command \"" + args.command + "\"");
  }
  return EXIT_SUCCESS;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(ParseArguments(argc, argv));
  } catch (const UsageError& error) {
    std::cerr << "skintool: " << error.what() << "\n\n" << kHelp;
    return kExitUsage;
  } catch (const std::exception& error) {
    std::cerr << "skintool: error: " << error.what() << "\n";
    return kExitProblems;
  }
}
