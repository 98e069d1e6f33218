#pragma once
// TSkinHeader: a header control's sections from the skin's header frames,
// the section under the mouse in the hot frame, the room right of the last
// section in the normal frame; composed off screen and copied once.

#include <vector>

#include "skin/runtime/controls/SkinControl.h"

namespace lanvero {

class TSkinHeader : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  ~TSkinHeader() override { Items.clear(); }
  const wchar_t* KindName() const override { return L"TSkinHeader"; }
  void Init(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas, bool acolor) override;
  void Inithwnd(HWND ahwnd, TSkinData* sd, framework::TCanvas* acanvas, TWinSkinForm* sf) override;
  bool BeforeProc(framework::TMessage& message) override;
  void AfterProc(framework::TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rc) override;

  // Each section's hot area (its rectangle less 3 pixels at each side).
  std::vector<RECT> Items;
  int32_t indexitem = -1;  // the hot section, -1 for none

 private:
  bool HasImage() const;
  void TrackHot(const framework::TMessage& message);
  void DrawSection(HIMAGELIST images, HDC dc, int i, const RECT& r);
  void DrawSectionCaption(HDC dc, const RECT& rc, HIMAGELIST images, int image, const std::wstring& text, int talign);
};

}  // namespace lanvero
