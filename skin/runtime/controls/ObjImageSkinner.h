#pragma once
// TSkinObjImage: check and radio controls of other component sets that
// take custom glyph bitmaps. The skinner builds a glyph strip from the
// skin's check or radio marks and hands it to the control's properties; it
// never hooks the control's messages.

#include "skin/runtime/controls/SkinControl.h"

namespace lanvero {

class TSkinObjImage : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  const wchar_t* KindName() const override { return L"TSkinObjImage"; }
  void Init(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas, bool acolor) override;
  void SkinChange() override;
  void Unsubclass() override;

  // kind: which glyph properties the control has.
  static constexpr int kCustomCheckGlyphs = 1;
  static constexpr int kCustomRadioGlyphs = 2;
  static constexpr int kPropertiesGlyph = 3;

 private:
  void ApplyGlyphs();
};

}  // namespace lanvero
