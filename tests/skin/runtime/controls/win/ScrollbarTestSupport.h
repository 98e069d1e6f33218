// What the scroll bar skinner tests share: a form with a memo, a list box
// and a scroll bar control, reading skin frame pixels and the panels as
// they appear on screen, and pressing the mouse with real input.
#pragma once

#include <windows.h>

#include "framework/controls/Edits.h"
#include "framework/controls/ListControls.h"
#include "framework/controls/RangeControls.h"
#include "skin/runtime/controls/ScrollbarPanel.h"
#include "skin/runtime/controls/ScrollbarSkinner.h"
#include "tests/e2e/driver/Screenshot.h"
#include "tests/skin/runtime/win/SkinnedFormFixture.h"

namespace lanvero::testing {

extern const char* kScrollingControls;

// Pixel (x, y) of frame `frame` (1-based) of `count` of a skin strip, as
// 0x00RRGGBB; magenta (transparent) pixels give `behind`.
Color StripPixel(const TDataSkinObject& definition, int frame, int count, int x, int y, Color behind);
// A COLORREF as 0x00RRGGBB.
Color FromColorRef(COLORREF c);
// The skin's button face as it appears on screen (0x00RRGGBB).
Color ScreenFace(const TSkinData& skin);
// Channels of `a` and `b` differ by at most `tolerance`.
bool Near(Color a, Color b, int tolerance = 8);

// The panel as it appears on screen (client area).
e2e::Image CapturePanel(const TWScrollbar& panel);

// Real mouse input at a point of a window's client area.
void MouseTo(HWND hwnd, POINT client);
void MouseDown(HWND hwnd, POINT client);
void MouseUp(HWND hwnd, POINT client);

class ScrollbarSkinnerTest : public SkinnedFormTest {
 protected:
  // The form with a memo of 24 lines, a list box of 60 items and a
  // horizontal scroll bar control, skinned.
  void MakeScrollingForm();
  TSkinScrollbar* SkinnerOf(framework::TControl* control) const;

  framework::TMemo* memo_ = nullptr;
  framework::TListBox* list_ = nullptr;
  framework::TScrollBar* bar_ = nullptr;
};

}  // namespace lanvero::testing
