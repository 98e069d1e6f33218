#include "skin/filecheck/SkinFileUse.h"

#include "skin/definitions/SkinData.h"
#include "skin/filecheck/SkinFileCheck.h"

namespace lanvero {
namespace {

// A hostile package can hold hundreds of faults: the first few tell enough.
constexpr size_t kProblemsShown = 8;

}  // namespace

SkinFileUse LoadUsableSkinFile(TSkinData& data, const std::wstring& path, SkinFaults faults) {
  SkinFileVerdict verdict = CheckSkinFileAt(path);
  const bool wear = verdict.problems.empty() || (faults == SkinFaults::WearAnyway && verdict.readable);
  if (wear) {
    data.LoadFromFile(path);
    data.SetActive(true);
  }
  return SkinFileUse{wear, std::move(verdict.problems)};
}

std::wstring UnusableSkinMessage(const std::wstring& path, const std::vector<std::wstring>& problems,
                                 const std::wstring& goesOn) {
  std::wstring text = L"The skin package " + path + L" cannot be used:\n";
  for (size_t i = 0; i < problems.size() && i < kProblemsShown; ++i) text += L"\n- " + problems[i];
  if (problems.size() > kProblemsShown) {
    text += L"\n(and " + std::to_wstring(problems.size() - kProblemsShown) + L" more)";
  }
  return text + L"\n\n" + goesOn;
}

}  // namespace lanvero
