#include "skin/filecheck/SkinFileCheck.h"

#include <filesystem>

#include "skin/codec/ByteStream.h"
#include "tools/skintool/PackageCheck.h"

namespace lanvero {
namespace {

// Finding texts quote the skin's own bytes: each byte stands for itself.
std::wstring Wide(const std::string& text) {
  std::wstring wide;
  wide.reserve(text.size());
  for (unsigned char c : text) wide.push_back(static_cast<wchar_t>(c));
  return wide;
}

}  // namespace

std::vector<std::wstring> SkinPackageProblems(std::span<const uint8_t> package) {
  std::vector<std::wstring> problems;
  const skintool::CheckResult result = skintool::CheckSkinFile(package);
  for (const skintool::Finding& finding : result.Findings()) {
    if (finding.severity == skintool::Severity::Error) problems.push_back(Wide(finding.text));
  }
  return problems;
}

SkinFileVerdict CheckSkinFileAt(const std::wstring& path) {
  const auto unreadable = [](std::wstring reason) { return SkinFileVerdict{false, {std::move(reason)}}; };
  std::error_code error;
  const std::filesystem::path file(path);
  if (!std::filesystem::is_regular_file(file, error)) return unreadable(L"there is no such file");
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error) return unreadable(L"its size cannot be read");
  if (size > kLargestSkinFile) {
    return unreadable(L"it is far too large to be a skin package (" + std::to_wstring(size) + L" bytes)");
  }
  try {
    return SkinFileVerdict{true, SkinPackageProblems(ReadFileBytes(file))};
  } catch (const std::exception& failure) {
    return unreadable(L"it cannot be read: " + Wide(failure.what()));
  }
}

}  // namespace lanvero
