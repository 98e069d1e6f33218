#include "tools/skintool/PackageCheck.h"

#include <array>

#include "skin/ini/AnsiText.h"
#include "skin/ini/QuickIni.h"
#include "skin/package/SkinPackageReader.h"
#include "tools/skintool/BitmapCheck.h"

namespace lanvero::skintool {

namespace {

// Extensions that make an INI value look like an image name.
constexpr std::array<std::string_view, 7> kImageExtensions = {".bmp", ".png", ".jpg", ".jpeg", ".gif", ".ico", ".tga"};

// The engine drops any folder part of an image name.
std::string_view FileNamePart(std::string_view value) {
  const std::size_t separator = value.find_last_of("\\/");
  return separator == std::string_view::npos ? value : value.substr(separator + 1);
}

std::string_view ExtensionOf(std::string_view name) {
  const std::size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string_view{} : name.substr(dot);
}

bool LooksLikeImage(std::string_view extension) {
  const std::string lower = AsciiLower(extension);
  for (std::string_view known : kImageExtensions) {
    if (lower == known) return true;
  }
  return false;
}

void CheckMemberSizes(const TSkinReader& reader, CheckResult& result) {
  for (int i = 0; i < reader.Num; ++i) {
    const int32_t declared = reader.sizes[static_cast<std::size_t>(i)];
    const std::size_t present = reader.MemberBytes(i).size();
    if (declared < 0 || present < static_cast<std::size_t>(declared)) {
      result.problems.push_back("member " + reader.Dir[static_cast<std::size_t>(i)] + " is cut short: size " +
                                std::to_string(declared) + ", " + std::to_string(present) + " bytes present");
    }
  }
}

void CheckImage(const TSkinReader& reader, const std::string& where, std::string_view value, CheckResult& result) {
  const std::string_view name = FileNamePart(value);
  const std::string_view extension = ExtensionOf(name);
  if (!LooksLikeImage(extension)) return;
  ++result.imagesChecked;
  if (extension != ".bmp") {
    result.problems.push_back(where + ": only names ending in \".bmp\" (lower case) are loaded as images");
    return;
  }
  ByteStream member;
  reader.readfile(name, member);
  if (member.Size() == 0) {
    result.problems.push_back(where + ": image member \"" + std::string(name) + "\" is missing");
    return;
  }
  if (auto problem = BitmapProblem(member.Bytes())) {
    result.problems.push_back(where + ": member \"" + std::string(name) + "\" is not a readable bitmap: " + *problem);
  }
}

void CheckIniImages(const TSkinReader& reader, const TQuickIni& ini, CheckResult& result) {
  std::string section;
  for (const std::string& line : ini.Lines()) {
    if (!line.empty() && line.front() == '[' && line.back() == ']') {
      section = line;
      continue;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string_view value = TrimControl(std::string_view(line).substr(equals + 1));
    CheckImage(reader, section + " " + line, value, result);
  }
}

}  // namespace

CheckResult CheckSkinFile(std::span<const uint8_t> skinFile) {
  CheckResult result;
  TSkinReader reader;
  const PackageStatus status = reader.Open(skinFile);
  if (status != PackageStatus::Ok) {
    std::string problem = "the engine refuses the package: ";
    problem += DescribePackageStatus(status);
    if (status == PackageStatus::UnknownVersion) problem.append(" ").append(std::to_string(reader.header.Version));
    result.problems.push_back(problem);
    return result;
  }
  CheckMemberSizes(reader, result);
  ByteStream iniBytes;
  std::string iniName;
  reader.readIni(".ini", iniBytes, iniName);
  if (iniName.empty()) {
    result.problems.push_back("the package has no member whose name contains \".ini\"");
    return result;
  }
  TQuickIni ini;
  ini.LoadFromStream(&iniBytes);
  CheckIniImages(reader, ini, result);
  return result;
}

}  // namespace lanvero::skintool
