#pragma once
// TSkinScrollbarH: the skinned window scroll bars of a raw window without
// a framework control (the list of a simple combo box, a list box of a
// plain dialog): overlay panels over its bars, as TSkinScrollbar keeps
// them for framework controls.

#include "skin/runtime/controls/ScrollbarPanels.h"
#include "skin/runtime/controls/SkinControl.h"

namespace lanvero {

class TSkinScrollbarH : public TSkinControl {
 public:
  explicit TSkinScrollbarH(framework::TComponent* AOwner) : TSkinControl(AOwner) {}
  const wchar_t* KindName() const override { return L"TSkinScrollbarH"; }

  void Inithwnd(HWND ahwnd, TSkinData* sd, framework::TCanvas* acanvas, TWinSkinForm* sf) override;
  void AfterProc(framework::TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rc) override;
  void Unsubclass() override;

  TWScrollbar* HorzPanel() const { return panels_.hb.get(); }
  TWScrollbar* VertPanel() const { return panels_.vb.get(); }

 protected:
  LRESULT SubclassMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  TScrollbarPanels panels_;
};

}  // namespace lanvero
