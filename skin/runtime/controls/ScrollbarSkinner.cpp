#include "skin/runtime/controls/ScrollbarSkinner.h"

#include <algorithm>
#include <string>

#include "framework/controls/WinControl.h"
#include "skin/image/win/SkinDraw.h"
#include "skin/runtime/SkinMessages.h"
#include "skin/runtime/controls/PropertyByName.h"
#include "skin/runtime/controls/SkinnerFactory.h"
#include "skin/runtime/frame/WinSkinForm.h"

namespace lanvero {
namespace {

using framework::TMessage;

std::wstring Lower(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(towlower(c));
  return text;
}

// A one-pixel frame just inside `r`.
void FrameSolid(HDC dc, const RECT& r, Color color) {
  FillSolid(dc, Rect{r.left, r.top, r.right, r.top + 1}, color);
  FillSolid(dc, Rect{r.left, r.bottom - 1, r.right, r.bottom}, color);
  FillSolid(dc, Rect{r.left, r.top, r.left + 1, r.bottom}, color);
  FillSolid(dc, Rect{r.right - 1, r.top, r.right, r.bottom}, color);
}

// How far the client area lies inside the window's left and top edges.
LONG EdgeWidth(HWND hwnd) {
  const POINT origin = ClientOriginInWindow(hwnd);
  return std::max(origin.x, origin.y);
}

}  // namespace

void FollowSkinEnable(TSkinControl& skinner, TScrollbarPanels& panels, framework::TWinControl* control) {
  if (skinner.skinned && skinner.skinstate != kSkinnerWindowGone) {
    panels.Make(&skinner, control, skinner.hwnd);
    panels.Reposition(skinner.hwnd);
    return;
  }
  panels.Hide();
}

void TSkinScrollbar::Init(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas, bool) {
  InitScrollbar(dynamic_cast<framework::TWinControl*>(OwnerControl()), sd, acanvas, sf);
}

void TSkinScrollbar::InitScrollbar(framework::TWinControl* acontrol, TSkinData* sd, framework::TCanvas* acanvas,
                                   TWinSkinForm* sf) {
  if (!TakeScrollingControl(*this, acontrol, sd, acanvas, sf)) return;
  border = Lower(GetEnumPropByName(control, "BorderStyle")) != L"bsnone";
  if (control->ClassName() == L"TImageScrollBox" || kind == 1) border = false;
  TakeFixedColor();
  panels_.Make(this, control, hwnd);
  HookScrollingControl(*this, *this);
  Inited = true;
  skinstate = kSkinnerAttached;
  if (border) RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TSkinScrollbar::AfterMessage(UINT msg, bool outermost) {
  if (msg == WM_SKINENABLE) FollowSkinEnable(*this, panels_, control);
  if (outermost && replacePending_) AskForReplacement();
}

void TSkinScrollbar::LetGoOfControl() {
  if (control && OldWndProc) control->WindowProc = OldWndProc;
  OldWndProc = nullptr;
}

void TSkinScrollbar::AskForReplacement() {
  replacePending_ = false;
  if (skinform && skinform->Hwnd) {
    PostMessageW(skinform->Hwnd, WM_SKINRESETSCROLLBAR, reinterpret_cast<WPARAM>(hwnd), 0);
  }
}

void TSkinScrollbar::TakeFixedColor() {
  if (!control || !fsd) return;
  const int64_t fixed = GetIntPropByName(control, "FixedColor");
  if (fixed == -1) return;
  oldcolor = static_cast<framework::TColor>(fixed);
  newColor = true;
  SetPropByName(control, "FixedColor", std::to_wstring(fsd->Colors[kSchemeButtonFace]));
  // Titles on the skin's face colour are written in its button text colour,
  // or a dark skin would leave them black on dark.
  if (framework::TFont* title = TitleFont()) {
    oldTitleColor_ = title->Color();
    title->SetColor(static_cast<framework::TColor>(fsd->Colors[kSchemeButtonText]));
  }
}

framework::TFont* TSkinScrollbar::TitleFont() const {
  if (!control) return nullptr;
  return dynamic_cast<framework::TFont*>(
      GetObjectPropByName(control, "TitleFont", framework::TFont::StaticClassInfo()));
}

bool TSkinScrollbar::BeforeProc(TMessage& message) {
  if (message.Msg == WM_NCPAINT) {
    // The frame is the skin's two-pixel edge (or there is none), the bars
    // lie under the panels: when nothing else is left, the window's own
    // painting of its frame and bars (a themed drawing of each bar) would
    // only be painted over.
    const bool covered = fsd && panels_.CoverShownBars(hwnd) && EdgeWidth(hwnd) <= (border ? 2 : 0);
    if (!border && !covered) return TSkinControl::BeforeProc(message);
    if (!covered) CallDefaultProc(message);
    framework::WindowDC dc(hwnd, true);
    if (border) PaintEdgeFrame(dc.Get());
    if (covered) panels_.PaintCorner(hwnd, dc.Get(), fsd->Colors[kSchemeButtonFace]);
    message.Result = 0;
    return false;
  }
  return TSkinControl::BeforeProc(message);
}

void TSkinScrollbar::AfterProc(TMessage& message) {
  switch (message.Msg) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
      sizing = true;
      panels_.Reposition(hwnd);
      sizing = false;
      break;
    case WM_HSCROLL:
    case WM_VSCROLL: panels_.Scrolled(message.Msg, message.WParam); break;
    case WM_MOUSEWHEEL: panels_.Repaint(); break;
    case framework::CM_VISIBLECHANGED:
      if (message.WParam) {
        panels_.Reposition(hwnd);
      } else {
        panels_.Hide();
      }
      break;
    case framework::CM_ENABLEDCHANGED:
      if (control) panels_.SetEnabled(control->Enabled());
      TSkinControl::AfterProc(message);
      break;
    case WM_SKINPAINTFRAME:
      if (message.LParam != SKIN_SIGNATURE) break;
      if (message.WParam) PaintEdgeFrame(reinterpret_cast<HDC>(message.WParam));
      message.Result = SKIN_SIGNATURE;
      break;
    default: TSkinControl::AfterProc(message); break;
  }
}

void TSkinScrollbar::DrawControl(HDC dc, const RECT&) {
  if (fsd) panels_.FollowBars(hwnd, dc, fsd->Colors[kSchemeButtonFace]);
}

void TSkinScrollbar::PaintEdgeFrame(HDC dc) {
  if (!fsd || !dc) return;
  RECT window{};
  if (!GetWindowRect(hwnd, &window)) return;
  OffsetRect(&window, -window.left, -window.top);
  FrameSolid(dc, window, fsd->Colors[kSchemeButtonShadow]);
  InflateRect(&window, -1, -1);
  FrameSolid(dc, window, fsd->Colors[kSchemeButtonFace]);
}

void TSkinScrollbar::SkinChange() {
  TakeFixedColor();
  panels_.Reposition(hwnd);
  Redraw();
  if (border && hwnd) RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

void TSkinScrollbar::Unsubclass() {
  // The control outlives its window: its grid colour goes back even after
  // the window was destroyed.
  if (newColor && control) SetPropByName(control, "FixedColor", std::to_wstring(oldcolor));
  newColor = false;
  if (framework::TFont* title = oldTitleColor_ ? TitleFont() : nullptr) title->SetColor(*oldTitleColor_);
  oldTitleColor_.reset();
  TSkinControl::Unsubclass();
  panels_.Free();
}

void TSkinListView::InitScrollbar(framework::TWinControl* acontrol, TSkinData* sd, framework::TCanvas* acanvas,
                                  TWinSkinForm* sf) {
  if (Inited) return;
  TSkinScrollbar::InitScrollbar(acontrol, sd, acanvas, sf);
  if (!Inited) return;
  const HWND headerWindow = reinterpret_cast<HWND>(SendMessageW(hwnd, LVM_GETHEADER, 0, 0));
  if (!headerWindow) return;
  header = NewSkinner(SkinnerClass::Header, control);
  if (header) header->Inithwnd(headerWindow, sd, acanvas, sf);
}

}  // namespace lanvero
