#include "gallery/GallerySkins.h"

#include "skin/definitions/SkinData.h"
#include "skin/filecheck/SkinFileUse.h"
#include "skin/package/SkinStore.h"

namespace lanvero::gallery {

void GallerySkins::Choose(int index) {
  if (index < 0 || index >= store_.Store().Count()) {
    data_.SetActive(false);
    return;
  }
  data_.LoadFromCollection(store_, index);
  data_.SetActive(true);
}

SkinFileUse GallerySkins::LoadFile(const std::wstring& path, SkinFaults faults) {
  return LoadUsableSkinFile(data_, path, faults);
}

std::wstring SkinFileMessage(const std::wstring& path, const SkinFileUse& use) {
  return UnusableSkinMessage(path, use.problems,
                             use.worn ? L"The gallery wears it anyway: the engine leaves out what it refuses."
                                      : L"The gallery goes on with the skin it has.");
}

}  // namespace lanvero::gallery
