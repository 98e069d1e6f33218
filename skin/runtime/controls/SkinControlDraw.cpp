// The drawing and caption helpers every control skinner shares.
#include <algorithm>

#include "framework/controls/GraphicControl.h"
#include "framework/controls/WinControl.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/image/NineSlice.h"
#include "skin/image/win/BitmapDC.h"
#include "skin/image/win/SkinDraw.h"
#include "skin/image/win/SkinText.h"
#include "skin/runtime/controls/SkinControl.h"

namespace lanvero {
namespace {

constexpr Color kMagenta = 0xFF00FF;

bool Inverted(const RECT& rc) { return rc.right < rc.left || rc.bottom < rc.top; }
int Width(const RECT& rc) { return rc.right - rc.left; }
int Height(const RECT& rc) { return rc.bottom - rc.top; }

bool Drawable(const TDataSkinObject* object) { return object && MapHandle(object->Map); }

DibSection BuildFrame(const RECT& rc, const TDataSkinObject& object, int I, int N) {
  const Rect size{0, 0, Width(rc), Height(rc)};
  return BuildSkinBitmap(size, MapHandle(object.Map), object.r, I, N, object.Tile == 1, false);
}

// Frame I of N of `bmp` stretched to the size of `rc`.
DibSection StretchFrame(const RECT& rc, HBITMAP bmp, int I, int N) {
  const SIZE size = BitmapSize(bmp);
  const Rect frame = StripFrame(size.cx, size.cy, I, N, false);
  if (frame.Width() <= 0 || frame.Height() <= 0) return {};
  DibSection out = DibSection::Create(Width(rc), Height(rc));
  BitmapDC source(bmp);
  BitmapDC target(out.Handle());
  if (out.IsEmpty() || !source || !target) return {};
  SetStretchBltMode(target.Get(), COLORONCOLOR);
  StretchBlt(target.Get(), 0, 0, Width(rc), Height(rc), source.Get(), frame.left, frame.top, frame.Width(),
             frame.Height(), SRCCOPY);
  return out;
}

DibSection g_scratch;

}  // namespace

DibSection& ScratchBitmap() { return g_scratch; }
void ReleaseScratchBitmap() { g_scratch = DibSection(); }

void TSkinControl::DrawSkinMap(HDC dc, const RECT& rc, const TDataSkinObject* aObject, int I, int N) {
  if (Inverted(rc) || !Drawable(aObject)) return;
  const DibSection frame = BuildFrame(rc, *aObject, I, N);
  if (frame.IsEmpty()) return;
  if (aObject->trans == 1) {
    TransparentBlit(dc, FromRECT(rc), frame.Handle(), kMagenta);
  } else {
    BitmapDC source(frame.Handle());
    if (source) BitBlt(dc, rc.left, rc.top, Width(rc), Height(rc), source.Get(), 0, 0, SRCCOPY);
  }
}

void TSkinControl::DrawSkinMap1(HDC dc, const RECT& rc, HBITMAP bmp, int I, int N) { DrawSkinMap2(dc, rc, bmp, I, N); }

void TSkinControl::DrawSkinMap2(HDC dc, const RECT& rc, HBITMAP bmp, int I, int N) {
  if (Inverted(rc) || !bmp) return;
  const DibSection frame = StretchFrame(rc, bmp, I, N);
  if (!frame.IsEmpty()) TransparentBlit(dc, FromRECT(rc), frame.Handle(), kMagenta);
}

void TSkinControl::DrawSkinMap3(framework::TCanvas& acanvas, const RECT& rc, HBITMAP bmp, int I, int N) {
  if (acanvas.HandleAllocated()) DrawSkinMap2(acanvas.Handle(), rc, bmp, I, N);
}

void TSkinControl::DrawBMPSkin(DibSection& abmp, const RECT& rc, const TDataSkinObject* aObject, int I, int N,
                               int trans) {
  if (Inverted(rc) || abmp.IsEmpty()) return;
  BitmapDC target(abmp.Handle());
  if (!target) return;
  FillFace(target.Get(), rc);
  if (!Drawable(aObject)) return;
  const DibSection frame = BuildFrame(rc, *aObject, I, N);
  if (frame.IsEmpty()) return;
  const Rect at{0, 0, frame.Width(), frame.Height()};
  if (trans == 1) {
    TransparentBlit(target.Get(), at, frame.Handle(), kMagenta);
  } else {
    BitmapDC source(frame.Handle());
    if (source) BitBlt(target.Get(), 0, 0, frame.Width(), frame.Height(), source.Get(), 0, 0, SRCCOPY);
  }
}

void TSkinControl::DrawSkin(const RECT& rc, const TDataSkinObject* aObject, int I, int N, int trans) {
  if (Inverted(rc)) return;
  DibSection& scratch = ScratchBitmap();
  if (scratch.Width() < Width(rc) || scratch.Height() < Height(rc)) {
    scratch = DibSection::Create(std::max(scratch.Width(), Width(rc)), std::max(scratch.Height(), Height(rc)));
  }
  DrawBMPSkin(scratch, rc, aObject, I, N, trans);
}

void TSkinControl::DrawBuf(HDC dc, const RECT& rc) {
  BitmapDC source(ScratchBitmap().Handle());
  if (source) BitBlt(dc, rc.left, rc.top, Width(rc), Height(rc), source.Get(), 0, 0, SRCCOPY);
}

framework::TColor TSkinControl::GetParentColor(framework::TColor acolor) const {
  if (control && control->Parent()) return control->Parent()->Color();
  if (GControl && GControl->Parent()) return GControl->Parent()->Color();
  return acolor;
}

UINT TSkinControl::CheckBiDi(UINT dw) const {
  const bool rtl = (control && control->UseRightToLeftReading()) || (GControl && GControl->UseRightToLeftReading());
  return rtl ? dw | DT_RTLREADING : dw;
}

int TSkinControl::TextHeight(HDC dc, std::wstring_view s) {
  SIZE size{};
  GetTextExtentPoint32W(dc, s.data(), static_cast<int>(s.size()), &size);
  return size.cy;
}

void TSkinControl::DrawCaption(HDC dc, const RECT& rc, std::wstring_view text, bool enabled, bool /*defaulted*/,
                               UINT Alignment) {
  SetBkMode(dc, TRANSPARENT);
  const UINT flags = Alignment | DT_EXPANDTABS;
  RECT measured = rc;
  SkinDrawText(dc, text, measured, flags | DT_CALCRECT | DT_NOCLIP);
  const int dy = (Height(rc) - Height(measured)) / 2 - 1;
  if (Alignment == DT_CENTER) {
    OffsetRect(&measured, (Width(rc) - Width(measured)) / 2, dy);
  } else {
    OffsetRect(&measured, 0, dy);
    measured.left = rc.left;
    measured.right = rc.right;
  }
  const COLORREF oldColor = enabled ? GetTextColor(dc) : SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  SkinDrawText(dc, text, measured, CheckBiDi(flags));
  if (!enabled) SetTextColor(dc, oldColor);
}

void TSkinControl::DrawImgCaption(HDC dc, const RECT& rc, HIMAGELIST ImgList, int imgIndex, std::wstring_view text,
                                  int talign) {
  DrawImgCaptionWith(dc, rc, ImgList, imgIndex, text, talign, DT_END_ELLIPSIS | DT_WORDBREAK | DT_EXPANDTABS);
}

void TSkinControl::DrawImgCaptionWith(HDC dc, const RECT& rc, HIMAGELIST ImgList, int imgIndex, std::wstring_view text,
                                      int talign, UINT flags) {
  int cx = 0, cy = 0;
  if (ImgList) ImageList_GetIconSize(ImgList, &cx, &cy);
  const bool hasImage = ImgList && imgIndex != -1 && cx < Width(rc);
  if (!hasImage) cx = 0;
  RECT textRect = rc;
  if (ImgList && imgIndex != -1) textRect.right += cx + 2;
  if (text.empty()) {
    textRect.right = textRect.left;
  } else {
    SkinDrawText(dc, text, textRect, flags | DT_CALCRECT | DT_NOCLIP);
  }
  int x = 3;
  if (talign == 1) x = (Width(rc) - Width(textRect) - cx) / 2;
  if (talign == 2) x = Width(rc) - Width(textRect) - cx - 2;
  if (x < 2) x = 1;
  if (hasImage) {
    ImageList_Draw(ImgList, imgIndex, dc, rc.left + x, rc.top + (Height(rc) - cy) / 2, ILD_TRANSPARENT);
  }
  OffsetRect(&textRect, x + cx, (Height(rc) - Height(textRect)) / 2);
  if (text.empty()) return;
  SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColor = enabled ? GetTextColor(dc) : SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
  textRect.left = std::max(textRect.left, rc.left);
  textRect.right = std::min(textRect.right, rc.right);
  SkinDrawText(dc, text, textRect, CheckBiDi(flags));
  if (!enabled) SetTextColor(dc, oldColor);
}

void TSkinControl::DrawCaptionFocus(HDC dc, std::wstring_view text, UINT flags, const RECT& rc) {
  RECT measured = rc;
  SkinDrawText(dc, text.empty() ? std::wstring_view(caption) : text, measured, flags | DT_CALCRECT | DT_NOCLIP);
  if (flags & DT_CENTER) {
    OffsetRect(&measured, (Width(rc) - Width(measured)) / 2, (Height(rc) - Height(measured)) / 2 - 1);
  } else if (flags & DT_RIGHT) {
    OffsetRect(&measured, Width(rc) - Width(measured), 0);
  }
  InflateRect(&measured, 2, 1);
  RECT clipped{};
  IntersectRect(&clipped, &measured, &rc);
  DrawFocusRect(dc, &clipped);
}

}  // namespace lanvero
