#include "skin/definitions/SkinDefinitions.h"

#include "skin/codec/ByteStream.h"
#include "skin/definitions/SectionTable.h"
#include "skin/ini/QuickIni.h"
#include "skin/package/SkinPackageReader.h"

namespace lanvero {

SkinDefinitions::SkinDefinitions()
    : Title(std::make_unique<TDataSkinTitle>("Title")), Button(std::make_unique<TDataSkinButton>("Buttons")) {
  for (std::size_t edge = 0; edge < border.size(); ++edge) {
    border[edge] = std::make_unique<TDataSkinBorder>(kEdgeNames[edge]);
  }
}

std::vector<TDataSkinObject*> SkinDefinitions::AllDefinitions() const {
  std::vector<TDataSkinObject*> all;
  for (const auto& edge : border) all.push_back(edge.get());
  all.push_back(Title.get());
  all.push_back(Button.get());
  for (const auto& button : SysBtn) all.push_back(button.get());
  for (const SectionRow& row : SectionTable()) {
    if (TDataSkinObject* object = SlotObject(*this, row)) all.push_back(object);
  }
  for (TDataSkinObject* composed : {comboxarrow.get(), Toolbar.get()}) {
    if (composed) all.push_back(composed);
  }
  return all;
}

bool ParseSkinPackage(std::span<const uint8_t> skinFile, SkinDefinitions& definitions, SkinReadObserver* observer,
                      const SkinLoadLimits& limits) {
  TSkinReader package;
  ByteStream source(skinFile);
  if (!package.Loadfromstream(source)) return false;
  BuildSkinDefinitions(package, definitions, observer, limits);
  return true;
}

void BuildSkinDefinitions(const TSkinReader& package, SkinDefinitions& definitions, SkinReadObserver* observer,
                          const SkinLoadLimits& limits) {
  ByteStream iniMember;
  std::string iniName;
  package.readIni(".ini", iniMember, iniName);
  iniMember.Rewind();
  TQuickIni ini;
  ini.LoadFromStream(&iniMember);
  SkinDefinitionReader in(package, ini, observer, limits);
  ReadSkinDefinitions(in, definitions);
  // The skinners blit from these at every paint: make the GDI copies once.
  for (TDataSkinObject* definition : definitions.AllDefinitions()) definition->RealizeBitmaps();
}

}  // namespace lanvero
