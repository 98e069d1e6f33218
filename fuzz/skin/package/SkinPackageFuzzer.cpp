// Opens arbitrary bytes as a skin file and as an uncompressed package, and
// reads every member the way the skin engine and skintool check do.

#include "fuzz/skin/definitions/SkinFuzzInput.h"
#include "skin/package/SkinNotifier.h"
#include "skin/package/SkinPackageReader.h"
#include "tools/skintool/PackageCheck.h"

namespace {

void ReadEverything(const lanvero::TSkinReader& reader) {
  lanvero::ByteStream member;
  std::string iniName;
  reader.readIni(".ini", member, iniName);
  for (const std::string& name : reader.Dir) reader.readfile(name, member);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace lanvero;
  static const auto previous = SetSkinMessageNotifier([](const std::string&) {});
  (void)previous;
  const std::span<const uint8_t> input(data, size);
  TSkinReader reader;
  ByteStream skinFile(input);
  if (reader.Loadfromstream(skinFile)) ReadEverything(reader);
  // Most inputs do not decode to a package header; opened as an
  // uncompressed package, the raw bytes reach the package parser.
  if (reader.OpenPackage(input) == PackageStatus::Ok) ReadEverything(reader);
  skintool::CheckSkinPackage(input, fuzzing::kFuzzLoadLimits);
  return 0;
}
