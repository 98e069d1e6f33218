#pragma once
// TSkinControl: the base of every control skinner. A skinner takes over a
// control's message traffic (through the control's WindowProc, or through
// the window's subclass chain for windows without a framework control),
// keeps the control's visual state and repaints it from the skin
// definitions. The frame skinner of the window keeps the list of its
// skinners and drives their skin changes and their release.

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/base/Messages.h"
#include "framework/core/Component.h"
#include "framework/graphics/Canvas.h"
#include "skin/definitions/SkinData.h"
#include "skin/image/win/DibSection.h"
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

// The bitmap DrawSkin composes into and DrawBuf copies from, shared by all
// skinners of the user-interface thread; freed at the engine's shutdown.
DibSection& ScratchBitmap();
void ReleaseScratchBitmap();

// State bits of `state`.
inline constexpr uint8_t kSkinHot = 1;
inline constexpr uint8_t kSkinPressed = 2;

class TSkinControl : public framework::TComponent, public SubclassTarget {
 public:
  // `AOwner` is the skinned control (null for a raw window). The skinner
  // goes away with it, but never while one of its own calls runs: it
  // learns of the control's end through a free notification and retires
  // itself, instead of being deleted among the control's components.
  explicit TSkinControl(framework::TComponent* AOwner);
  ~TSkinControl() override;
  framework::TComponent* OwnerControl() const { return ownerControl_; }

  // Attach to the owning windowed control (once), or to a raw window
  // (every call attaches again, never to itself twice).
  virtual void Init(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas, bool acolor);
  virtual void Inithwnd(HWND ahwnd, TSkinData* sd, framework::TCanvas* acanvas, TWinSkinForm* sf);
  // Attach to a scrolling control (scroll bar skinners take over its
  // scroll bars) and to a window-less control (speed buttons); a skinner
  // that does not draw those kinds attaches as Init does, or not at all.
  virtual void InitScrollbar(framework::TWinControl* acontrol, TSkinData* sd, framework::TCanvas* acanvas,
                             TWinSkinForm* sf);
  virtual void InitGraphicControl(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas);
  // Switches skinning off; the hook stays and passes everything through.
  virtual void Unsubclass();
  virtual bool BeforeProc(framework::TMessage& message);
  virtual void AfterProc(framework::TMessage& message);
  virtual void PaintControl(HDC adc);
  virtual void DrawControl(HDC dc, const RECT& rc);
  virtual void SkinChange();
  virtual int GetState() { return 1; }
  // Skinning of this one control was switched on or off (WM_SKINENABLE):
  // skinners with child windows of their own show or hide them here.
  virtual void SkinningSwitched() {}
  // The skinner's class name, as reports and tests show it.
  virtual const wchar_t* KindName() const { return L"TSkinControl"; }

  // The replacement message handler.
  void NewWndProc(framework::TMessage& message);
  void MouseLeave();
  void SetColor() {}
  void RestoreColor() {}
  // The parent's colour, or `acolor` when there is no parent control.
  framework::TColor GetParentColor(framework::TColor acolor) const;
  // `dw` with DT_RTLREADING added for right-to-left controls.
  UINT CheckBiDi(UINT dw) const;
  static int TextHeight(HDC dc, std::wstring_view s);

  // Drawing helpers (SkinControlDraw.cpp). Frames are 1-based: frame I of
  // N equal frames side by side. Nothing is drawn for an inverted `rc`, a
  // missing definition or an empty image.
  // Frame I of `aObject` built to `rc`'s size with its margins and tile
  // mode, copied to `rc` (magenta transparent when the definition says so).
  static void DrawSkinMap(HDC dc, const RECT& rc, const TDataSkinObject* aObject, int I, int N);
  // Frame I of `bmp` stretched to `rc`, magenta transparent.
  static void DrawSkinMap1(HDC dc, const RECT& rc, HBITMAP bmp, int I, int N);
  static void DrawSkinMap2(HDC dc, const RECT& rc, HBITMAP bmp, int I, int N);
  static void DrawSkinMap3(framework::TCanvas& acanvas, const RECT& rc, HBITMAP bmp, int I, int N);
  // `abmp` gets the button face colour in `rc`, then frame I of `aObject`
  // at its origin (magenta transparent when `trans` is 1).
  void DrawBMPSkin(DibSection& abmp, const RECT& rc, const TDataSkinObject* aObject, int I, int N, int trans);
  // The same into the shared scratch bitmap, which DrawBuf then copies.
  void DrawSkin(const RECT& rc, const TDataSkinObject* aObject, int I, int N, int trans);
  void DrawBuf(HDC dc, const RECT& rc);
  // Caption text, centred (one pixel above the exact centre) or aligned;
  // grey when disabled. The font is the one selected into `dc`.
  void DrawCaption(HDC dc, const RECT& rc, std::wstring_view text, bool enabled, bool defaulted, UINT Alignment);
  // An image-list image followed by text (tab captions).
  void DrawImgCaption(HDC dc, const RECT& rc, HIMAGELIST ImgList, int imgIndex, std::wstring_view text, int talign);
  // The same with other DrawText flags (header sections: no word break).
  void DrawImgCaptionWith(HDC dc, const RECT& rc, HIMAGELIST ImgList, int imgIndex, std::wstring_view text, int talign,
                          UINT flags);
  // The focus rectangle around the caption as DrawCaption places it.
  void DrawCaptionFocus(HDC dc, std::wstring_view text, UINT flags, const RECT& rc);

  // Frees a skinner now, or when its running message handling returns.
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
  // Raises the control's own mouse-down handling for a press the skinner
  // keeps from the native control.
  void ForwardMouseDown(const framework::TMessage& message);
  void Notification(framework::TComponent* component, framework::TOperation operation) override;

 private:
  bool rawSubclassed_ = false;
  framework::TComponent* ownerControl_ = nullptr;
};

}  // namespace lanvero
