#pragma once
// TSkinStatusBar: a status bar with its panels (or its simple text) on the
// skin's status bar faces and the size grip from the skin's extra images,
// composed in the shared scratch bitmap and copied once.

#include <string>

#include "skin/runtime/controls/SkinControl.h"

namespace lanvero {

class TSkinStatusBar : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  const wchar_t* KindName() const override { return L"TSkinStatusBar"; }
  bool BeforeProc(framework::TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rc) override;

  bool SizeGrip = false;

  // Panel faces: frame of the skin's three-frame image, or a 3D bevel.
  enum Bevel : int { kLowered = 1, kRaised = 2, kNoBevel = 3 };

 private:
  void DrawSimpleText(HDC dc, const RECT& rc);
  void DrawPanels(HDC dc, const RECT& rc);
  void DrawPanelFace(HDC dc, const RECT& r, int bevel);
  void DrawPanelText(HDC dc, RECT r, std::wstring text, UINT alignment);
  void DrawSizeGrip(HDC dc, const RECT& rc);
};

// The 3D frame of a status panel without skin image: shadow at top and
// left and highlight at bottom and right when lowered, the reverse when
// raised, nothing without bevel.
void DrawPanelBevel(HDC dc, const RECT& r, int bevel);

}  // namespace lanvero
