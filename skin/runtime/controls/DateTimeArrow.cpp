#include "skin/runtime/controls/DateTimeArrow.h"

#include <algorithm>

#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/image/win/BitmapDC.h"
#include "skin/image/win/SkinDraw.h"
#include "skin/runtime/controls/ChildWindowClass.h"
#include "skin/runtime/controls/DateTimeSkinner.h"

namespace lanvero {
namespace {

constexpr wchar_t kArrowClass[] = L"SkinDateTimeArrow";
constexpr uint8_t kArrowHot = 1;
constexpr int kPickerInset = 4;

bool LeftButton(HWND picker) { return (GetWindowLongPtrW(picker, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0; }

}  // namespace

TArrowButton::TArrowButton(TSkinDateTime& owner) : obj(owner) {}

TArrowButton::~TArrowButton() {
  if (!window_) return;
  // The window no longer reaches this object while it goes.
  UnbindChildWindow(window_);
  DestroyWindow(window_);
  window_ = nullptr;
}

RECT TArrowButton::Placement() const {
  RECT picker{};
  GetWindowRect(hwnd, &picker);
  const int width = picker.right - picker.left, height = picker.bottom - picker.top;
  const int left = LeftButton(hwnd) ? 2 : width - cw - kPickerInset;
  return RECT{left, 0, left + cw, std::max(height - kPickerInset, 0)};
}

void TArrowButton::Attach(HWND picker) {
  hwnd = picker;
  cw = GetSystemMetrics(SM_CXHSCROLL);
  const wchar_t* cls = RegisterChildClass(kArrowClass, &TArrowButton::WndProc);
  if (!cls || !IsWindow(picker)) return;
  const RECT r = Placement();
  CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE, r.left, r.top, r.right - r.left, r.bottom - r.top, picker,
                  nullptr, GetModuleHandleW(nullptr), this);
}

void TArrowButton::MoveArrow(const RECT& r) {
  if (!window_) return;
  const int left = LeftButton(hwnd) ? 2 : r.right - cw - kPickerInset;
  RECT now{};
  GetWindowRect(window_, &now);
  MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&now), 2);
  if (now.left != left) SetWindowPos(window_, nullptr, left, now.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TArrowButton::Resize() {
  if (!window_) return;
  const RECT r = Placement();
  SetWindowPos(window_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(window_, nullptr, FALSE);
}

void TArrowButton::Show(bool visible) {
  if (window_) ShowWindow(window_, visible ? SW_SHOWNA : SW_HIDE);
}

LRESULT CALLBACK TArrowButton::WndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = EnterChildWindow(window, msg, lParam, &TArrowButton::window_);
  if (!self) return DefWindowProcW(window, msg, wParam, lParam);
  // The skinner (and this button with it) is not freed while this runs.
  CallDepthCounted::CallScope scope(self->obj);
  return self->HandleMessage(msg, wParam, lParam);
}

LRESULT TArrowButton::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT: return PaintChildWindow(window_, [this](HDC dc) { Paint(dc); });
    case WM_ERASEBKGND: return 1;
    case WM_MOUSEMOVE: SetHot(true); return 0;
    case WM_MOUSELEAVE: SetHot(false); return 0;
    case WM_LBUTTONDOWN:
      PressPicker(lParam);
      InvalidateRect(window_, nullptr, FALSE);
      return 0;
    case WM_LBUTTONUP: SetFocus(hwnd); return 0;
    default: return DefWindowProcW(window_, msg, wParam, lParam);
  }
}

void TArrowButton::SetHot(bool hot) {
  if (hot && !IsWindowEnabled(hwnd)) return;
  if (hot == ((state & kArrowHot) != 0)) return;
  state = hot ? (state | kArrowHot) : (state & ~kArrowHot);
  if (hot) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window_, 0};
    TrackMouseEvent(&track);
  }
  InvalidateRect(window_, nullptr, FALSE);
}

// The picker gets a click on its own button at the same place.
void TArrowButton::PressPicker(LPARAM point) {
  RECT r{};
  GetWindowRect(window_, &r);
  MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&r), 2);
  const LPARAM at = MAKELPARAM(static_cast<short>(LOWORD(point)) + r.left, static_cast<short>(HIWORD(point)) + r.top);
  PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(hwnd, WM_LBUTTONUP, 0, at);
}

int TArrowButton::Frame() const {
  if (!IsWindowEnabled(hwnd)) return 3;
  return (state & kArrowHot) ? 4 : 1;
}

void TArrowButton::Paint(HDC dc) {
  RECT client{};
  GetClientRect(window_, &client);
  if (client.right <= 0 || client.bottom <= 0 || !obj.fsd) return;
  DibSection buffer = DibSection::Create(client.right, client.bottom);
  BitmapDC canvas(buffer.Handle());
  if (buffer.IsEmpty() || !canvas) return;
  FillSolid(canvas.Get(), FromRECT(client), obj.fsd->Colors[kSchemeButtonFace]);
  if (const TDataSkinObject* image = obj.fsd->comboxarrow.get(); image && MapHandle(image->Map)) {
    DrawSkinFrameStretched(canvas.Get(), FromRECT(client), MapHandle(image->Map), Frame(), std::max(image->frame, 1),
                           false);
  }
  BitBlt(dc, 0, 0, client.right, client.bottom, canvas.Get(), 0, 0, SRCCOPY);
}

}  // namespace lanvero
