#include "skin/runtime/controls/UpDownSkinner.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/image/win/BitmapDC.h"
#include "skin/image/SysColors.h"
#include "skin/image/win/SkinDraw.h"

namespace lanvero {
namespace {

constexpr Color kWhite = 0xFFFFFF;
constexpr int kEditBorderClearance = 3;
constexpr int kFramesPerButton = 4;

void Line(HDC dc, int x, int y, int x1, int y1, int x2, int y2) {
  MoveToEx(dc, x + x1, y + y1, nullptr);
  LineTo(dc, x + x2, y + y2);
}

void Polyline(HDC dc, int x, int y, std::initializer_list<POINT> points) {
  std::vector<POINT> moved(points);
  for (POINT& p : moved) p = {p.x + x, p.y + y};
  ::Polyline(dc, moved.data(), static_cast<int>(moved.size()));
}

bool HasImage(const TDataSkinObject* object) { return object && MapHandle(object->Map); }

}  // namespace

void DrawArrowMark(HDC dc, int x, int y, int type) {
  switch (type) {
    case kSpinUp:
      Line(dc, x, y, 0, 0, 0, -1);
      Line(dc, x, y, 1, 1, 4, 4);
      Line(dc, x, y, 0, 1, 3, 4);
      Line(dc, x, y, 0, 2, 2, 4);
      Line(dc, x, y, -1, 1, -4, 4);
      Line(dc, x, y, 0, 2, -3, 4);
      Line(dc, x, y, 0, 1, -2, 4);
      break;
    case kSpinDown:
      Line(dc, x, y, 0, 3, 0, 4);
      Line(dc, x, y, 1, 2, 4, -1);
      Line(dc, x, y, 0, 2, 3, -1);
      Line(dc, x, y, 0, 1, 2, 0);
      Line(dc, x, y, -1, 2, -4, -1);
      Line(dc, x, y, 0, 2, -3, -1);
      Line(dc, x, y, 0, 1, -2, 0);
      break;
    case kSpinLeft: Polyline(dc, x, y, {{0, 0}, {1, 2}, {1, -2}, {-1, 0}, {1, 2}}); break;
    case kSpinRight: Polyline(dc, x, y, {{0, 0}, {-1, 2}, {-1, -2}, {1, 0}, {-1, 2}}); break;
    default: break;
  }
}

bool TSkinUpDown::BeforeProc(framework::TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT: WMPaint(message); return false;
    case WM_ERASEBKGND: {
      if (!control) {
        RECT client{};
        GetClientRect(hwnd, &client);
        FillSolid(reinterpret_cast<HDC>(message.WParam), FromRECT(client), kWhite);
      }
      message.Result = 1;
      return false;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      // The control's own procedure starts its repeat and capture first.
      CallDefaultProc(message);
      state |= kSkinPressed;
      PaintControl(nullptr);
      return false;
    case WM_LBUTTONUP:
      state &= ~kSkinPressed;
      CallDefaultProc(message);
      PaintControl(nullptr);
      return false;
    default: return TSkinControl::BeforeProc(message);
  }
}

bool TSkinUpDown::Horizontal() const { return (GetWindowLongPtrW(hwnd, GWL_STYLE) & UDS_HORZ) != 0 || dir == 1; }

// An up-down inside an edit never draws over the edit's outer three pixels.
RECT TSkinUpDown::KeepInsideEdit(const RECT& rc) const {
  RECT edit{};
  const HWND parent = GetParent(hwnd);
  if (!parent || !GetWindowRect(parent, &edit)) return rc;
  RECT r = rc;
  const int topGap = boundsrect.top - edit.top;
  const int bottomGap = edit.bottom - boundsrect.bottom;
  const int rightGap = edit.right - boundsrect.right;
  if (topGap < kEditBorderClearance) r.top += kEditBorderClearance - topGap;
  if (bottomGap < kEditBorderClearance) r.bottom -= kEditBorderClearance - bottomGap;
  if (rightGap < kEditBorderClearance) r.right -= kEditBorderClearance - rightGap;
  return r;
}

int TSkinUpDown::HalfFrame(const RECT& half, POINT cursor) const {
  if (!enabled) return 3;
  if (!PtInRect(&half, cursor)) return 1;
  if (state & kSkinPressed) return 2;
  return (state & kSkinHot) ? 4 : 1;
}

void TSkinUpDown::DrawControl(HDC dc, const RECT& rc) {
  if (!fsd) return;
  RECT area = inedit ? KeepInsideEdit(rc) : rc;
  const int width = rc.right - rc.left, height = rc.bottom - rc.top;
  if (width <= 0 || height <= 0) return;
  DibSection buffer = DibSection::Create(width, height);
  BitmapDC canvas(buffer.Handle());
  if (buffer.IsEmpty() || !canvas) return;
  HDC mem = canvas.Get();
  FillSolid(mem, FromRECT(rc), inedit ? kWhite : fsd->Colors[kSchemeButtonFace]);
  if (area.right > area.left && area.bottom > area.top) {
    FillSolid(mem, FromRECT(area), fsd->Colors[kSchemeButtonFace]);
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(hwnd, &cursor);
    enabled = (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_DISABLED) == 0;
    const bool horizontal = Horizontal();
    RECT first = area, second = area;
    if (horizontal) {
      first.right = second.left = area.left + (area.right - area.left) / 2;
    } else {
      first.bottom = second.top = area.top + (area.bottom - area.top) / 2;
    }
    const int firstType = horizontal ? kSpinLeft : kSpinUp;
    const TDataSkinBorder* image = horizontal ? fsd->HSpin.get() : fsd->VSpin.get();
    for (int i = 0; i < 2; ++i) {
      const RECT& half = i == 0 ? first : second;
      const int frame = HalfFrame(half, cursor);
      if (HasImage(image)) {
        DrawSpinSkin(mem, half, firstType + i, frame);
      } else {
        DrawSpinPlain(mem, half, firstType + i, frame);
      }
    }
  }
  BitBlt(dc, rc.left, rc.top, width, height, mem, 0, 0, SRCCOPY);
}

void TSkinUpDown::DrawSpinSkin(HDC dc, const RECT& r, int type, int frame) const {
  const bool vertical = type == kSpinUp || type == kSpinDown;
  const TDataSkinBorder& image = vertical ? *fsd->VSpin : *fsd->HSpin;
  const int index = vertical ? frame + kFramesPerButton * type : frame + kFramesPerButton * type - 8;
  const int count = std::max(image.frame, 1);
  DrawSkinFrameStretched(dc, FromRECT(r), MapHandle(image.Map), index, count, true);
  const HBITMAP glyph = MapHandle(image.MaskMap);
  if (!glyph) return;
  const SIZE size = BitmapSize(glyph);
  const int cellWidth = size.cx / count;
  const int x = r.left + ((r.right - r.left) - cellWidth) / 2;
  const int y = r.top + ((r.bottom - r.top) - size.cy) / 2;
  DrawSkinFrameStretched(dc, Rect{x, y, x + cellWidth, y + size.cy}, glyph, index, count, true);
}

void TSkinUpDown::DrawSpinPlain(HDC dc, const RECT& r, int type, int frame) const {
  const Color fill = (frame == 1 || frame == 3) ? fsd->Colors[kSchemeButtonFace] : fsd->Colors[kSchemeButtonShadow];
  const framework::UniqueBrush brush(CreateSolidBrush(ResolveColor(fill)));
  const framework::UniquePen pen(CreatePen(PS_SOLID, 1, ResolveColor(fsd->Colors[kSchemeButtonDkShadow])));
  const HGDIOBJ oldBrush = SelectObject(dc, brush.Get());
  const HGDIOBJ oldPen = SelectObject(dc, pen.Get());
  Rectangle(dc, r.left, r.top, r.right, r.bottom);
  const bool vertical = type == kSpinUp || type == kSpinDown;
  DrawArrowMark(dc, r.left + (r.right - r.left) / 2, r.top + (r.bottom - r.top) / 2 - (vertical ? 2 : 0), type);
  SelectObject(dc, oldPen);
  SelectObject(dc, oldBrush);
}

}  // namespace lanvero
