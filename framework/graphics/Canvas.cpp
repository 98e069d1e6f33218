#include "framework/graphics/Canvas.h"

#include "framework/graphics/Graphic.h"

namespace lanvero::framework {

TCanvas::TCanvas() {
  brush_.SetColor(clWhite);
  // Put the DC's own objects back before one of ours is replaced.
  font_.OnChanging = brush_.OnChanging = pen_.OnChanging = [this] { RestoreObjects(); };
}

TCanvas::~TCanvas() { RestoreObjects(); }

void TCanvas::SetHandle(HDC dc) {
  if (dc == dc_) return;
  RestoreObjects();
  dc_ = dc;
}

void TCanvas::RestoreObjects() {
  if (!dc_) return;
  if (oldFont_) SelectObject(dc_, oldFont_);
  if (oldBrush_) SelectObject(dc_, oldBrush_);
  if (oldPen_) SelectObject(dc_, oldPen_);
  oldFont_ = oldBrush_ = oldPen_ = nullptr;
}

void TCanvas::Prepare() {
  // Objects are selected again before each call because their handles are
  // re-created whenever a property changes.
  HGDIOBJ font = SelectObject(dc_, font_.Handle());
  HGDIOBJ brush = SelectObject(dc_, brush_.Handle());
  HGDIOBJ pen = SelectObject(dc_, pen_.Handle());
  if (!oldFont_) oldFont_ = font;
  if (!oldBrush_) oldBrush_ = brush;
  if (!oldPen_) oldPen_ = pen;
  SetTextColor(dc_, ColorToRGB(font_.Color()));
  if (brush_.Style() == TBrushStyle::bsClear) {
    SetBkMode(dc_, TRANSPARENT);
  } else {
    SetBkMode(dc_, OPAQUE);
    SetBkColor(dc_, ColorToRGB(brush_.Color()));
  }
}

void TCanvas::FillRect(const RECT& rect) {
  Prepare();
  ::FillRect(dc_, &rect, brush_.Handle());
}

void TCanvas::FrameRect(const RECT& rect) {
  Prepare();
  ::FrameRect(dc_, &rect, brush_.Handle());
}

void TCanvas::Rectangle(const RECT& rect) {
  Prepare();
  ::Rectangle(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

void TCanvas::Polygon(const POINT* points, int count) {
  Prepare();
  ::Polygon(dc_, points, count);
}

void TCanvas::MoveTo(int x, int y) { MoveToEx(dc_, x, y, nullptr); }

void TCanvas::LineTo(int x, int y) {
  Prepare();
  ::LineTo(dc_, x, y);
}

void TCanvas::DrawFocusRect(const RECT& rect) {
  Prepare();
  ::DrawFocusRect(dc_, &rect);
}

void TCanvas::TextOut(int x, int y, const std::wstring& text) {
  Prepare();
  ExtTextOutW(dc_, x, y, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

void TCanvas::TextRect(const RECT& rect, int x, int y, const std::wstring& text) {
  Prepare();
  const UINT options = ETO_CLIPPED | (brush_.Style() == TBrushStyle::bsClear ? 0 : ETO_OPAQUE);
  ExtTextOutW(dc_, x, y, options, &rect, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

SIZE TCanvas::TextExtent(const std::wstring& text) {
  Prepare();
  SIZE size{};
  GetTextExtentPoint32W(dc_, text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

int TCanvas::DrawText(const std::wstring& text, RECT& rect, UINT format) {
  Prepare();
  return ::DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &rect, format);
}

void TCanvas::Draw(int x, int y, const TGraphic& graphic) {
  graphic.Draw(*this, RECT{x, y, x + graphic.Width(), y + graphic.Height()});
}

void TCanvas::StretchDraw(const RECT& rect, const TGraphic& graphic) { graphic.Draw(*this, rect); }

void TCanvas::CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect) {
  const int oldMode = SetStretchBltMode(dc_, COLORONCOLOR);
  StretchBlt(dc_, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, source.Handle(), sourceRect.left,
             sourceRect.top, sourceRect.right - sourceRect.left, sourceRect.bottom - sourceRect.top, SRCCOPY);
  SetStretchBltMode(dc_, oldMode);
}

// The brush fills the whole destination first; the bitmap's other pixels
// are then copied over it, with `color` as the transparent key.
// The bitmap is read through its own canvas: a bitmap can be selected into
// one DC only, and its canvas may already hold it.
void TCanvas::BrushCopy(const RECT& dest, TBitmap& bitmap, const RECT& source, TColor color) {
  if (bitmap.Empty()) return;
  FillRect(dest);
  TransparentBlt(dc_, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, bitmap.Canvas().Handle(),
                 source.left, source.top, source.right - source.left, source.bottom - source.top, ColorToRGB(color));
}

RECT TCanvas::ClipRect() const {
  RECT rect{};
  GetClipBox(dc_, &rect);
  return rect;
}

TMemoryCanvas::TMemoryCanvas() : memoryDC_(CreateCompatibleDC(nullptr)) { SetHandle(memoryDC_.Get()); }

TMemoryCanvas::~TMemoryCanvas() {
  RestoreObjects();
  if (oldBitmap_) SelectObject(memoryDC_.Get(), oldBitmap_);
}

void TMemoryCanvas::SelectBitmap(HBITMAP bitmap) {
  HGDIOBJ previous = SelectObject(memoryDC_.Get(), bitmap ? static_cast<HGDIOBJ>(bitmap) : oldBitmap_);
  if (!oldBitmap_) oldBitmap_ = previous;
}

}  // namespace lanvero::framework
