// The window region of a skinned frame: the client area and menu band, plus
// every border side cut along the magenta pixels of its image; and the
// skinned frame's size and region put on a shown window with one repaint.
#include <vector>

#include "skin/image/win/DibSection.h"
#include "skin/runtime/frame/WinSkinForm.h"
#include "skin/runtime/frame/WindowRegion.h"
#include "skin/runtime/geometry/RegionRuns.h"

namespace lanvero {
namespace {

constexpr size_t kRectsPerRegion = 2000;

framework::UniqueRegion RectRegion(const Rect& r) {
  return framework::UniqueRegion(CreateRectRgn(r.left, r.top, r.right, r.bottom));
}

// One region from up to kRectsPerRegion rectangles.
framework::UniqueRegion RegionFromRects(const Rect* rects, size_t count) {
  std::vector<char> buffer(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = static_cast<DWORD>(count);
  data->rdh.nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
  RECT bounds{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  auto* out = reinterpret_cast<RECT*>(data->Buffer);
  for (size_t i = 0; i < count; ++i) {
    out[i] = ToRECT(rects[i]);
    bounds.left = std::min(bounds.left, out[i].left);
    bounds.top = std::min(bounds.top, out[i].top);
    bounds.right = std::max(bounds.right, out[i].right);
    bounds.bottom = std::max(bounds.bottom, out[i].bottom);
  }
  data->rdh.rcBound = bounds;
  return framework::UniqueRegion(ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data));
}

void AddInto(framework::UniqueRegion& target, framework::UniqueRegion part) {
  if (!part) return;
  if (!target) {
    target = std::move(part);
    return;
  }
  CombineRgn(target.Get(), target.Get(), part.Get(), RGN_OR);
}

}  // namespace

framework::UniqueRegion BitmapToRegion(const PixelView& pixels, int32_t x, int32_t y) {
  const std::vector<Rect> runs = OpaqueRuns(pixels, x, y);
  framework::UniqueRegion result(CreateRectRgn(0, 0, 0, 0));
  for (size_t start = 0; start < runs.size(); start += kRectsPerRegion) {
    const size_t count = std::min(kRectsPerRegion, runs.size() - start);
    AddInto(result, RegionFromRects(runs.data() + start, count));
  }
  return result;
}

framework::UniqueRegion TWinSkinForm::BuildFrameRegion(int width, int height) {
  const FrameLayout layout = LayoutFrame(width, height, bw, MenuHeight);
  framework::UniqueRegion region = RectRegion(Rect{bw.left, bw.top, width - bw.right, height - bw.bottom});
  if (FormBorder == sbsNone) return region;
  auto side = [&](int edge, const Rect& rect, bool fromBitmap) {
    if (fsd->border[edge]->trans == 1 && fromBitmap) {
      const DibSection& bitmap = BorderBitmap(edge, rect);
      GdiFlush();
      if (!bitmap.IsEmpty()) return BitmapToRegion(bitmap.View(), rect.left, rect.top);
    }
    return RectRegion(rect);
  };
  framework::UniqueRegion left = side(kEdgeLeft, layout.left, height > 1);
  AddInto(left, side(kEdgeRight, layout.right, height > 1));
  framework::UniqueRegion bottom = side(kEdgeBottom, layout.bottom, bw.bottom > 1);
  AddInto(bottom, side(kEdgeTop, layout.caption, bw.top > 1 && width - bw.left - bw.right > 0));
  AddInto(left, std::move(bottom));
  AddInto(region, std::move(left));
  return region;
}

void TWinSkinForm::Cropwindow(bool redraw) {
  if (Skinstate == kFrameDestroyed || !sMainMenu || !fsd || fsd->Empty) return;
  RECT window{};
  if (!GetWindowRect(Hwnd, &window)) return;
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  if (width <= 0 || height <= 0) return;
  if (FormStyle == sfsMDIChild) {
    if (Windowstate != swsNormal) return;
  } else if (width == crwidth && height == crheight && crop && Skinstate != kFrameChanging) {
    return;
  }
  bool anyCut = false;
  for (const auto& border : fsd->border) anyCut = anyCut || border->trans != 0;
  framework::UniqueRegion region;
  if (!anyCut) {
    region = RectRegion(Rect{0, 0, width, height});
  } else {
    crwidth = width;
    crheight = height;
    region = BuildFrameRegion(width, height);
  }
  // The region belongs to the system once it is set; a refused one is ours
  // to delete, and the window keeps the region it had.
  crop = false;
  if (region && SetWindowRgn(Hwnd, region.Get(), redraw)) {
    region.Release();
    crop = true;
  }
}

// The new size and the region go in without painting, then what changed is
// invalidated once. Left to themselves, the resize and the region would each
// repaint the whole window with all its controls at once, before the first
// real paint, which paints everything again.
//
// A window that has just been shown has not painted yet: its controls were
// erased as it showed and wait for their first paint. When its client area
// only moves to where the skinned frame puts it, its pixels go along and
// only the new frame needs painting. A window that has painted already
// (skinned later, or skinned anew), or whose client area changed size (a
// message box grown to fit its caption), is repainted whole.
void TWinSkinForm::ReframeShownWindow() {
  RECT before{}, clientBefore{}, clientAfter{};
  GetWindowRect(Hwnd, &before);
  GetClientRect(Hwnd, &clientBefore);
  const bool firstPaintPending = AwaitsFirstPaint();
  Skinstate = kFrameResizing;
  ResizeToClient(false, SWP_NOREDRAW | (firstPaintPending ? 0 : SWP_NOCOPYBITS));
  Skinstate = kFrameRunning;
  Cropwindow(false);
  GetClientRect(Hwnd, &clientAfter);
  RepaintReframed(before, firstPaintPending && EqualRect(&clientBefore, &clientAfter));
}

void TWinSkinForm::RepaintReframed(const RECT& before, bool onlyTheFrameIsNew) {
  const UINT repaint = onlyTheFrameIsNew ? RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN
                                         : RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN;
  RedrawWindow(Hwnd, nullptr, nullptr, repaint);
  InvalidateUncovered(before);
}

bool TWinSkinForm::AwaitsFirstPaint() const {
  RECT client{}, pending{};
  GetClientRect(Hwnd, &client);
  return !IsRectEmpty(&client) && GetUpdateRect(Hwnd, &pending, FALSE) && EqualRect(&client, &pending);
}

void TWinSkinForm::InvalidateUncovered(const RECT& before) const {
  RECT after{};
  if (!GetWindowRect(Hwnd, &after)) return;
  framework::UniqueRegion uncovered = RectRegion(FromRECT(before));
  framework::UniqueRegion covered = RectRegion(Rect{0, 0, after.right - after.left, after.bottom - after.top});
  if (!uncovered || !covered) return;
  // A window with a region covers only that region.
  GetWindowRgn(Hwnd, covered.Get());
  OffsetRgn(covered.Get(), after.left, after.top);
  if (CombineRgn(uncovered.Get(), uncovered.Get(), covered.Get(), RGN_DIFF) == NULLREGION) return;
  RedrawWindow(GetDesktopWindow(), nullptr, uncovered.Get(), RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TWinSkinForm::Uncropwindow() {
  if (!crop) return;
  SetWindowRgn(Hwnd, nullptr, FormStyle == sfsMDIChild);
  crop = false;
}

}  // namespace lanvero
