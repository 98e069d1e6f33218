#pragma once
// TSkinControl: the base of every control skinner. A skinner takes over a
// control's message traffic (through the control's WindowProc, or through
// the window's subclass chain for windows without a framework control),
// keeps the control's visual state and repaints it from the skin
// definitions. The frame skinner of the window keeps the list of its
// skinners and drives their skin changes and their release.

#include <windows.h>

#include <cstdint>
#include <string>

#include "framework/base/Messages.h"
#include "framework/core/Component.h"
#include "framework/graphics/Canvas.h"
#include "skin/definitions/SkinData.h"
#include "skin/runtime/tracking/WindowSubclass.h"

namespace lanvero::framework {
class TWinControl;
class TGraphicControl;
}  // namespace lanvero::framework

namespace lanvero {

class TWinSkinForm;

// skinstate values.
inline constexpr int32_t kSkinnerCreated = 0;
inline constexpr int32_t kSkinnerAttached = 1;
inline constexpr int32_t kSkinnerWindowGone = 6;

// State bits of `state`.
inline constexpr uint8_t kSkinHot = 1;
inline constexpr uint8_t kSkinPressed = 2;

class TSkinControl : public framework::TComponent, public SubclassTarget {
 public:
  explicit TSkinControl(framework::TComponent* AOwner);
  ~TSkinControl() override;

  // Attach to the owning windowed control (once), or to a raw window
  // (every call attaches again, never to itself twice).
  virtual void Init(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas, bool acolor);
  virtual void Inithwnd(HWND ahwnd, TSkinData* sd, framework::TCanvas* acanvas, TWinSkinForm* sf);
  // Switches skinning off; the hook stays and passes everything through.
  virtual void Unsubclass();
  virtual bool BeforeProc(framework::TMessage& message);
  virtual void AfterProc(framework::TMessage& message);
  virtual void PaintControl(HDC adc);
  virtual void DrawControl(HDC dc, const RECT& rc);
  virtual void SkinChange();
  virtual int GetState() { return 1; }
  // The skinner's class name, as reports and tests show it.
  virtual const wchar_t* KindName() const { return L"TSkinControl"; }

  // The replacement message handler.
  void NewWndProc(framework::TMessage& message);
  void MouseLeave();

  // Frees a skinner now, or when its running message handling returns; it
  // leaves its owner control either way.
  static void Release(TSkinControl* skinner);

  uint8_t state = 0;
  framework::TCanvas* fCanvas = nullptr;
  bool done = false;
  bool enabled = true;
  bool focused = false;
  std::wstring caption;
  bool skinned = true;
  bool isunicode = false;
  TSkinData* fsd = nullptr;
  HWND hwnd = nullptr;
  framework::TWndMethod OldWndProc;
  framework::TWinControl* control = nullptr;
  RECT boundsrect{};
  framework::TGraphicControl* GControl = nullptr;
  bool newColor = false;
  framework::TColor oldcolor = 0;
  bool Inited = false;
  int32_t skinstate = kSkinnerCreated;
  TWinSkinForm* skinform = nullptr;
  int32_t kind = 0;
  bool sizing = false;
  bool parentbk = false;

 protected:
  LRESULT SubclassMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override;
  void CallDefaultProc(framework::TMessage& message);
  void Redraw();
  void FillFace(HDC dc, const RECT& rc);
  void FillParentColor(HDC dc, const RECT& rc);
  void WMPaint(framework::TMessage& message);
  void WMEraseBkgnd(framework::TMessage& message);

 private:
  bool rawSubclassed_ = false;
};

}  // namespace lanvero
