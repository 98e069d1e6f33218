#pragma once
// TSkinTab31: tab sets, whose tabs hang below a line. Each tab the tab set
// lays out is drawn from the skin's tab frames turned upside down, the
// selected one in the focused frame; the scroller gets an up-down skinner
// with left and right arrows.

#include "skin/image/win/DibSection.h"
#include "skin/runtime/controls/SkinControl.h"

namespace lanvero {

class TSkinTab31 : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  const wchar_t* KindName() const override { return L"TSkinTab31"; }
  void Init(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas, bool acolor) override;
  // Rebuilds the upside-down tab strip from the skin.
  void inittab();
  void SkinChange() override;
  bool BeforeProc(framework::TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rc) override;

  DibSection tabbmp;

 private:
  void SkinScroller();
};

}  // namespace lanvero
