#pragma once
// TSkinComBox: combo boxes with the skin's sunken border, drop-down button
// and glyph (drop-down and drop-down list styles; a simple combo keeps its
// look and only its list's scroll bar is skinned). The combo paints itself
// into an off-screen bitmap, the skin goes over it there, and the result
// reaches the screen in one copy. The list window gets a scroll bar
// skinner of its own.

#include "skin/runtime/controls/SkinControl.h"
#include "skin/runtime/controls/SkinnerFactory.h"

namespace lanvero {

// True for a window that lives on the desktop: a popup, or a child of the
// desktop window (the drop-down list of a combo box).
bool IsPopupList(HWND hwnd);

class TSkinComBox : public TSkinControl {
 public:
  using TSkinControl::TSkinControl;
  ~TSkinComBox() override;
  const wchar_t* KindName() const override { return L"TSkinComBox"; }
  void Init(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas, bool acolor) override;
  void Inithwnd(HWND ahwnd, TSkinData* sd, framework::TCanvas* acanvas, TWinSkinForm* sf) override;
  void Unsubclass() override;
  bool BeforeProc(framework::TMessage& message) override;
  void AfterProc(framework::TMessage& message) override;
  void DrawControl(HDC dc, const RECT& rc) override;

  uint32_t dwStyle = 0;
  uint32_t ExStyle = 0;
  HWND hlist = nullptr;        // the drop-down or simple list
  HWND hbtn = nullptr;         // the hooked first child
  TSkinControl* vb = nullptr;  // scroll bar skinner of a simple combo's list
  TSkinControl* db = nullptr;  // scroll bar skinner of a drop-down list
  COMBOBOXINFO info{};
  RECT rBtn{};             // the button, for hot tracking
  bool HasButton = false;  // extended combo boxes draw their own button

 protected:
  LRESULT SubclassMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override;
  void Notification(framework::TComponent* component, framework::TOperation operation) override;

 private:
  void AttachAfterInit();
  void AttachListScrollbar();
  void AttachSimpleListScrollbar();
  TSkinControl* AttachListSkinner(SkinnerClass cls, HWND list);
  void HookButton();
  void UnhookButton();
  LRESULT ButtonWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  bool ReadComboInfo();
  void WMPaintComposed(framework::TMessage& message);
  void TrackHot(LPARAM point);
  void SetPressed(bool pressed);
  int StateFrame() const;
  void DrawFlat(HDC dc, const RECT& rc);
  void DrawComposed(HDC dc, const RECT& rc, int frame);
  void DrawPieces(HDC dc, const RECT& rc, int frame);
  void DrawExFrame(HDC dc, const RECT& rc);
  void DrawExButton(HDC dc, int frame);
  bool buttonHooked_ = false;
};

}  // namespace lanvero
