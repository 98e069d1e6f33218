#pragma once
// The other skinners of page controls: one page (TSkinTabSheet), page
// controls whose tabs look like buttons (TSkinTabBtn), and page controls
// that take their tab backgrounds as bitmap properties (TSkinAdvPage).

#include "skin/runtime/controls/SkinControl.h"

namespace lanvero {

// A page in the skin's face colour, with its window-less children.
class TSkinTabSheet : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  const wchar_t* KindName() const override { return L"TSkinTabSheet"; }
  bool BeforeProc(framework::TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rc) override;
};

// Button-style tabs (always on top) from the skin's button frames.
class TSkinTabBtn : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  const wchar_t* KindName() const override { return L"TSkinTabBtn"; }
  bool BeforeProc(framework::TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rc) override;
};

// The tab frames built into the control's "TabBackGround" and
// "TabBackGroundActive" bitmaps (kind 4); the control draws the rest.
class TSkinAdvPage : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  const wchar_t* KindName() const override { return L"TSkinAdvPage"; }
  void Init(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas, bool acolor) override;
  void SkinChange() override;
  void Unsubclass() override;
  void DrawControl(HDC dc, const RECT& rc) override;

  static constexpr int kTabBackgroundKind = 4;

 private:
  void ApplyTabBackgrounds();
  void SkinAdvUpDown();
};

}  // namespace lanvero
