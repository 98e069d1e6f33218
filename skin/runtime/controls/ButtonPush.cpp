// TSkinButton: a push button painted from the skin's button strip. The
// native button never sees a mouse press (it would paint itself pressed),
// so the skinner tracks pressed and hot itself and raises the click on the
// release; keys still go to the native button, which clicks on Space.
#include "framework/controls/Buttons.h"
#include "framework/controls/GraphicControl.h"
#include "framework/graphics/Color.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/image/ImgUtil.h"
#include "skin/image/SysColors.h"
#include "skin/image/win/BitmapDC.h"
#include "skin/image/win/SkinDraw.h"
#include "skin/image/win/SkinText.h"
#include "skin/runtime/controls/ButtonSkinners.h"
#include "skin/runtime/controls/ClassNameCase.h"
#include "skin/runtime/controls/PropertyByName.h"
#include "skin/runtime/tracking/TrackMouseLeave.h"

namespace lanvero {
namespace {

int Width(const RECT& rc) { return rc.right - rc.left; }
int Height(const RECT& rc) { return rc.bottom - rc.top; }

bool StartsWith(const std::wstring& text, const wchar_t* prefix) { return text.rfind(prefix, 0) == 0; }

}  // namespace

int FrameWithin(int frame, int frames) {
  if (frames < 1 || frame <= frames) return frame;
  return (frame - 1) % frames + 1;
}

void TSkinButton::Init(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas, bool acolor) {
  TSkinControl::Init(sf, sd, acanvas, acolor);
  if (!control) return;
  // Buttons of these libraries handle their own mouse-down.
  const std::wstring name = LowerName(control->ClassName());
  kind = StartsWith(name, L"trz") || StartsWith(name, L"tel") ? 1 : 0;
  trans = control->Tag() == kTransparentButtonTag || HasOption(xoTransparent);
}

bool TSkinButton::HasOption(int option) const { return fsd && (fsd->Options() & SetOf(option)); }

const TDataSkinButton* TSkinButton::ButtonDefinition() const {
  if (!fsd || !fsd->Button || !MapHandle(fsd->Button->Map)) return nullptr;
  return fsd->Button.get();
}

bool TSkinButton::BeforeProc(framework::TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
    case WM_ERASEBKGND:
      // Without a button image (a skin without one, or one that does not
      // load) nothing would be drawn and the button would not show at
      // all: it paints itself.
      if (!ButtonDefinition()) {
        CallDefaultProc(message);
      } else if (message.Msg == WM_ERASEBKGND) {
        message.Result = 1;
      } else {
        WMPaint(message);
      }
      return false;
    case WM_TIMER: KillTimer(hwnd, 1); return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (GetFocus() != hwnd) SetFocus(hwnd);
      state |= kSkinPressed;
      PaintControl(nullptr);
      if (kind == 0 && control) ForwardMouseDown(message);
      return false;
    default: return TSkinControl::BeforeProc(message);
  }
}

void TSkinButton::AfterProc(framework::TMessage& message) {
  switch (message.Msg) {
    case WM_SETTEXT: PaintControl(nullptr); break;
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (message.WParam != VK_SPACE) break;
      state = message.Msg == WM_KEYDOWN ? state | kSkinPressed : state & ~kSkinPressed;
      Redraw();
      break;
    case WM_MOUSEMOVE:
      if (enabled && !(state & kSkinHot)) {
        state |= kSkinHot;
        Redraw();
      }
      TrackMouseLeave(hwnd);
      break;
    case WM_LBUTTONUP:
      if (!(state & kSkinPressed)) break;
      state &= ~kSkinPressed;
      Redraw();
      RaiseClick();  // last: the click may free the control and this skinner
      break;
    case WM_MOUSELEAVE:
      state &= ~(kSkinHot | kSkinPressed);
      Redraw();
      break;
    case framework::CM_DIALOGKEY:
    case framework::CM_FOCUSCHANGED: Redraw(); break;
    default: TSkinControl::AfterProc(message); break;
  }
}

void TSkinButton::RaiseClick() {
  if (control) {
    control->Click();
    return;
  }
  if (!hwnd) return;
  const bool frameworkClass = LowerName(GetWindowClassStr(hwnd)) == L"tbutton";
  const WPARAM id = frameworkClass ? 0 : static_cast<WPARAM>(GetDlgCtrlID(hwnd)) & 0xFFFF;
  PostMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(hwnd));
}

void TSkinButton::ReadWindowState() {
  focused = hwnd && GetFocus() == hwnd;
  enabled = !hwnd || !(GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_DISABLED);
  caption = CurrentCaption();
}

std::wstring TSkinButton::CurrentCaption() const {
  if (control) return GetTextPropByName(control, "Caption");
  return hwnd ? GetWindowTextStr(hwnd) : std::wstring{};
}

bool TSkinButton::IsDefaultButton() const { return LowerName(GetEnumPropByName(control, "Default")) == L"true"; }

int TSkinButton::PushFrame(bool considerDefault) const {
  int frame = kButtonNormal;
  if (focused || (considerDefault && IsDefaultButton())) frame = kButtonFocused;
  if (state & kSkinPressed) {
    frame = kButtonPressed;
  } else if (state & kSkinHot) {
    frame = kButtonHot;
  }
  return enabled ? frame : kButtonDisabled;
}

bool TSkinButton::PrepareBuffer(const RECT& rc) {
  const int w = Width(rc), h = Height(rc);
  if (w <= 0 || h <= 0) return false;
  if (btemp.Width() != w || btemp.Height() != h) btemp = DibSection::Create(w, h);
  if (btemp.IsEmpty()) return false;
  BitmapDC target(btemp.Handle());
  if (!target) return false;
  const RECT whole{0, 0, w, h};
  if (trans && hwnd) {
    DrawParentBackground(hwnd, target.Get());
  } else if (trans) {
    FillParentColor(target.Get(), whole);
  } else {
    FillFace(target.Get(), whole);
  }
  return true;
}

void TSkinButton::SelectCaptionFont(HDC dc) {
  framework::TControl* owner =
      control ? static_cast<framework::TControl*>(control) : static_cast<framework::TControl*>(GControl);
  if (owner && owner->Font()) {
    SelectObject(dc, owner->Font()->Handle());
    SetTextColor(dc, framework::ColorToRGB(owner->Font()->Color()));
    return;
  }
  if (HFONT font = hwnd ? reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)) : nullptr) {
    SelectObject(dc, font);
  }
  if (fsd) SetTextColor(dc, ResolveColor(fsd->Colors[kSchemeButtonText]));
}

void TSkinButton::ApplySkinTextColor(HDC dc, int frame, bool normalEverywhere, bool isEnabled) const {
  const TDataSkinButton* button = fsd ? fsd->Button.get() : nullptr;
  if (button) {
    if (button->newnormal && (normalEverywhere || frame == kButtonNormal)) {
      SetTextColor(dc, ResolveColor(button->Normalcolor2));
    }
    if (frame == kButtonHot && button->newover) SetTextColor(dc, ResolveColor(button->Overcolor2));
    if (frame == kButtonPressed && button->newdown) SetTextColor(dc, ResolveColor(button->Downcolor2));
  }
  if (!isEnabled) SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
}

void TSkinButton::DrawButtonCaption(HDC dc, const RECT& rc, UINT alignment) {
  caption = ReplaceFirst(caption, L"||", L"\r\n");
  const UINT flags = alignment | DT_WORDBREAK | DT_EXPANDTABS;
  RECT text = rc;
  InflateRect(&text, -2, -2);
  SkinDrawText(dc, caption, text, flags | DT_CALCRECT | DT_NOCLIP);
  OffsetRect(&text, -text.left, -text.top);
  const int dy = (Height(rc) - Height(text)) / 2 - 1;
  if (alignment == DT_CENTER) {
    OffsetRect(&text, rc.left + (Width(rc) - Width(text)) / 2, rc.top + dy);
  } else {
    OffsetRect(&text, 0, rc.top + dy);
    text.left = rc.left;
    text.right = rc.right;
  }
  SetBkMode(dc, TRANSPARENT);
  SkinDrawText(dc, caption, text, CheckBiDi(flags));
  if (focused) DrawFocusAround(dc, text);
}

void TSkinButton::DrawFocusAround(HDC dc, RECT textRect) const {
  if (HasOption(xoNoFocusRect)) return;
  InflateRect(&textRect, 2, 2);
  // The focus rectangle is drawn in the text colour's inverse over
  // whatever lies below; give it a defined colour pair.
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  DrawFocusRect(dc, &textRect);
}

void TSkinButton::CopyBuffer(HDC dc, const RECT& rc) {
  BitmapDC source(btemp.Handle());
  if (source) BitBlt(dc, rc.left, rc.top, Width(rc), Height(rc), source.Get(), 0, 0, SRCCOPY);
}

void TSkinButton::DrawControl(HDC dc, const RECT& rc) {
  const TDataSkinButton* button = ButtonDefinition();
  if (!button) return;
  ReadWindowState();
  const int frame = FrameWithin(PushFrame(true), button->frame);
  if (!PrepareBuffer(rc)) return;
  const RECT client{0, 0, Width(rc), Height(rc)};
  {
    BitmapDC target(btemp.Handle());
    if (!target) return;
    DrawSkinMap(target.Get(), client, button, frame, button->frame);
    framework::SavedDC saved(target.Get());
    SelectCaptionFont(target.Get());
    ApplySkinTextColor(target.Get(), frame, true, enabled);
    DrawButtonCaption(target.Get(), client, DT_CENTER);
  }
  CopyBuffer(dc, rc);
}

}  // namespace lanvero
