#include "skin/runtime/controls/EditBorder.h"

#include "skin/image/win/SkinDraw.h"

namespace lanvero {
namespace {

constexpr Color kWhite = 0xFFFFFF;

}  // namespace

bool HasOwnBorder(HWND hwnd, const RECT& windowRect) {
  RECT client{};
  if (!GetClientRect(hwnd, &client)) return false;
  return client.right != windowRect.right - windowRect.left && client.bottom != windowRect.bottom - windowRect.top;
}

bool BorderWiderThan(HWND hwnd, int width) {
  RECT window{}, client{};
  if (!GetWindowRect(hwnd, &window) || !GetClientRect(hwnd, &client)) return false;
  POINT origin{0, 0};
  ClientToScreen(hwnd, &origin);
  return origin.x - window.left > width || origin.y - window.top > width ||
         window.right - (origin.x + client.right) > width || window.bottom - (origin.y + client.bottom) > width;
}

void FrameSolid(HDC dc, const RECT& rc, Color color) {
  if (rc.right <= rc.left || rc.bottom <= rc.top) return;
  FillSolid(dc, Rect{rc.left, rc.top, rc.right, rc.top + 1}, color);
  FillSolid(dc, Rect{rc.left, rc.bottom - 1, rc.right, rc.bottom}, color);
  FillSolid(dc, Rect{rc.left, rc.top, rc.left + 1, rc.bottom}, color);
  FillSolid(dc, Rect{rc.right - 1, rc.top, rc.right, rc.bottom}, color);
}

void DrawSunkenBorder(HDC dc, const RECT& rc, Color shadow, int whiteLines) {
  FrameSolid(dc, rc, shadow);
  RECT inner = rc;
  for (int i = 0; i < whiteLines; ++i) {
    InflateRect(&inner, -1, -1);
    FrameSolid(dc, inner, kWhite);
  }
}

}  // namespace lanvero
