#pragma once
// TSkinTrackBar: the track bar paints itself; the skinner answers its
// custom-draw notifications and draws the channel and the thumb from the
// skin (the control never draws those two itself).

#include <windows.h>
#include <commctrl.h>

#include "skin/runtime/controls/SkinControl.h"

namespace lanvero {

class TSkinTrackBar : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  const wchar_t* KindName() const override { return L"TSkinTrackBar"; }
  bool BeforeProc(framework::TMessage& message) override;

 private:
  LRESULT CustomDraw(const NMCUSTOMDRAW& draw);
  void DrawChannel(HDC dc);
  void DrawThumb(HDC dc);
  bool Vertical() const;
};

}  // namespace lanvero
