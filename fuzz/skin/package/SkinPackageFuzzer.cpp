// Opens arbitrary bytes as a skin file and as an uncompressed package, and
// reads every member the way the skin engine and skintool check do.

#include "skin/codec/LzhCodec.h"
#include "skin/package/SkinNotifier.h"
#include "skin/package/SkinPackageReader.h"
#include "tools/skintool/PackageCheck.h"

namespace {

void ReadEverything(lanvero::TSkinReader& reader, lanvero::ByteStream skinFile) {
  if (!reader.Loadfromstream(skinFile)) return;
  lanvero::ByteStream member;
  std::string iniName;
  reader.readIni(".ini", member, iniName);
  for (const std::string& name : reader.Dir) reader.readfile(name, member);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const auto previous = lanvero::SetSkinMessageNotifier([](const std::string&) {});
  (void)previous;
  const std::span<const uint8_t> input(data, size);
  lanvero::TSkinReader reader;
  ReadEverything(reader, lanvero::ByteStream(input));
  // Most inputs do not decode to a package header; packing them makes the
  // package parser see the raw bytes.
  const std::vector<uint8_t> asPackage = lanvero::PackWithSize(input);
  ReadEverything(reader, lanvero::ByteStream(asPackage));
  lanvero::skintool::CheckSkinFile(asPackage);
  return 0;
}
