#include "skin/runtime/controls/TrackBarSkinner.h"

#include <algorithm>

#include "framework/base/Messages.h"
#include "framework/controls/WinControl.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/image/SysColors.h"
#include "skin/image/win/BitmapDC.h"

namespace lanvero {
namespace {

constexpr int kThumbFrame = 2;
constexpr int kThumbFrames = 5;

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

// Fixed ends that together fit into `size` pixels (a skin may give more).
std::pair<int, int> FittingEnds(int first, int second, int size) {
  first = std::clamp(first, 0, std::max(size, 0));
  second = std::clamp(second, 0, std::max(size - first, 0));
  return {first, second};
}

// The channel image across a horizontal channel: fixed left and right
// ends, the middle stretched, centred vertically.
void DrawHorizontalChannel(HDC dc, const RECT& c, HDC image, SIZE size, const Margins& m) {
  const auto [left, right] = FittingEnds(m.left, m.right, std::min<int>(size.cx, Width(c)));
  const int y = size.cy < Height(c) ? (Height(c) - size.cy) / 2 : 0;
  const int middle = Width(c) - left - right, sourceMiddle = size.cx - left - right;
  StretchBlt(dc, c.left, c.top + y, left, size.cy, image, 0, 0, left, size.cy, SRCCOPY);
  if (middle > 0 && sourceMiddle > 0) {
    StretchBlt(dc, c.left + left, c.top + y, middle, size.cy, image, left, 0, sourceMiddle, size.cy, SRCCOPY);
  }
  StretchBlt(dc, c.right - right, c.top + y, right, size.cy, image, size.cx - right, 0, right, size.cy, SRCCOPY);
}

// The same along a vertical channel: fixed top and bottom ends.
void DrawVerticalChannel(HDC dc, const RECT& c, HDC image, SIZE size, const Margins& m) {
  const auto [top, bottom] = FittingEnds(m.top, m.bottom, std::min<int>(size.cy, Height(c)));
  const int x = size.cx < Width(c) ? (Width(c) - size.cx) / 2 : 0;
  const int middle = Height(c) - top - bottom, sourceMiddle = size.cy - top - bottom;
  StretchBlt(dc, c.left + x, c.top, size.cx, top, image, 0, 0, size.cx, top, SRCCOPY);
  if (middle > 0 && sourceMiddle > 0) {
    StretchBlt(dc, c.left + x, c.top + top, size.cx, middle, image, 0, top, size.cx, sourceMiddle, SRCCOPY);
  }
  StretchBlt(dc, c.left + x, c.bottom - bottom, size.cx, bottom, image, 0, size.cy - bottom, size.cx, bottom, SRCCOPY);
}

}  // namespace

bool TSkinTrackBar::BeforeProc(framework::TMessage& message) {
  if (message.Msg == WM_NOTIFY || message.Msg == framework::CN_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
    if (header && header->code == static_cast<UINT>(NM_CUSTOMDRAW)) {
      message.Result = CustomDraw(*reinterpret_cast<const NMCUSTOMDRAW*>(message.LParam));
      return false;
    }
    return true;
  }
  return TSkinControl::BeforeProc(message);
}

LRESULT TSkinTrackBar::CustomDraw(const NMCUSTOMDRAW& draw) {
  if (draw.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  if (draw.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
  try {
    if (draw.dwItemSpec == TBCD_THUMB) {
      DrawThumb(draw.hdc);
      return CDRF_SKIPDEFAULT;
    }
    if (draw.dwItemSpec == TBCD_CHANNEL) {
      DrawChannel(draw.hdc);
      return CDRF_SKIPDEFAULT;
    }
  } catch (...) {
    return CDRF_SKIPDEFAULT;  // painting goes on without the piece
  }
  return CDRF_DODEFAULT;
}

bool TSkinTrackBar::Vertical() const { return GetWindowLongPtrW(hwnd, GWL_STYLE) & TBS_VERT; }

void TSkinTrackBar::DrawChannel(HDC dc) {
  if (!fsd) return;
  RECT channel{};
  SendMessageW(hwnd, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  const TDataSkinObject* image = Vertical() && fsd->TrackBarVert ? fsd->TrackBarVert.get() : fsd->TrackBar.get();
  HBITMAP bitmap = image ? MapHandle(image->Map) : nullptr;
  BitmapDC source(bitmap);
  if (!source) return;
  const SIZE size = BitmapSize(bitmap);
  if (Vertical() && fsd->TrackBarVert) {
    // The system reports a vertical channel with x and y exchanged; a
    // channel wider than high is such a report.
    if (Width(channel) > Height(channel)) channel = RECT{channel.top, channel.left, channel.bottom, channel.right};
    DrawVerticalChannel(dc, channel, source.Get(), size, image->r);
  } else {
    DrawHorizontalChannel(dc, channel, source.Get(), size, image->r);
  }
}

void TSkinTrackBar::DrawThumb(HDC dc) {
  if (control) hwnd = control->WindowHandle();
  if (!hwnd || !IsWindow(hwnd) || !fsd) return;
  RECT thumb{};
  SendMessageW(hwnd, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  const TDataSkinObject* image = Vertical() && fsd->TrackVert ? fsd->TrackVert.get() : fsd->TrackHorz.get();
  if (HBITMAP bitmap = image ? MapHandle(image->Map) : nullptr) {
    DrawSkinMap1(dc, thumb, bitmap, kThumbFrame, kThumbFrames);
    return;
  }
  framework::UniquePen pen(CreatePen(PS_SOLID, 1, ResolveColor(fsd->Colors[kSchemeButtonShadow])));
  framework::SelectGuard selectedPen(dc, pen.Get());
  framework::SelectGuard selectedBrush(dc, GetStockObject(WHITE_BRUSH));
  Rectangle(dc, thumb.left, thumb.top, thumb.right, thumb.bottom);
}

}  // namespace lanvero
