#include "skin/runtime/controls/ScrollbarPanel.h"

#include "framework/core/ClassBuilder.h"
#include "skin/runtime/controls/PropertyByName.h"
#include "skin/runtime/controls/ScrollbarInfo.h"
#include "skin/runtime/controls/SkinControl.h"

namespace lanvero {
namespace {

using framework::TMessage;

int32_t Along(const RECT& r, bool vertical) { return vertical ? r.bottom - r.top : r.right - r.left; }
int32_t Along(POINT p, bool vertical) { return vertical ? p.y : p.x; }

bool LowerCaseEquals(std::wstring text, std::wstring_view expected) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(towlower(c));
  return text == expected;
}

bool SameWindowClass(HWND a, HWND b) {
  wchar_t first[64] = {}, second[64] = {};
  return GetClassNameW(a, first, 64) && GetClassNameW(b, second, 64) && std::wstring_view(first) == second;
}

// A control's panels sit directly above it in the z-order, the other bar's
// panel possibly between. A panel already there is left alone: raising it
// anyway would swap the two panels on every update, and each swap makes the
// control's frame and both panels paint again.
bool SitsJustAbove(HWND panel, HWND control) {
  const HWND first = GetWindow(control, GW_HWNDPREV);
  if (first == panel) return true;
  return first && SameWindowClass(first, panel) && GetWindow(first, GW_HWNDPREV) == panel;
}

}  // namespace

const framework::ClassInfo& TWScrollbar::StaticClassInfo() {
  static const framework::ClassInfo info =
      framework::ClassBuilder<TWScrollbar>("TWScrollbar", &framework::TCustomControl::StaticClassInfo()).Build();
  return info;
}

TWScrollbar::TWScrollbar(framework::TComponent* AOwner) : framework::TCustomControl(AOwner) {
  CW = GetSystemMetrics(SM_CXHSCROLL);
  SetTabStop(false);
  SetVisible(false);
}

void TWScrollbar::CreateParams(framework::TCreateParams& params) {
  framework::TCustomControl::CreateParams(params);
  params.exStyle = WS_EX_TOOLWINDOW;
}

void TWScrollbar::Attach(TSkinControl* aobj, framework::TWinControl* aControl, uint8_t aType) {
  if (!aControl) return;
  control = aControl;
  if (aobj && aobj->fsd) {
    SetColor(aobj->GetParentColor(static_cast<framework::TColor>(aobj->fsd->Colors[kSchemeButtonFace])));
  }
  AttachHwnd(aobj, aControl->Handle(), aType);
}

void TWScrollbar::AttachHwnd(TSkinControl* aobj, HWND ahwnd, uint8_t aType) {
  obj = aobj;
  hwnd = ahwnd;
  sbType = aType;
  sbDir = aType == kScrollBarControl ? 0 : aType;
  if (aType == kScrollBarControl) {
    const bool horizontal = control ? LowerCaseEquals(GetEnumPropByName(control, "Kind"), L"sbhorizontal")
                                    : (GetWindowLongPtrW(ahwnd, GWL_STYLE) & SBS_VERT) == 0;
    sbDir = horizontal ? 0 : 1;
  }
  SetParentWindow(GetParent(ahwnd));
  SetPosition(ahwnd);
}

void TWScrollbar::Detach() {
  obj = nullptr;
  control = nullptr;
  hwnd = nullptr;
  fdown = false;
  if (HandleAllocated()) ShowWindow(WindowHandle(), SW_HIDE);
}

bool TWScrollbar::ControlScrollInfo(RECT& bar, ThumbExtent& thumb) {
  if (!GetWindowRect(hwnd, &bar)) return false;
  MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&bar), 2);
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
  if (!GetScrollInfo(hwnd, SB_CTL, &info)) return false;
  Len = Along(bar, IsVertical());
  thumb = ControlThumb(Len, CW, ScrollRange{info.nMin, info.nMax, info.nPage, info.nPos});
  return true;
}

bool TWScrollbar::ReadBar(RECT& bar, ThumbExtent& thumb, bool& shown, bool& enabled) {
  if (!hwnd || !IsWindow(hwnd)) return false;
  if (!IsWindowBar()) {
    if (!ControlScrollInfo(bar, thumb)) return false;
    shown = (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
    enabled = IsWindowEnabled(hwnd) != FALSE;
    return true;
  }
  SCROLLBARINFO info;
  if (!SkinScrollBarInfo(hwnd, sbType == kWindowVertBar ? OBJID_VSCROLL : OBJID_HSCROLL, info)) return false;
  bar = info.rcScrollBar;
  thumb = ThumbExtent{info.xyThumbTop, info.xyThumbBottom};
  shown = ScrollBarShown(info);
  enabled = ScrollBarEnabled(info);
  return true;
}

void TWScrollbar::SetPosition(HWND ahwnd) {
  hwnd = ahwnd;
  RECT bar{};
  ThumbExtent thumb;
  bool shown = false, enabled = false;
  sbVisible = ReadBar(bar, thumb, shown, enabled);
  const bool skinDrawable = obj && obj->fsd && obj->fsd->SArrow;
  if (!sbVisible || !shown || !skinDrawable || !(GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_VISIBLE)) {
    HideScrollbar();
    return;
  }
  RECT place = bar;
  if (IsWindowBar()) {
    OffsetSC = POINT{bar.left, bar.top};
    sbRect = bar;
    MapWindowPoints(HWND_DESKTOP, hwnd, reinterpret_cast<POINT*>(&sbRect), 2);
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&place), 2);
  } else {
    sbRect = bar;
  }
  Len = Along(bar, IsVertical());
  thumbTop = thumb.start;
  thumbbottom = thumb.end;
  const bool moved = Left() != place.left || Top() != place.top || Width() != place.right - place.left ||
                     Height() != place.bottom - place.top;
  SetBounds(place.left, place.top, place.right - place.left, place.bottom - place.top);
  // Into its place in the z-order as it shows, in one move: a new panel
  // shown on top and lowered afterwards would have the windows around it
  // erased again.
  const HWND panel = Handle();
  if (!SitsJustAbove(panel, hwnd)) {
    const HWND above = GetWindow(hwnd, GW_HWNDPREV);
    SetWindowPos(panel, above ? above : HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | (Visible() ? 0 : SWP_SHOWWINDOW));
  }
  SetVisible(true);
  if (!moved) RepaintBar();
}

void TWScrollbar::HideScrollbar() {
  sbVisible = false;
  SetVisible(false);
}

void TWScrollbar::RepaintBar() {
  if (!HandleAllocated() || !IsWindowVisible(WindowHandle())) return;
  bool barShown = true;
  const std::optional<PanelLook> look = LookNow(barShown);
  if (look && picture_.Shows(*look)) return;
  InvalidateRect(WindowHandle(), nullptr, FALSE);
  UpdateWindow(WindowHandle());
}

ScrollPart TWScrollbar::HitPart(LPARAM point) const {
  const int32_t along = IsVertical() ? HIWORD(point) : LOWORD(point);
  return HitScrollPart(along, CW, ThumbExtent{thumbTop, thumbbottom}, Len);
}

void TWScrollbar::TrackThumb() {
  POINT cursor{};
  GetCursorPos(&cursor);
  const int32_t travel = Along(cursor, IsVertical()) - Along(trackp, IsVertical());
  const ThumbExtent thumb = TrackedThumb(ThumbExtent{thumbTop, thumbbottom}, trackthumb, travel, CW, Len);
  thumbTop = thumb.start;
  thumbbottom = thumb.end;
}

void TWScrollbar::MouseMoved(LPARAM point) {
  const ScrollPart part = HitPart(point);
  if (part != scrollpos) {
    scrollpos = part;
    RepaintBar();
  }
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, WindowHandle(), 0};
  TrackMouseEvent(&track);
}

void TWScrollbar::MouseLeft() {
  if (fdown) return;
  scrollpos = kPartNone;
  RepaintBar();
}

void TWScrollbar::Press(const TMessage& message) {
  GetCursorPos(&trackp);
  RECT bar{};
  ThumbExtent thumb;
  bool shown = false, enabled = false;
  if (ReadBar(bar, thumb, shown, enabled)) {
    trackthumb = thumb.start;
    thumbTop = thumb.start;
    thumbbottom = thumb.end;
    Len = Along(bar, IsVertical());
    if (IsWindowBar()) OffsetSC = POINT{bar.left, bar.top};
  }
  scrollpos = HitPart(message.LParam);
  LPARAM point = message.LParam;
  if (IsWindowBar()) point = MAKELPARAM(OffsetSC.x + message.X(), OffsetSC.y + message.Y());
  fdown = true;
  RepaintBar();
  ReleaseCapture();
  const HWND target = hwnd;
  if (IsWindowBar()) {
    SendMessageW(target, WM_NCLBUTTONDOWN, sbType == kWindowVertBar ? HTVSCROLL : HTHSCROLL, point);
  } else {
    SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, point);
  }
  // The native bar's tracking loop has returned: the press is over. The
  // skinner may have let go of the panel meanwhile (re-skin, window gone).
  fdown = false;
  ReleaseCapture();
  if (obj) RepaintBar();
}

void TWScrollbar::Release(const TMessage& message) {
  LPARAM point = message.LParam;
  if (IsWindowBar()) point = MAKELPARAM(OffsetSC.x + message.X(), OffsetSC.y + message.Y());
  ButtonUp();
  if (!hwnd) return;
  if (IsWindowBar()) {
    PostMessageW(hwnd, WM_NCLBUTTONUP, sbType == kWindowVertBar ? HTVSCROLL : HTHSCROLL, point);
  } else {
    PostMessageW(hwnd, WM_LBUTTONUP, MK_LBUTTON, point);
  }
}

void TWScrollbar::ButtonUp() {
  fdown = false;
  ReleaseCapture();
  if (sbType == kScrollBarControl) RepaintBar();
}

void TWScrollbar::WndProc(TMessage& message) {
  CallScope scope(*this);
  switch (message.Msg) {
    case WM_ERASEBKGND: message.Result = 1; return;
    case WM_PAINT: {
      // The whole panel, whatever part the system asks for: the panel then
      // shows its kept picture all over, and a later RepaintBar of the same
      // look has nothing to paint.
      InvalidateRect(WindowHandle(), nullptr, FALSE);
      PAINTSTRUCT paint{};
      HDC dc = BeginPaint(WindowHandle(), &paint);
      PaintPanel(dc);
      EndPaint(WindowHandle(), &paint);
      message.Result = 0;
      return;
    }
    default: break;
  }
  framework::TCustomControl::WndProc(message);
  if (!obj) return;
  switch (message.Msg) {
    case WM_MOUSEMOVE: MouseMoved(message.LParam); break;
    case WM_MOUSELEAVE: MouseLeft(); break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: Press(message); break;
    case WM_LBUTTONUP: Release(message); break;
    default: break;
  }
}

void PanelRelease::operator()(TWScrollbar* panel) const {
  if (!panel) return;
  panel->Detach();
  CallDepthCounted::Retire(std::unique_ptr<TWScrollbar>(panel));
}

ScrollbarPanel MakeScrollbarPanel() { return ScrollbarPanel(new TWScrollbar(nullptr)); }

}  // namespace lanvero
