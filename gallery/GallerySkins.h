// The skins the gallery offers and the switch between them: the skins of
// the form's skin store by index, a skin package file, or none at all (the
// component goes inactive and the engine gives every window back).
#pragma once

#include <string>
#include <vector>

#include "skin/filecheck/SkinFileUse.h"

namespace lanvero {
class TSkinData;
class TSkinStore;
}  // namespace lanvero

namespace lanvero::gallery {

class GallerySkins {
 public:
  GallerySkins(TSkinData& data, const TSkinStore& store) : data_(data), store_(store) {}

  // Skin `index` of the store; any other index switches skinning off.
  void Choose(int index);
  // Loads the package file when the engine can use it; otherwise keeps the
  // skin in use (unless `faults` says to wear it anyway) and gives the reasons.
  SkinFileUse LoadFile(const std::wstring& path, SkinFaults faults);

 private:
  TSkinData& data_;
  const TSkinStore& store_;
};

// What a person reads when a package file cannot be used, whether the
// gallery goes on with its skin or wears the package anyway.
std::wstring SkinFileMessage(const std::wstring& path, const SkinFileUse& use);

}  // namespace lanvero::gallery
