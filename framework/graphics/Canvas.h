// A drawing surface over a device context, with the font, brush and pen it
// draws with. The canvas selects its objects into the DC when it draws and
// puts the DC's own objects back when it lets go of the DC.
#pragma once

#include <windows.h>

#include <string>

#include "framework/graphics/GraphicsObjects.h"

// <windowsx.h> defines SelectBitmap as a macro; the canvas has a method of
// that name, so files that use both include <windowsx.h> afterwards.
#ifdef SelectBitmap
#undef SelectBitmap
#endif

namespace lanvero::framework {

class TGraphic;
class TBitmap;

class TCanvas : public TPersistent {
 public:
  TCanvas();
  ~TCanvas() override;

  HDC Handle() const { return dc_; }
  // Attaches the canvas to a DC it does not own (nullptr detaches).
  void SetHandle(HDC dc);
  bool HandleAllocated() const { return dc_ != nullptr; }

  TFont& Font() { return font_; }
  TBrush& Brush() { return brush_; }
  TPen& Pen() { return pen_; }

  void FillRect(const RECT& rect);
  void FrameRect(const RECT& rect);
  void Rectangle(const RECT& rect);
  void Polygon(const POINT* points, int count);
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void DrawFocusRect(const RECT& rect);
  void TextOut(int x, int y, const std::wstring& text);
  void TextRect(const RECT& rect, int x, int y, const std::wstring& text);
  SIZE TextExtent(const std::wstring& text);
  int TextWidth(const std::wstring& text) { return TextExtent(text).cx; }
  int TextHeight(const std::wstring& text) { return TextExtent(text).cy; }
  // DrawTextW with the canvas font; `rect` receives the measured rectangle
  // when `format` has DT_CALCRECT. Returns the text height.
  int DrawText(const std::wstring& text, RECT& rect, UINT format);
  void Draw(int x, int y, const TGraphic& graphic);
  void StretchDraw(const RECT& rect, const TGraphic& graphic);
  void CopyRect(const RECT& dest, TCanvas& source, const RECT& sourceRect);
  // Copies `source` of `bitmap` into `dest` (stretched to fit), with the
  // pixels of `color` replaced by the canvas brush.
  void BrushCopy(const RECT& dest, TBitmap& bitmap, const RECT& source, TColor color);
  COLORREF Pixel(int x, int y) const { return GetPixel(dc_, x, y); }
  void SetPixel(int x, int y, TColor color) { ::SetPixel(dc_, x, y, ColorToRGB(color)); }
  RECT ClipRect() const;

  // Painting code that shares a canvas brackets its use with these.
  void Lock() { ++lockCount_; }
  void Unlock() { --lockCount_; }
  bool Locked() const { return lockCount_ > 0; }

 protected:
  // Makes sure the current font, brush and pen are selected.
  void Prepare();
  void RestoreObjects();

 private:
  HDC dc_ = nullptr;
  TFont font_;
  TBrush brush_;
  TPen pen_;
  HGDIOBJ oldFont_ = nullptr;
  HGDIOBJ oldBrush_ = nullptr;
  HGDIOBJ oldPen_ = nullptr;
  int lockCount_ = 0;
};

// Attaches a canvas to a DC it does not own for the lifetime of the guard,
// so that a handler which throws still leaves the DC with its own objects.
class CanvasAttachment {
 public:
  CanvasAttachment(TCanvas& canvas, HDC dc) : canvas_(canvas) { canvas_.SetHandle(dc); }
  CanvasAttachment(const CanvasAttachment&) = delete;
  CanvasAttachment& operator=(const CanvasAttachment&) = delete;
  ~CanvasAttachment() { canvas_.SetHandle(nullptr); }

 private:
  TCanvas& canvas_;
};

// A canvas on its own memory DC (bitmaps draw through one).
class TMemoryCanvas : public TCanvas {
 public:
  TMemoryCanvas();
  ~TMemoryCanvas() override;
  void SelectBitmap(HBITMAP bitmap);

 private:
  UniqueDC memoryDC_;
  HGDIOBJ oldBitmap_ = nullptr;
};

}  // namespace lanvero::framework
