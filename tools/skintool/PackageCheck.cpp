#include "tools/skintool/PackageCheck.h"

#include <string>

#include "skin/codec/ByteStream.h"
#include "skin/ini/QuickIni.h"
#include "skin/package/SkinPackageReader.h"
#include "tools/skintool/DefinitionCheck.h"

namespace lanvero::skintool {

namespace {

void CheckMemberSizes(const TSkinReader& reader, CheckResult& result) {
  for (int i = 0; i < reader.Num; ++i) {
    const int32_t declared = reader.sizes[static_cast<std::size_t>(i)];
    const std::size_t present = reader.MemberBytes(i).size();
    if (declared < 0 || present < static_cast<std::size_t>(declared)) {
      result.Error("member " + reader.Dir[static_cast<std::size_t>(i)] + " is cut short: size " +
                   std::to_string(declared) + ", " + std::to_string(present) + " bytes present");
    }
  }
}

// Everything after opening: `status` is what opening the package gave.
CheckResult CheckOpened(const TSkinReader& reader, PackageStatus status, const SkinLoadLimits& limits) {
  CheckResult result;
  if (status != PackageStatus::Ok) {
    std::string problem = "the engine refuses the package: ";
    problem += DescribePackageStatus(status);
    if (status == PackageStatus::UnknownVersion) problem.append(" ").append(std::to_string(reader.header.Version));
    result.Error(problem);
    return result;
  }
  CheckMemberSizes(reader, result);
  ByteStream iniBytes;
  std::string iniName;
  reader.readIni(".ini", iniBytes, iniName);
  if (iniName.empty()) {
    result.Error("the package has no member whose name contains \".ini\"; the engine skins nothing with it");
    return result;
  }
  TQuickIni ini;
  ini.LoadFromStream(&iniBytes);
  if (ini.Lines().empty()) {
    result.Error("the INI member " + iniName + " holds no settings; the engine skins nothing with it");
    return result;
  }
  CheckDefinitions(reader, ini, limits, result);
  return result;
}

}  // namespace

CheckResult CheckSkinFile(std::span<const uint8_t> skinFile, const SkinLoadLimits& limits) {
  TSkinReader reader;
  const PackageStatus status = reader.Open(skinFile);
  return CheckOpened(reader, status, limits);
}

CheckResult CheckSkinPackage(std::span<const uint8_t> package, const SkinLoadLimits& limits) {
  TSkinReader reader;
  const PackageStatus status = reader.OpenPackage(package);
  return CheckOpened(reader, status, limits);
}

}  // namespace lanvero::skintool
