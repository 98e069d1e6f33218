#pragma once

#include <optional>
// TSkinScrollbar: the skinned window scroll bars of a scrolling framework
// control (memo, list box, grid, list view, rich edit...): an overlay
// panel over each native bar, kept in place as the control is sized,
// shown, hidden or scrolled, and optionally a skinned two-pixel frame in
// place of the control's sunken edge. TSkinListView adds the skinner of
// the list view's column header; TSkinCheckList is the skinner of check
// list boxes.

#include "framework/graphics/Canvas.h"
#include "framework/graphics/GraphicsObjects.h"
#include "skin/runtime/controls/ScrollbarPanels.h"
#include "skin/runtime/controls/SkinControl.h"

namespace lanvero {

class TSkinScrollbar : public TSkinControl, protected ScrollbarHookNotice {
 public:
  explicit TSkinScrollbar(framework::TComponent* AOwner) : TSkinControl(AOwner) {}
  const wchar_t* KindName() const override { return L"TSkinScrollbar"; }

  void InitScrollbar(framework::TWinControl* acontrol, TSkinData* sd, framework::TCanvas* acanvas,
                     TWinSkinForm* sf) override;
  void Init(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas, bool acolor) override;
  bool BeforeProc(framework::TMessage& message) override;
  void AfterProc(framework::TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rc) override;
  void SkinChange() override;
  void Unsubclass() override;

  // Gives the control its message handler back now (before the skinner is
  // replaced), so that a new skinner can hook it.
  void LetGoOfControl();
  // A replacement was asked for while a call of this skinner ran (the
  // native tracking loop of a press): it is asked for again when the
  // outermost call returns.
  void ReplaceWhenIdle() { replacePending_ = true; }

  TWScrollbar* HorzPanel() const { return panels_.hb.get(); }
  TWScrollbar* VertPanel() const { return panels_.vb.get(); }

  bool border = false;

 protected:
  void AfterMessage(UINT msg, bool outermost) override;
  void PaintEdgeFrame(HDC dc);
  void TakeFixedColor();

  TScrollbarPanels panels_;

 private:
  void AskForReplacement();
  framework::TFont* TitleFont() const;
  bool replacePending_ = false;
  // The title font's colour before the skin's button text replaced it.
  std::optional<framework::TColor> oldTitleColor_;
};

class TSkinListView : public TSkinScrollbar {
 public:
  using TSkinScrollbar::TSkinScrollbar;
  const wchar_t* KindName() const override { return L"TSkinListView"; }
  void InitScrollbar(framework::TWinControl* acontrol, TSkinData* sd, framework::TCanvas* acanvas,
                     TWinSkinForm* sf) override;
  // The skinner of the column header, when the skin engine has one.
  TSkinControl* header = nullptr;
};

// Check list boxes: the bars as TSkinScrollbar, and every item drawn by the
// skinner with the skin's check mark in front of its text (the control's
// own item drawing never runs while the skin is on).
class TSkinCheckList : public TSkinScrollbar {
 public:
  using TSkinScrollbar::TSkinScrollbar;
  const wchar_t* KindName() const override { return L"TSkinCheckList"; }
  bool BeforeProc(framework::TMessage& message) override;
  // Draws item `index` into `dc`; false (nothing drawn) without a usable
  // check strip in the skin, for an index past the items, or for a control
  // that is not a framework check list box.
  bool DrawCheckListItem(HDC dc, int index, UINT itemState, const RECT& rc);

 private:
  void DrawItem(const DRAWITEMSTRUCT& item);
  // The canvas the items are drawn through, attached to each item's DC.
  framework::TCanvas itemCanvas_;
};

// After WM_SKINENABLE: the panels over the bars, or the native bars again.
void FollowSkinEnable(TSkinControl& skinner, TScrollbarPanels& panels, framework::TWinControl* control);

}  // namespace lanvero
