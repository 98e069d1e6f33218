#include "gallery/GallerySkins.h"

#include "gallery/SkinFileCheck.h"
#include "skin/definitions/SkinData.h"
#include "skin/package/SkinStore.h"

namespace lanvero::gallery {
namespace {

// A hostile package can hold hundreds of faults: the first few tell enough.
constexpr size_t kProblemsShown = 8;

}  // namespace

void GallerySkins::Choose(int index) {
  if (index < 0 || index >= store_.Store().Count()) {
    data_.SetActive(false);
    return;
  }
  data_.LoadFromCollection(store_, index);
  data_.SetActive(true);
}

std::vector<std::wstring> GallerySkins::LoadFile(const std::wstring& path) {
  std::vector<std::wstring> problems = SkinFileProblems(path);
  if (!problems.empty()) return problems;
  data_.LoadFromFile(path);
  data_.SetActive(true);
  return {};
}

std::wstring SkinFileMessage(const std::wstring& path, const std::vector<std::wstring>& problems) {
  std::wstring text = L"The skin package " + path + L" cannot be used:\n";
  for (size_t i = 0; i < problems.size() && i < kProblemsShown; ++i) text += L"\n- " + problems[i];
  if (problems.size() > kProblemsShown) {
    text += L"\n(and " + std::to_wstring(problems.size() - kProblemsShown) + L" more)";
  }
  text += L"\n\nThe gallery goes on with the skin it has.";
  return text;
}

}  // namespace lanvero::gallery
