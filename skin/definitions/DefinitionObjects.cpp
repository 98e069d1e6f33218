#include "skin/definitions/DefinitionObjects.h"

namespace lanvero {

void TDataSkinBorder::RealizeBitmaps() {
  TDataSkinObject::RealizeBitmaps();
  MaskMap.Realize();
}

void TDataSkinButton::RealizeBitmaps() {
  TDataSkinObject::RealizeBitmaps();
  CheckMap.Realize();
  RadioMap.Realize();
}

}  // namespace lanvero
