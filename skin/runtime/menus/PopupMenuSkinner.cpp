#include "skin/runtime/menus/PopupMenuSkinner.h"

#include "framework/base/GdiObject.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/image/win/BitmapDC.h"
#include "skin/image/win/SkinDraw.h"
#include "skin/runtime/SkinMessages.h"
#include "skin/runtime/tracking/SkinManager.h"

namespace lanvero {
namespace {

int g_livePopupSkinners = 0;

RECT WindowRectOf(HWND window) {
  RECT rect{};
  GetWindowRect(window, &rect);
  return rect;
}

// The client area in window coordinates.
RECT ClientRectInWindow(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
  const RECT whole = WindowRectOf(window);
  OffsetRect(&client, -whole.left, -whole.top);
  return client;
}

// Copies all of `bitmap` to the origin of `target`.
void BlitWhole(HDC target, const DibSection& bitmap) {
  const BitmapDC source(bitmap.Handle());
  if (source) BitBlt(target, 0, 0, bitmap.Width(), bitmap.Height(), source.Get(), 0, 0, SRCCOPY);
}

}  // namespace

int TWinSkinPopMenu::Live() { return g_livePopupSkinners; }

TWinSkinPopMenu::TWinSkinPopMenu() { ++g_livePopupSkinners; }

TWinSkinPopMenu::~TWinSkinPopMenu() {
  UnSubClass();
  --g_livePopupSkinners;
}

void TWinSkinPopMenu::InitSkin(HWND ahwnd, TSkinData& afsd, HMENU amenu) {
  hwnd = ahwnd;
  fsd = &afsd;
  hmenu = amenu;
  subclassed_ = AttachSubclass(hwnd, *this);
  ownerdraw = false;
}

void TWinSkinPopMenu::UnSubClass() {
  if (!subclassed_) return;
  DetachSubclass(hwnd, *this);
  subclassed_ = false;
  MenuBg = {};
}

LRESULT TWinSkinPopMenu::CallDefault(UINT msg, WPARAM wParam, LPARAM lParam) {
  return CallNextProc(hwnd, msg, wParam, lParam);
}

LRESULT TWinSkinPopMenu::SubclassMessage(HWND, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_SKINQUERY) return 1;
  if (!SkinManagerExists() || !SkinManager().active) return CallDefault(msg, wParam, lParam);
  switch (msg) {
    case WM_DESTROY: UnSubClass(); return CallDefault(msg, wParam, lParam);
    case WM_ERASEBKGND: return EraseBackground(wParam, lParam);
    case WM_NCPAINT: return PaintMenuFrame(wParam, lParam);
    case WM_PAINT:
      if (BorderInClientArea() && HasSkinBackground()) return PaintClient();
      break;
    case WM_PRINT: return PrintMenu(wParam, lParam);
    default: break;
  }
  return CallDefault(msg, wParam, lParam);
}

bool TWinSkinPopMenu::HasSkinBackground() const {
  return fsd && !fsd->Empty && fsd->MenuitemBG && !fsd->MenuitemBG->Map.Empty();
}

bool TWinSkinPopMenu::BorderInClientArea() const {
  const RECT client = ClientRectInWindow(hwnd);
  return client.left == 0 && client.top == 0;
}

void TWinSkinPopMenu::BuildMenuBg() {
  const RECT window = WindowRectOf(hwnd);
  const TDataSkinObject& background = *fsd->MenuitemBG;
  const Rect whole{0, 0, window.right - window.left, window.bottom - window.top};
  MenuBg.image = BuildSkinBitmap(whole, MapHandle(background.Map), background.r, 1, 1, background.Tile == 1, false);
  const RECT client = ClientRectInWindow(hwnd);
  MenuBg.clientOrigin = POINT{client.left, client.top};
  // The menu shown here is known from the first paint on, even before its
  // first item is drawn.
  if (!hmenu) hmenu = reinterpret_cast<HMENU>(CallDefault(MN_GETHMENU, 0, 0));
}

LRESULT TWinSkinPopMenu::EraseBackground(WPARAM wParam, LPARAM lParam) {
  // With xoMenuBG the background painted with the frame stays.
  if (!fsd || !(fsd->Options() & SetOf(xoMenuBG))) CallDefault(WM_ERASEBKGND, wParam, lParam);
  return 1;
}

LRESULT TWinSkinPopMenu::PaintMenuFrame(WPARAM wParam, LPARAM lParam) {
  // A window whose border lies in its client area paints it with the items.
  if (!HasSkinBackground() || wParam != 1 || BorderInClientArea()) return CallDefault(WM_NCPAINT, wParam, lParam);
  framework::WindowDC dc(hwnd, true);
  if (!dc.Get()) return CallDefault(WM_NCPAINT, wParam, lParam);
  BuildMenuBg();
  // The client area keeps what the system erased it with, unless the
  // options ask for the skin background under the items as well.
  framework::SavedDC saved(dc.Get());
  if (!(fsd->Options() & SetOf(xoMenuBG))) {
    const RECT client = ClientRectInWindow(hwnd);
    ExcludeClipRect(dc.Get(), client.left, client.top, client.right, client.bottom);
  }
  BlitWhole(dc.Get(), MenuBg.image);
  return 0;
}

LRESULT TWinSkinPopMenu::PaintClient() {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(hwnd, &paint);
  if (dc) ComposeWindow(dc, WM_PRINTCLIENT, PRF_CLIENT);
  EndPaint(hwnd, &paint);
  return 0;
}

LRESULT TWinSkinPopMenu::PrintMenu(WPARAM wParam, LPARAM lParam) {
  if (!HasSkinBackground()) return CallDefault(WM_PRINT, wParam, lParam);
  ComposeWindow(reinterpret_cast<HDC>(wParam), WM_PRINT, lParam);
  return 0;
}

// The skin background, the system's drawing of the client area (the items,
// owner-drawn ones with their background copied from MenuBg) over it, and
// the skin background again wherever no item is: composed off screen and
// copied once.
void TWinSkinPopMenu::ComposeWindow(HDC target, UINT printMessage, LPARAM printFlags) {
  BuildMenuBg();
  DibSection composed = DibSection::Create(MenuBg.image.Width(), MenuBg.image.Height());
  const BitmapDC memory(composed.Handle());
  if (MenuBg.image.IsEmpty() || !memory) {
    CallDefault(printMessage, reinterpret_cast<WPARAM>(target), printFlags);
    return;
  }
  BlitWhole(memory.Get(), MenuBg.image);
  {
    framework::SavedDC saved(memory.Get());
    const RECT client = ClientRectInWindow(hwnd);
    IntersectClipRect(memory.Get(), client.left, client.top, client.right, client.bottom);
    SetBkMode(memory.Get(), TRANSPARENT);
    CallDefault(printMessage, reinterpret_cast<WPARAM>(memory.Get()), printFlags);
  }
  CoverAroundItems(memory.Get());
  BitBlt(target, 0, 0, composed.Width(), composed.Height(), memory.Get(), 0, 0, SRCCOPY);
}

void TWinSkinPopMenu::CoverAroundItems(HDC dc) const {
  framework::SavedDC saved(dc);
  const RECT window = WindowRectOf(hwnd);
  const int count = hmenu ? GetMenuItemCount(hmenu) : 0;
  for (int i = 0; i < count; ++i) {
    RECT item{};
    if (!GetMenuItemRect(hwnd, hmenu, static_cast<UINT>(i), &item)) continue;
    ExcludeClipRect(dc, item.left - window.left, item.top - window.top, item.right - window.left,
                    item.bottom - window.top);
  }
  BlitWhole(dc, MenuBg.image);
}

}  // namespace lanvero
