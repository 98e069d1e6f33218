#include "skin/runtime/controls/ComboSkinner.h"

#include <algorithm>

#include "framework/controls/WinControl.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/image/win/BitmapDC.h"
#include "skin/image/win/SkinDraw.h"
#include "skin/runtime/controls/EditBorder.h"

namespace lanvero {
namespace {

constexpr uint32_t kComposedCombo = 2;
constexpr uint32_t kFlatCombo = 1;
constexpr UINT CN_COMMAND_MESSAGE = framework::CN_COMMAND;

bool IsSimple(uint32_t style) { return (style & 3) == CBS_SIMPLE; }
bool ButtonOnLeft(uint32_t exStyle) { return (exStyle & WS_EX_LEFTSCROLLBAR) != 0; }
bool HasImage(const TDataSkinObject* object) { return object && MapHandle(object->Map); }
int Frames(const TDataSkinObject& object) { return std::max(object.frame, 1); }

// Child windows (the edit of a drop-down combo) paint themselves: the
// composed picture must not cover them.
void ExcludeChildren(HWND parent, HDC dc) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
  }
}

bool SameSize(const RECT& a, const RECT& b) {
  return a.right - a.left == b.right - b.left && a.bottom - a.top == b.bottom - b.top;
}

}  // namespace

bool IsPopupList(HWND hwnd) {
  if (!hwnd) return false;
  if (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_POPUP) return true;
  return GetAncestor(hwnd, GA_PARENT) == GetDesktopWindow();
}

TSkinComBox::~TSkinComBox() { UnhookButton(); }

void TSkinComBox::Init(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas, bool acolor) {
  if (Inited) return;
  TSkinControl::Init(sf, sd, acanvas, acolor);
  if (!Inited) return;
  dwStyle = static_cast<uint32_t>(GetWindowLongPtrW(hwnd, GWL_STYLE));
  if (IsSimple(dwStyle)) {
    AttachSimpleListScrollbar();
  } else {
    AttachListScrollbar();
    if (!isunicode) HookButton();
  }
}

void TSkinComBox::Inithwnd(HWND ahwnd, TSkinData* sd, framework::TCanvas* acanvas, TWinSkinForm* sf) {
  if (Inited) return;
  TSkinControl::Inithwnd(ahwnd, sd, acanvas, sf);
  dwStyle = static_cast<uint32_t>(GetWindowLongPtrW(hwnd, GWL_STYLE));
  if (IsSimple(dwStyle)) {
    if (ReadComboInfo()) hlist = info.hwndList;
  } else if (!isunicode) {
    HookButton();
  }
}

bool TSkinComBox::ReadComboInfo() {
  info = COMBOBOXINFO{};
  info.cbSize = sizeof info;
  return hwnd && GetComboBoxInfo(hwnd, &info);
}

// The list and the skinner it gets are the control's: the frame skinner
// lists that skinner and frees it; this one only keeps a reference that
// is cleared when it goes.
TSkinControl* TSkinComBox::AttachListSkinner(SkinnerClass cls, HWND list) {
  TSkinControl* skinner = NewSkinner(cls, control);
  if (!skinner) return nullptr;
  skinner->Inithwnd(list, fsd, fCanvas, skinform);
  FreeNotification(skinner);
  return skinner;
}

void TSkinComBox::AttachListScrollbar() {
  db = nullptr;
  if (!(dwStyle & CBS_DROPDOWN) || !ReadComboInfo()) return;
  hlist = info.hwndList;
  if (hlist) db = AttachListSkinner(SkinnerClass::ComboxScrollBar, hlist);
}

void TSkinComBox::AttachSimpleListScrollbar() {
  vb = nullptr;
  if (!ReadComboInfo()) return;
  hlist = info.hwndList;
  if (!hlist) return;
  const LONG_PTR listStyle = GetWindowLongPtrW(hlist, GWL_STYLE);
  if (!IsPopupList(hlist) && (listStyle & WS_CHILD)) vb = AttachListSkinner(SkinnerClass::ScrollbarH, hlist);
}

void TSkinComBox::Notification(framework::TComponent* component, framework::TOperation operation) {
  if (operation == framework::TOperation::opRemove) {
    if (component == db) db = nullptr;
    if (component == vb) vb = nullptr;
  }
  TSkinControl::Notification(component, operation);
}

void TSkinComBox::Unsubclass() {
  TSkinControl::Unsubclass();
  UnhookButton();
  if (vb) vb->Unsubclass();
  if (db) db->Unsubclass();
}

// The first child window (an ANSI combo's button or edit) repaints the
// skin after painting itself; this skinner is the subclass entry on both
// windows, so the call depth that guards its release covers both.
void TSkinComBox::HookButton() {
  hbtn = GetTopWindow(hwnd);
  if (hbtn && hbtn != hwnd) buttonHooked_ = AttachSubclass(hbtn, *this);
}

void TSkinComBox::UnhookButton() {
  if (buttonHooked_) DetachSubclass(hbtn, *this);
  buttonHooked_ = false;
}

LRESULT TSkinComBox::SubclassMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (buttonHooked_ && window == hbtn && window != hwnd) return ButtonWndProc(window, msg, wParam, lParam);
  return TSkinControl::SubclassMessage(window, msg, wParam, lParam);
}

LRESULT TSkinComBox::ButtonWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallNextProc(window, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    UnhookButton();
    hbtn = nullptr;
    return result;
  }
  if (!skinned) return result;
  switch (msg) {
    case WM_PAINT: PaintControl(nullptr); break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: SetPressed(true); break;
    case WM_LBUTTONUP: SetPressed(false); break;
    default: break;
  }
  return result;
}

bool TSkinComBox::BeforeProc(framework::TMessage& message) {
  if (message.Msg == WM_PAINT && !message.WParam && !IsSimple(dwStyle) && HasImage(fsd ? fsd->combox.get() : nullptr)) {
    RECT window{}, client{};
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    if (SameSize(window, client)) {
      WMPaintComposed(message);
      return false;
    }
  }
  return TSkinControl::BeforeProc(message);
}

// The combo paints itself into a bitmap, the skin goes over it there, and
// the screen gets the result in one copy: the native look never shows.
void TSkinComBox::WMPaintComposed(framework::TMessage& message) {
  PAINTSTRUCT paint{};
  const HDC dc = BeginPaint(hwnd, &paint);
  RECT client{};
  GetClientRect(hwnd, &client);
  DibSection buffer = DibSection::Create(std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1));
  BitmapDC canvas(buffer.Handle());
  if (!buffer.IsEmpty() && canvas) {
    framework::TMessage own{WM_PAINT, reinterpret_cast<WPARAM>(canvas.Get()), 0, 0};
    CallDefaultProc(own);
    GetWindowRect(hwnd, &boundsrect);
    try {
      DrawControl(canvas.Get(), client);
    } catch (...) {
      // What was drawn so far is shown.
    }
    const int saved = SaveDC(dc);
    ExcludeChildren(hwnd, dc);
    BitBlt(dc, 0, 0, client.right, client.bottom, canvas.Get(), 0, 0, SRCCOPY);
    RestoreDC(dc, saved);
  }
  EndPaint(hwnd, &paint);
  message.Result = 0;
}

void TSkinComBox::SetPressed(bool pressed) {
  if (pressed == ((state & kSkinPressed) != 0)) return;
  state = pressed ? (state | kSkinPressed) : (state & ~kSkinPressed);
  Redraw();
}

void TSkinComBox::TrackHot(LPARAM point) {
  const POINT at{LOWORD(point), HIWORD(point)};
  const bool over = PtInRect(&rBtn, at) != 0;
  if (!enabled || over == ((state & kSkinHot) != 0)) return;
  state = over ? (state | kSkinHot) : (state & ~kSkinHot);
  if (over && !control) {
    // Raw windows get no leave notification from the framework.
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
    TrackMouseEvent(&track);
  }
  Redraw();
}

void TSkinComBox::AfterProc(framework::TMessage& message) {
  switch (message.Msg) {
    case WM_DRAWITEM:
    case WM_NCPAINT: Redraw(); break;
    case WM_MOUSEMOVE: TrackHot(message.LParam); break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      // A combo that only repaints its text when the focus moves would
      // keep the frame of the state it had.
      Redraw();
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: SetPressed(true); break;
    case WM_LBUTTONUP: SetPressed(false); break;
    case CN_COMMAND_MESSAGE:
      // The list closed while the mouse button was released over it.
      if (HIWORD(message.WParam) == CBN_CLOSEUP) SetPressed(false);
      break;
    case WM_MOUSELEAVE:
    case framework::CM_MOUSELEAVE:
      if (state & kSkinHot) {
        state &= ~kSkinHot;
        Redraw();
      }
      break;
    default: TSkinControl::AfterProc(message); break;
  }
}

int TSkinComBox::StateFrame() const {
  int frame = focused ? 4 : 1;
  if (state & kSkinPressed) {
    frame = 2;
  } else if (state & kSkinHot) {
    frame = 4;
  }
  return enabled ? frame : 3;
}

void TSkinComBox::DrawControl(HDC dc, const RECT& rc) {
  if (!fsd || !HasImage(fsd->combox.get())) return;
  dwStyle = static_cast<uint32_t>(GetWindowLongPtrW(hwnd, GWL_STYLE));
  ExStyle = static_cast<uint32_t>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE));
  if (ReadComboInfo()) {
    rBtn = info.rcButton;
    if (info.stateButton & STATE_SYSTEM_INVISIBLE) return;
  }
  if (fsd->combox->style == kFlatCombo) {
    DrawFlat(dc, rc);
    return;
  }
  const HWND focus = GetFocus();
  focused = focus && (focus == hwnd || IsChild(hwnd, focus));
  enabled = (dwStyle & WS_DISABLED) == 0;
  const int frame = StateFrame();
  if (HasButton) {
    DrawExFrame(dc, rc);
    DrawExButton(dc, frame);
  } else if (fsd->combox->style == kComposedCombo) {
    DrawComposed(dc, rc, frame);
  } else {
    DrawPieces(dc, rc, frame);
  }
}

void TSkinComBox::DrawComposed(HDC dc, const RECT& rc, int frame) {
  const TDataSkinObject* image = ButtonOnLeft(ExStyle) ? fsd->Comboxborder.get() : fsd->combox.get();
  if (!HasImage(image)) return;
  // The text area of the composed image is magenta: the combo's own text
  // shows through.
  DrawSkinFrame(dc, FromRECT(rc), MapHandle(image->Map), image->r, frame, Frames(*image), true, false, false);
}

// An image that was not composed: the border, the button image in the
// button's place and the glyph centred on it.
void TSkinComBox::DrawPieces(HDC dc, const RECT& rc, int frame) {
  const int a = GetSystemMetrics(SM_CXHSCROLL);
  const bool left = ButtonOnLeft(ExStyle);
  const RECT text = left ? RECT{a + 4, 2, rc.right - 2, rc.bottom - 2} : RECT{2, 2, rc.right - a - 4, rc.bottom - 2};
  const RECT button = left ? RECT{0, 0, a + 2, rc.bottom} : RECT{rc.right - a - 2, 0, rc.right, rc.bottom};
  const RECT glyph = left ? RECT{2, 0, a + 2, rc.bottom} : RECT{rc.right - a - 2, 0, rc.right - 2, rc.bottom};
  const int saved = SaveDC(dc);
  ExcludeClipRect(dc, text.left, text.top, text.right, text.bottom);
  if (HasImage(fsd->Comboxborder.get())) {
    DrawSkinMap(dc, rc, fsd->Comboxborder.get(), frame, Frames(*fsd->Comboxborder));
  } else {
    DrawSunkenBorder(dc, rc, fsd->Colors[kSchemeButtonShadow], 1);
  }
  const TDataSkinBorder& combox = *fsd->combox;
  const HBITMAP buttonImage = left && MapHandle(combox.MaskMap) ? MapHandle(combox.MaskMap) : MapHandle(combox.Map);
  DrawSkinMap2(dc, button, buttonImage, frame, Frames(combox));
  rBtn = button;
  if (HasImage(fsd->ExtraImages.get())) {
    const HBITMAP glyphImage = MapHandle(fsd->ExtraImages->Map);
    const SIZE size = BitmapSize(glyphImage);
    const int cell = size.cx / Frames(*fsd->ExtraImages);
    const int x = glyph.left + ((glyph.right - glyph.left) - cell) / 2;
    const int y = glyph.top + ((glyph.bottom - glyph.top) - size.cy) / 2;
    DrawSkinMap1(dc, RECT{x, y, x + cell, y + size.cy}, glyphImage, frame, Frames(*fsd->ExtraImages));
  }
  RestoreDC(dc, saved);
}

// A flat combo: a thin frame, the button cell at the side.
void TSkinComBox::DrawFlat(HDC dc, const RECT& rc) {
  const HWND focus = GetFocus();
  focused = focus && (focus == hwnd || IsChild(hwnd, focus));
  enabled = (dwStyle & WS_DISABLED) == 0;
  int frame = enabled ? 1 : 3;
  if (focused) frame = 4;
  if (state & kSkinPressed) {
    frame = 2;
  } else if (state & kSkinHot) {
    frame = 4;
  }
  const TDataSkinBorder& combox = *fsd->combox;
  const SIZE size = BitmapSize(MapHandle(combox.Map));
  const int cellWidth = size.cx / Frames(combox);
  const int t = GetSystemMetrics(SM_CYVTHUMB);
  const auto brush = static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH));
  RECT inner = rc;
  InflateRect(&inner, -1, -1);
  FrameRect(dc, &inner, brush);
  InflateRect(&inner, -1, -1);
  const bool left = ButtonOnLeft(ExStyle);
  RECT strip = inner;
  if (left) {
    strip.right = std::min(inner.right, inner.left + t);
  } else {
    strip.left = std::max(inner.left, inner.right - t);
  }
  FillRect(dc, &strip, brush);
  RECT button = inner;
  if (left) {
    button.right = std::min(inner.right, inner.left + cellWidth);
  } else {
    button.left = std::max(inner.left, inner.right - cellWidth);
  }
  if (size.cy < t) button.bottom = std::min(button.bottom, button.top + static_cast<LONG>(size.cy));
  FrameSolid(dc, rc, fsd->Colors[kSchemeButtonShadow]);
  rBtn = button;
  DrawSkinMap1(dc, button, MapHandle(combox.Map), frame, Frames(combox));
}

void TSkinComBox::DrawExFrame(HDC dc, const RECT& rc) {
  if (HasOwnBorder(hwnd, rc)) DrawSunkenBorder(dc, rc, fsd->Colors[kSchemeButtonShadow], 1);
}

// An extended combo's button: the hooked child's place, or for a Unicode
// window (whose child is not hooked) the button the combo reports.
void TSkinComBox::DrawExButton(HDC dc, int frame) {
  RECT button = info.rcButton;
  if (hbtn && IsWindow(hbtn)) {
    GetWindowRect(hbtn, &button);
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&button), 2);
  }
  if (button.right <= button.left || button.bottom <= button.top) return;
  FillSolid(dc, FromRECT(button), fsd->Colors[kSchemeButtonFace]);
  if (HasImage(fsd->comboxarrow.get())) {
    DrawSkinMap1(dc, button, MapHandle(fsd->comboxarrow->Map), frame, Frames(*fsd->comboxarrow));
  }
}

}  // namespace lanvero
