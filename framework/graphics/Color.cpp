#include "framework/graphics/Color.h"

namespace lanvero::framework {

COLORREF ColorToRGB(TColor color) {
  const auto value = static_cast<uint32_t>(color);
  if ((value & 0xFF000000u) == 0xFF000000u) return GetSysColor(static_cast<int>(value & 0xFF));
  return value & 0x00FFFFFFu;
}

const IdentifierMap& ColorIdentifiers() {
  static const IdentifierMap map{{
      {"clBlack", clBlack},         {"clMaroon", clMaroon},
      {"clGreen", clGreen},         {"clOlive", clOlive},
      {"clNavy", clNavy},           {"clPurple", clPurple},
      {"clTeal", clTeal},           {"clGray", clGray},
      {"clSilver", clSilver},       {"clRed", clRed},
      {"clLime", clLime},           {"clYellow", clYellow},
      {"clBlue", clBlue},           {"clFuchsia", clFuchsia},
      {"clAqua", clAqua},           {"clWhite", clWhite},
      {"clNone", clNone},           {"clDefault", clDefault},
      {"clScrollBar", clScrollBar}, {"clBackground", clBackground},
      {"clWindow", clWindow},       {"clWindowText", clWindowText},
      {"clBtnFace", clBtnFace},     {"clBtnShadow", clBtnShadow},
      {"clBtnText", clBtnText},     {"clBtnHighlight", clBtnHighlight},
      {"clHighlight", clHighlight}, {"clHighlightText", clHighlightText},
      {"clGrayText", clGrayText},   {"clInfoBk", clInfoBk},
      {"clInfoText", clInfoText},   {"cl3DDkShadow", cl3DDkShadow},
      {"cl3DLight", cl3DLight},     {"clMenu", clMenu},
      {"clMenuText", clMenuText},
  }};
  return map;
}

const IdentifierMap& CharsetIdentifiers() {
  static const IdentifierMap map{{
      {"ANSI_CHARSET", ANSI_CHARSET},
      {"DEFAULT_CHARSET", DEFAULT_CHARSET},
      {"SYMBOL_CHARSET", SYMBOL_CHARSET},
      {"GB2312_CHARSET", GB2312_CHARSET},
      {"CHINESEBIG5_CHARSET", CHINESEBIG5_CHARSET},
      {"SHIFTJIS_CHARSET", SHIFTJIS_CHARSET},
      {"HANGEUL_CHARSET", HANGEUL_CHARSET},
      {"OEM_CHARSET", OEM_CHARSET},
      {"ARABIC_CHARSET", ARABIC_CHARSET},
      {"HEBREW_CHARSET", HEBREW_CHARSET},
      {"RUSSIAN_CHARSET", RUSSIAN_CHARSET},
      {"EASTEUROPE_CHARSET", EASTEUROPE_CHARSET},
  }};
  return map;
}

}  // namespace lanvero::framework
