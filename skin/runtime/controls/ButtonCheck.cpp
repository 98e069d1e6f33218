// Check boxes and radio buttons: the box (or circle) comes from the skin's
// check (radio) strip. A framework control with a strip is painted whole
// by the skinner (background, box, caption); a raw window keeps its native
// look with the skin's box drawn over the native one, composed off-screen.
// Without a strip the native control paints as it is.
#include "framework/controls/WinControl.h"
#include "framework/core/PropertyAccess.h"
#include "framework/graphics/Color.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/image/SysColors.h"
#include "skin/image/win/BitmapDC.h"
#include "skin/image/win/SkinDraw.h"
#include "skin/image/win/SkinText.h"
#include "skin/runtime/controls/ButtonSkinners.h"
#include "skin/runtime/controls/ClassNameCase.h"
#include "skin/runtime/controls/PropertyByName.h"

namespace lanvero {
namespace {

int Width(const RECT& rc) { return rc.right - rc.left; }
int Height(const RECT& rc) { return rc.bottom - rc.top; }

constexpr UINT CM_EXIT_MESSAGE = 0xB01B;
constexpr UINT CM_REPAINT_MESSAGE = 0xB0D0;

bool Contains(const std::wstring& text, const wchar_t* part) { return text.find(part) != std::wstring::npos; }

// The system draws a focus rectangle itself where its major version is 6.
bool DrawsOwnCaptionFocus() { return (GetVersion() & 0xFF) != 6; }

}  // namespace

int LongStripFrame(int frame) {
  static constexpr int kLongStrip[] = {0, 1, 5, 4, 8};
  return frame >= 1 && frame <= 4 ? kLongStrip[frame] : frame;
}

void TSkinCheckControl::Init(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas, bool acolor) {
  TSkinControl::Init(sf, sd, acanvas, acolor);
  if (!control) return;
  kind = HasStrip() ? 1 : 0;
  trans = control->Tag() == kTransparentButtonTag || (fsd && (fsd->Options() & SetOf(xoTransparent)));
}

// A strip whose frames have no pixels (a frame count larger than the strip
// is wide, an image of no size) draws nothing: the native look stays, as
// a composed control would be left black without its box and caption.
bool TSkinCheckControl::HasStrip() const {
  int frames = 0;
  const HBITMAP strip = Strip(frames);
  if (!strip || frames < 1) return false;
  const SIZE size = BitmapSize(strip);
  return size.cx / frames >= 1 && size.cy >= 1;
}

bool TSkinCheckControl::BeforeProc(framework::TMessage& message) {
  if (!TSkinControl::BeforeProc(message)) return false;
  switch (message.Msg) {
    case WM_PAINT:
    case WM_PRINT:
      if (!HasStrip()) {
        kind = 0;  // the skin lost its strip: the native control paints
        return true;
      }
      if (kind == 1 || (message.Msg == WM_PAINT && !control)) {
        PaintComposed(message);
        return false;
      }
      return true;
    case WM_ERASEBKGND:
      if (!trans || kind != 1) return true;
      WMEraseBkgnd(message);
      return false;
    default: return true;
  }
}

void TSkinCheckControl::AfterProc(framework::TMessage& message) {
  switch (message.Msg) {
    case BM_SETCHECK:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case CM_EXIT_MESSAGE:
    case CM_REPAINT_MESSAGE: Redraw(); break;
    default: TSkinControl::AfterProc(message); break;
  }
}

void TSkinCheckControl::PaintComposed(framework::TMessage& message) {
  PAINTSTRUCT paint{};
  HDC dc = reinterpret_cast<HDC>(message.WParam);
  const bool ownPaint = dc == nullptr;
  if (ownPaint) dc = BeginPaint(hwnd, &paint);
  GetWindowRect(hwnd, &boundsrect);
  const RECT rc{0, 0, Width(boundsrect), Height(boundsrect)};
  DibSection buffer = DibSection::Create(rc.right, rc.bottom);
  if (!buffer.IsEmpty()) {
    BitmapDC target(buffer.Handle());
    if (target) {
      if (kind == 0) {
        // The native look, drawn into the buffer instead of the screen.
        framework::TMessage print{WM_PRINTCLIENT, reinterpret_cast<WPARAM>(target.Get()), PRF_CLIENT | PRF_ERASEBKGND,
                                  0};
        CallDefaultProc(print);
      } else if (trans) {
        DrawParentBackground(hwnd, target.Get());
      }
      try {
        DrawControl(target.Get(), rc);
      } catch (...) {
        // The control shows what was drawn so far.
      }
      BitBlt(dc, 0, 0, rc.right, rc.bottom, target.Get(), 0, 0, SRCCOPY);
    }
  }
  if (ownPaint) EndPaint(hwnd, &paint);
}

void TSkinCheckControl::DrawControl(HDC dc, const RECT& rc) {
  int frames = 0;
  const HBITMAP strip = Strip(frames);
  const SIZE stripSize = BitmapSize(strip);
  const SIZE cell{frames >= 1 ? stripSize.cx / frames : 0, stripSize.cy};
  if (cell.cx <= 0 || cell.cy <= 0) {
    kind = 0;
    return;
  }
  const LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  const int frame = StateFrame(style, frames);
  const bool rightToLeft = CheckBiDi(0) != 0;
  const int top = rc.top + (Height(rc) - cell.cy) / 2;
  RECT box{}, captionRect = rc;
  UINT flags = 0;
  if (style & BS_RIGHTBUTTON) {
    const int right = rc.right - RightInset();
    box = {right - cell.cx, top, right, top + cell.cy};
    captionRect.right = box.left - 2;
    flags = rightToLeft ? DT_RIGHT | DT_RTLREADING : 0;
  } else {
    box = {rc.left, top, rc.left + cell.cx, top + cell.cy};
    captionRect.left = box.right + 2;
    flags = rightToLeft ? DT_RTLREADING : 0;
  }
  flags |= DT_WORDBREAK | DT_EXPANDTABS;
  if (kind == 1 && !trans) FillFace(dc, rc);
  DrawSkinMap2(dc, box, strip, frame, frames);
  if (kind == 1) DrawCheckCaption(dc, captionRect, flags);
}

void TSkinCheckControl::DrawCheckCaption(HDC dc, const RECT& captionRect, UINT flags) {
  caption = control ? GetTextPropByName(control, "Caption") : GetWindowTextStr(hwnd);
  const bool isEnabled = !(GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_DISABLED);
  framework::SavedDC saved(dc);
  COLORREF color = fsd ? ResolveColor(fsd->Colors[kSchemeButtonText]) : GetSysColor(COLOR_BTNTEXT);
  if (control && control->Font()) {
    SelectObject(dc, control->Font()->Handle());
    color = framework::ColorToRGB(control->Font()->Color());
  } else if (HFONT font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0))) {
    SelectObject(dc, font);
  }
  SetTextColor(dc, isEnabled ? color : GetSysColor(COLOR_BTNSHADOW));
  if (fsd) SetBkColor(dc, ResolveColor(fsd->Colors[kSchemeButtonFace]));
  SetBkMode(dc, TRANSPARENT);
  RECT measured = captionRect;
  SkinDrawText(dc, caption, measured, flags | DT_CALCRECT | DT_NOCLIP);
  const int dy = (Height(captionRect) - Height(measured)) / 2;
  RECT text{captionRect.left, captionRect.top + dy, captionRect.right, captionRect.top + dy + Height(measured)};
  if (GetFocus() == hwnd && !caption.empty() && DrawsOwnCaptionFocus()) DrawCaptionFocus(dc, caption, flags, text);
  SkinDrawText(dc, caption, text, flags);
}

// ----- check box -------------------------------------------------------------

void TSkinCheckBox::Init(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas, bool acolor) {
  TSkinCheckControl::Init(sf, sd, acanvas, acolor);
  checkstate = 0;
}

void TSkinCheckBox::AfterProc(framework::TMessage& message) {
  if (message.Msg == BM_SETCHECK) checkstate = static_cast<int32_t>(message.WParam) + 1;
  TSkinCheckControl::AfterProc(message);
}

HBITMAP TSkinCheckBox::Strip(int& frames) const {
  if (!fsd || !fsd->Button) return nullptr;
  frames = fsd->Button->checkframe;
  return MapHandle(fsd->Button->CheckMap);
}

int TSkinCheckBox::FrameFromProperties(int frame) const {
  if (framework::HasProperty(control, "State")) {
    const std::wstring value = LowerName(GetEnumPropByName(control, "State"));
    if (Contains(value, L"uncheck")) {
      frame = 1;
    } else if (Contains(value, L"check")) {
      frame = 2;
    } else if (Contains(value, L"gray")) {
      frame = 4;
    }
  } else if (framework::HasProperty(control, "Checked")) {
    frame = LowerName(GetEnumPropByName(control, "Checked")) == L"true" ? 2 : 1;
  }
  // Data-aware boxes show the state last set on them.
  if (framework::HasProperty(control, "DataField") && checkstate != 0) frame = checkstate == 3 ? 4 : checkstate;
  if (framework::HasProperty(control, "DataBinding")) frame = 1;
  return frame;
}

int TSkinCheckBox::StateFrame(LONG_PTR style, int frames) {
  const LRESULT buttonState = SendMessageW(hwnd, BM_GETSTATE, 0, 0);
  const bool indeterminate = (buttonState & BST_INDETERMINATE) != 0;
  const bool disabled = (style & WS_DISABLED) != 0;
  int frame = (buttonState & BST_CHECKED) ? 2 : 1;
  if (control) frame = FrameFromProperties(frame);
  if (disabled) frame += 2;
  if (indeterminate) frame = 4;
  if (frames == 12) {
    if (indeterminate) return disabled ? 12 : 9;
    frame = LongStripFrame(frame);
  }
  return FrameWithin(frame, frames);
}

// ----- radio button ----------------------------------------------------------

HBITMAP TSkinRadioButton::Strip(int& frames) const {
  if (!fsd || !fsd->Button) return nullptr;
  frames = fsd->Button->radioframe;
  return MapHandle(fsd->Button->RadioMap);
}

int TSkinRadioButton::StateFrame(LONG_PTR style, int frames) {
  int frame = SendMessageW(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED ? 2 : 1;
  if (control && framework::HasProperty(control, "Checked")) {
    frame = LowerName(GetEnumPropByName(control, "Checked")) == L"true" ? 2 : 1;
  }
  if (style & WS_DISABLED) frame += 2;
  if (frames == 8) frame = LongStripFrame(frame);
  return FrameWithin(frame, frames);
}

}  // namespace lanvero
