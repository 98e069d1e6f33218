#pragma once
// TSkinScControl: the skinner of a scroll bar control. One overlay panel
// covers the whole control and is painted from the skin, stretched over
// it; presses go to the control, which scrolls as it always does.

#include "skin/runtime/controls/ScrollbarPanels.h"
#include "skin/runtime/controls/SkinControl.h"

namespace lanvero {

class TSkinScControl : public TSkinControl, protected ScrollbarHookNotice {
 public:
  explicit TSkinScControl(framework::TComponent* AOwner) : TSkinControl(AOwner) {}
  const wchar_t* KindName() const override { return L"TSkinScControl"; }

  void InitScrollbar(framework::TWinControl* acontrol, TSkinData* sd, framework::TCanvas* acanvas,
                     TWinSkinForm* sf) override;
  void Init(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas, bool acolor) override;
  void AfterProc(framework::TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rc) override;
  void Unsubclass() override;

  TWScrollbar* Panel() const { return sb.get(); }

 protected:
  void AfterMessage(UINT msg, bool outermost) override;

 private:
  void MakePanel();
  ScrollbarPanel sb;
};

}  // namespace lanvero
