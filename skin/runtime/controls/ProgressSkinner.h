#pragma once
// TSkinProgress: a progress bar from the skin, composed lying flat (a
// vertical bar is turned at the end, so it fills from the bottom) and
// copied once. Style 0 skins scale the second frame of the bar image to
// the filled length; style 1 skins lay the chunk image over the bar.

#include "skin/runtime/controls/SkinControl.h"

namespace lanvero {

class OffscreenBitmap;

class TSkinProgress : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  const wchar_t* KindName() const override { return L"TSkinProgress"; }
  bool BeforeProc(framework::TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rc) override;
  void DrawControl1(HDC dc, const RECT& rc);

 private:
  bool Vertical() const;
  void CopyTurned(const OffscreenBitmap& flat, HDC dc, const RECT& rc) const;
};

}  // namespace lanvero
