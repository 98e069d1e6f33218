#pragma once
// Skinners of plain containers: panels (TSkinBox: recoloured, no message
// hook), raw container windows such as child dialogs and tool bar windows
// (TSkinBoxH: background and static text backgrounds in the face colour)
// and size boxes (TSkinSizer).

#include "skin/runtime/controls/SkinControl.h"

namespace lanvero {

// skinstate of a panel skinner after Unsubclass.
inline constexpr int32_t kBoxReleased = 2;
// skinstate that keeps a panel's skin colour at Unsubclass.
inline constexpr int32_t kBoxKeepsColor = 4;

// Joins `skinner` to its owning windowed control and the frame skinner's
// list without taking over the control's messages (panels, glyph
// providers); false when the owner is not a windowed control.
bool AttachWithoutHook(TSkinControl& skinner, TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas);

class TSkinBox : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  const wchar_t* KindName() const override { return L"TSkinBox"; }
  void Init(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas, bool acolor) override;
  void AfterProc(framework::TMessage&) override {}
  void Unsubclass() override;

  int32_t border = 0;
};

class TSkinBoxH : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  const wchar_t* KindName() const override { return L"TSkinBoxH"; }
  bool BeforeProc(framework::TMessage& message) override;
};

class TSkinSizer : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  const wchar_t* KindName() const override { return L"TSkinSizer"; }
  void DrawControl(HDC dc, const RECT& rc) override;
};

}  // namespace lanvero
