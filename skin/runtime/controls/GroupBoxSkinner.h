#pragma once
// TSkinGroupBox: a group box as a rounded frame in the scheme's line
// colour with its caption on the face colour. Group boxes of the framework
// are painted instead of the system's drawing (kind 1); raw ones are
// painted over after the system drew them (kind 0).

#include "skin/runtime/controls/SkinControl.h"

namespace lanvero {

class TSkinGroupBox : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  const wchar_t* KindName() const override { return L"TSkinGroupBox"; }
  void Init(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas, bool acolor) override;
  bool BeforeProc(framework::TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rc) override;

  int32_t border = 0;

 private:
  void DrawGroupFrame(HDC dc, const RECT& rc);
  void DrawGroupCaption(HDC dc, const RECT& rc);
  void CoverNativeFrame(HDC dc, RECT cover);
};

}  // namespace lanvero
