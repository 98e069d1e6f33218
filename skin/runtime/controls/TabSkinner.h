#pragma once
// TSkinTab: tab controls and page controls with ordinary tabs, in any of
// the four positions. The strip of tabs is composed from the skin's tab
// image (lying flat for tabs on a side, then turned), the page border from
// the skin's page image; the whole window is copied to the screen once.
// Page controls tagged 7777 with tabs on top get a close mark on each tab.

#include <vector>

#include "skin/image/win/DibSection.h"
#include "skin/runtime/controls/SkinControl.h"

namespace lanvero {

// The Tag that asks for close marks on a page control's tabs.
inline constexpr intptr_t kCloseMarkTag = 7777;

enum class TSkinTabPosition { StTop, Stbottom, Stleft, Stright };

class TSkinTab : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  const wchar_t* KindName() const override { return L"TSkinTab"; }

  void Init(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas, bool acolor) override;
  void Inithwnd(HWND ahwnd, TSkinData* sd, framework::TCanvas* acanvas, TWinSkinForm* sf) override;
  // Rebuilds the working images from the skin for the tab position.
  void inittab();
  void SkinChange() override;
  bool BeforeProc(framework::TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rc) override;

  // Close mark of each tab in window coordinates (empty without marks).
  std::vector<RECT> CloseRect;
  TSkinTabPosition Position = TSkinTabPosition::StTop;
  bool unicode = false;
  DibSection tabbmp;     // the tab strip, flipped for tabs at the bottom
  DibSection borderbmp;  // the page image, turned for the tab position
  bool showclose = false;

 private:
  void FinishAttach();
  void ReadPosition();
  // Skins the tab scroll arrows once; true while they show.
  bool SkinTabUpDown();
  bool HitCloseMark(const framework::TMessage& message);
  void CloseTab(int tabIndex);
  // The strip of tabs between `rc` and the page rectangle `page`, composed
  // and copied into `target` (a bitmap of the whole window).
  void DrawTabStrip(HDC target, const RECT& rc, const RECT& page);
  void DrawCloseMark(HDC dc, const RECT& item, size_t index);
  void BlitAroundUpDown(HDC dc, const RECT& rc, HDC composed);
};

}  // namespace lanvero
