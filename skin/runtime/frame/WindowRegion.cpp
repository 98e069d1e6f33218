// The window region of a skinned frame: the client area and menu band, plus
// every border side cut along the magenta pixels of its image.
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

void TWinSkinForm::Cropwindow() {
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
  if (region && SetWindowRgn(Hwnd, region.Get(), TRUE)) {
    region.Release();
    crop = true;
  }
}

void TWinSkinForm::Uncropwindow() {
  if (!crop) return;
  SetWindowRgn(Hwnd, nullptr, FormStyle == sfsMDIChild);
  crop = false;
}

}  // namespace lanvero
