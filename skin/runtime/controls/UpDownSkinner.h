#pragma once
// TSkinUpDown: an up-down control (its own, or one inside an edit or a
// date picker) painted entirely from the skin's spin images: two arrow
// buttons side by side or stacked, the one under the mouse pressed while
// the control's own procedure repeats and captures as usual.

#include "skin/runtime/controls/SkinControl.h"

namespace lanvero {

// Arrow directions of the two halves.
enum SpinArrow : int { kSpinUp = 0, kSpinDown = 1, kSpinLeft = 2, kSpinRight = 3 };

// A small arrow of pen lines around (x, y) in the pen selected into `dc`.
void DrawArrowMark(HDC dc, int x, int y, int type);

class TSkinUpDown : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  const wchar_t* KindName() const override { return L"TSkinUpDown"; }
  bool BeforeProc(framework::TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rc) override;

  bool inedit = false;  // sits inside an edit box: keeps clear of its border
  int32_t dir = 0;      // 1 forces left and right arrows

 private:
  RECT KeepInsideEdit(const RECT& rc) const;
  bool Horizontal() const;
  int HalfFrame(const RECT& half, POINT cursor) const;
  void DrawSpinSkin(HDC dc, const RECT& r, int type, int frame) const;
  void DrawSpinPlain(HDC dc, const RECT& r, int type, int frame) const;
};

}  // namespace lanvero
