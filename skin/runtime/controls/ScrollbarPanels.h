#pragma once
// The two overlay panels of a window's scroll bars (horizontal `hb`,
// vertical `vb`) as the skinners of scrolling controls and raw scrolling
// windows keep them, with what they do to both at once.

#include <windows.h>

#include "framework/graphics/Canvas.h"
#include "framework/graphics/PixelImage.h"
#include "skin/runtime/controls/ScrollbarPanel.h"

namespace lanvero {

class TSkinControl;
class TSkinData;
class TWinSkinForm;

// Where the client area's origin lies in window coordinates.
POINT ClientOriginInWindow(HWND hwnd);

struct TScrollbarPanels {
  ScrollbarPanel hb;
  ScrollbarPanel vb;

  // Panels over both bars of `control`, or of the raw window `window` when
  // there is no control; nothing when they exist already.
  void Make(TSkinControl* owner, framework::TWinControl* control, HWND window);
  void Free();
  void Reposition(HWND window);
  void Hide();
  void Repaint();
  void SetEnabled(bool enabled);
  // The control reported a scroll (WM_HSCROLL / WM_VSCROLL): that panel's
  // part follows the scroll code.
  void Scrolled(UINT msg, WPARAM wParam);
  // At the control's paint: follow bars that came or went, repaint the
  // panels and fill the corner between two shown bars with `face`.
  void FollowBars(HWND window, HDC windowDC, Color face);
  // Every bar the window shows lies under a visible panel (and there is at
  // least one bar): the window's own painting of its bars would be covered.
  bool CoverShownBars(HWND window) const;
  // Fills the corner between two shown bars with `face`.
  void PaintCorner(HWND window, HDC windowDC, Color face) const;
};

// Hooks the skinner's control: AfterMessage runs after each message, with
// whether it was the outermost call of the handler. The count lives in the
// skinner, which its running call keeps alive, never in the handler itself,
// which goes with the control if the control is destroyed meanwhile.
struct ScrollbarHookNotice {
  virtual ~ScrollbarHookNotice() = default;
  virtual void AfterMessage(UINT msg, bool outermost) = 0;
  int hookDepth = 0;
};
void HookScrollingControl(TSkinControl& skinner, ScrollbarHookNotice& notice);

// Stores what a scroll bar skinner attaches with and joins the frame
// skinner's list; false when `acontrol` is not the skinner's own control or
// the skinner is attached already.
bool TakeScrollingControl(TSkinControl& skinner, framework::TWinControl* acontrol, TSkinData* sd,
                          framework::TCanvas* acanvas, TWinSkinForm* sf);

}  // namespace lanvero
