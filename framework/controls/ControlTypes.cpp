#include "framework/controls/ControlTypes.h"

namespace lanvero::framework {

const EnumInfo& AlignEnum() {
  static const EnumInfo info{"TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"}};
  return info;
}

const EnumInfo& BiDiModeEnum() {
  static const EnumInfo info{"TBiDiMode",
                             {"bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"}};
  return info;
}

const EnumInfo& AlignmentEnum() {
  static const EnumInfo info{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};
  return info;
}

const EnumInfo& BorderStyleEnum() {
  static const EnumInfo info{"TBorderStyle", {"bsNone", "bsSingle"}};
  return info;
}

const EnumInfo& BevelKindEnum() {
  static const EnumInfo info{"TBevelKind", {"bkNone", "bkTile", "bkSoft", "bkFlat"}};
  return info;
}

const EnumInfo& ScrollStyleEnum() {
  static const EnumInfo info{"TScrollStyle", {"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}};
  return info;
}

const IdentifierMap& CursorIdentifiers() {
  static const IdentifierMap map{{
      {"crDefault", crDefault},
      {"crNone", crNone},
      {"crArrow", crArrow},
      {"crCross", crCross},
      {"crIBeam", crIBeam},
      {"crSizeNESW", crSizeNESW},
      {"crSizeNS", crSizeNS},
      {"crSizeNWSE", crSizeNWSE},
      {"crSizeWE", crSizeWE},
      {"crUpArrow", crUpArrow},
      {"crHourGlass", crHourGlass},
      {"crNo", crNo},
      {"crAppStart", crAppStart},
      {"crHelp", crHelp},
      {"crHandPoint", crHandPoint},
      {"crSizeAll", crSizeAll},
  }};
  return map;
}

}  // namespace lanvero::framework
