#include "skin/runtime/controls/ProgressSkinner.h"

#include <commctrl.h>

#include <algorithm>

#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/image/ImgUtil.h"
#include "skin/image/win/SkinDraw.h"
#include "skin/runtime/controls/OffscreenBitmap.h"

namespace lanvero {
namespace {

constexpr Color kMagenta = 0xFF00FF;

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

struct ProgressState {
  int position = 0, low = 0, high = 0;
};

ProgressState ReadProgress(HWND bar) {
  return {static_cast<int>(SendMessageW(bar, PBM_GETPOS, 0, 0)),
          static_cast<int>(SendMessageW(bar, PBM_GETRANGE, TRUE, 0)),
          static_cast<int>(SendMessageW(bar, PBM_GETRANGE, FALSE, 0))};
}

// Frame `frame` of `count` of `object` built at `area`'s size and drawn
// there, magenta transparent.
void DrawFrameOver(HDC dc, const Rect& area, const TDataSkinObject& object, int frame, int count, bool tile) {
  const DibSection built = BuildSkinBitmap(Rect{0, 0, area.Width(), area.Height()}, MapHandle(object.Map), object.r,
                                           frame, count, tile, false);
  if (!built.IsEmpty()) TransparentBlit(dc, area, built.Handle(), kMagenta);
}

}  // namespace

bool TSkinProgress::BeforeProc(framework::TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      if (!fsd || !fsd->progress || !MapHandle(fsd->progress->Map)) return TSkinControl::BeforeProc(message);
      WMPaint(message);
      message.Result = 0;
      return false;
    case WM_ERASEBKGND: message.Result = 1; return false;
    default: return TSkinControl::BeforeProc(message);
  }
}

bool TSkinProgress::Vertical() const { return GetWindowLongPtrW(hwnd, GWL_STYLE) & PBS_VERTICAL; }

void TSkinProgress::CopyTurned(const OffscreenBitmap& flat, HDC dc, const RECT& rc) const {
  if (!Vertical()) return flat.CopyTo(dc, rc.left, rc.top);
  GdiFlush();
  PixelImage image = flat.Bitmap().ToImage();
  RotateBitmapLeft(image);
  const DibSection turned = DibSection::FromImage(image);
  BitmapDC source(turned.Handle());
  if (source) BitBlt(dc, rc.left, rc.top, turned.Width(), turned.Height(), source.Get(), 0, 0, SRCCOPY);
}

void TSkinProgress::DrawControl(HDC dc, const RECT& rc) {
  const TDataSkinBorder* bar = fsd ? fsd->progress.get() : nullptr;
  if (!bar || !MapHandle(bar->Map)) return;
  if (bar->style == 1) return DrawControl1(dc, rc);
  const int length = Vertical() ? Height(rc) : Width(rc), thickness = Vertical() ? Width(rc) : Height(rc);
  OffscreenBitmap flat(length, thickness);
  if (!flat) return;
  FillFace(flat.Dc(), RECT{0, 0, length, thickness});
  DrawFrameOver(flat.Dc(), Rect{0, 0, length, thickness}, *bar, 1, 2, bar->Tile == 1);
  const ProgressState state = ReadProgress(hwnd);
  if (state.high > 0 && state.position > 0 && state.high > state.low) {
    const int filled = std::min(length, MulDiv(length, state.position - state.low, state.high - state.low));
    if (filled > 0) DrawFrameOver(flat.Dc(), Rect{0, 0, filled, thickness}, *bar, 2, 2, bar->Tile == 1);
  }
  CopyTurned(flat, dc, rc);
}

void TSkinProgress::DrawControl1(HDC dc, const RECT& rc) {
  const TDataSkinObject* chunk = fsd ? fsd->progresschunk.get() : nullptr;
  HBITMAP chunkMap = chunk ? MapHandle(chunk->Map) : nullptr;
  if (!chunkMap) return;
  const TDataSkinBorder& bar = *fsd->progress;
  const int length = Vertical() ? Height(rc) : Width(rc), thickness = Vertical() ? Width(rc) : Height(rc);
  OffscreenBitmap flat(length, thickness);
  if (!flat) return;
  FillFace(flat.Dc(), RECT{0, 0, length, thickness});
  DrawFrameOver(flat.Dc(), Rect{0, 0, length, thickness}, bar, 1, 1, false);
  const ProgressState state = ReadProgress(hwnd);
  if (state.high > 0 && state.position > 0) {
    // A position past the maximum still stays inside the bar's frame.
    const int fillEnd = std::min(MulDiv(length, state.position, state.high), length - 4);
    const SIZE size = BitmapSize(chunkMap);
    if (chunk->Tile == 1) {
      // Whole chunks, one every chunk width, from the chunk's left margin.
      const int y = (thickness - size.cy) / 2;
      const Rect strip{chunk->r.left + 2, y, chunk->r.left + 2 + fillEnd, y + size.cy};
      for (int x = strip.left; x < strip.right && size.cx > 0; x += size.cx) {
        TransparentBlit(flat.Dc(), Intersect(Rect{x, y, x + size.cx, y + size.cy}, strip), chunkMap, kMagenta);
      }
    } else {
      DrawSkinFrame3(flat.Dc(), Rect{2, 2, 2 + fillEnd, thickness - 2}, chunkMap, chunk->r, 1, 1, false);
    }
  }
  CopyTurned(flat, dc, rc);
}

}  // namespace lanvero
