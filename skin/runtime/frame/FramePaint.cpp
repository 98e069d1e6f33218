// Painting the skinned frame: the four border sides, the caption bar
// composed off-screen with its text and buttons, the menu band, and the
// window's icon bitmap.
#include "framework/base/GdiObject.h"
#include "skin/image/win/BitmapDC.h"
#include "skin/image/win/SkinDraw.h"
#include "skin/image/win/SkinText.h"
#include "skin/image/SysColors.h"
#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/runtime/frame/WinSkinForm.h"
#include "skin/runtime/geometry/CaptionTextLayout.h"

namespace lanvero {
namespace {

bool g_framePaintingAvailable = false;

bool IsVerticalStrip(int side) { return side == kEdgeTop || side == kEdgeBottom; }

}  // namespace

bool FramePaintingAvailable() { return g_framePaintingAvailable; }
void StartFramePainting() { g_framePaintingAvailable = true; }
void ShutDownFramePainting() { g_framePaintingAvailable = false; }

void TWinSkinForm::PaintFrame(HDC dc) {
  if (!FramePaintingAvailable() || !fsd || fsd->Empty) return;
  if (Skinstate != kFrameRunning && Skinstate != kFrameChanging) return;
  if (FormBorder == sbsNone || (FormStyle == sfsMDIChild && Windowstate == swsMax)) return;
  std::optional<framework::WindowDC> ownDC;
  if (!dc) {
    ownDC.emplace(Hwnd, true);
    dc = ownDC->Get();
  }
  RECT window{};
  if (dc && GetWindowRect(Hwnd, &window)) {
    try {
      fwidth = window.right - window.left;
      fheight = window.bottom - window.top;
      if (Windowstate == swsMin) {
        PaintCaption(dc);
      } else {
        const FrameLayout layout = LayoutFrame(fwidth, fheight, bw, MenuHeight);
        DrawBorder(kEdgeLeft, layout.left, dc);
        DrawBorder(kEdgeRight, layout.right, dc);
        DrawBorder(kEdgeBottom, layout.bottom, dc);
        PaintCaption(dc);
        if (MenuHeight > 0 && fsd->Gdi()) {
          const RECT band = ToRECT(layout.menuBand);
          FillRect(dc, &band, fsd->Gdi()->BGBrush.Get());
        }
      }
    } catch (...) {
      // The frame keeps what was drawn so far.
    }
  }
  ActiveBtn = nullptr;
}

DibSection TWinSkinForm::BorderBitmap(int side, const Rect& rect) const {
  const TDataSkinBorder& border = *fsd->border[side];
  const int32_t index = (FWindowActive || border.frame == 1) ? 1 : 2;
  return BuildSkinBitmap(Rect{0, 0, rect.Width(), rect.Height()}, MapHandle(border.Map), border.r, index,
                         border.frame, border.Tile != 1, IsVerticalStrip(side));
}

void TWinSkinForm::DrawBorder(int side, const Rect& rect, HDC dc) {
  if (rect.Width() <= 0 || rect.Height() <= 0) return;
  DibSection bitmap = BorderBitmap(side, rect);
  if (bitmap.IsEmpty()) return;
  BitmapDC source(bitmap.Handle());
  BitBlt(dc, rect.left, rect.top, rect.Width(), rect.Height(), source.Get(), 0, 0, SRCCOPY);
}

void TWinSkinForm::PaintCaption(HDC dc) {
  const bool minimised = Windowstate == swsMin;
  const int32_t height = minimised ? fheight : bw.top;
  if (fwidth <= 0 || height <= 0) return;
  DibSection buffer = DibSection::Create(fwidth, height);
  if (buffer.IsEmpty()) return;
  BitmapDC bar(buffer.Handle());
  Rect textArea;
  if (minimised) {
    FillSolid(bar.Get(), Rect{0, 0, fwidth, height}, fsd->Colors[kSchemeButtonFace]);
    textArea = Rect{0, 0, fwidth, bw.top};
  } else {
    // The top ends of the side borders drawn just before stay in the bar.
    BitBlt(bar.Get(), 0, 0, fwidth, height, dc, 0, 0, SRCCOPY);
    textArea = Rect{bw.left, 0, fwidth - bw.right, bw.top};
  }
  DrawBorder(kEdgeTop, textArea, bar.Get());
  DrawCaptionText(bar.Get(), textArea);
  LayoutSysButtons();
  DrawSysButtons(bar.Get());
  BitBlt(dc, 0, 0, fwidth, height, bar.Get(), 0, 0, SRCCOPY);
  SetBkMode(dc, OPAQUE);
}

void TWinSkinForm::DrawCaptionText(HDC dc, const Rect& area) {
  const TDataSkinTitle& title = *fsd->Title;
  UINT flags = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
  if (bidileft) flags |= DT_RIGHT | DT_RTLREADING;
  astr = L" ";
  const std::wstring text = bstr + GetWindowTextStr(Hwnd) + astr;
  RightBtn = 0;
  for (size_t i = 0; i < SysBtn.size(); ++i) {
    const TDataSkinSysButton& data = SysBtn[i]->data;
    if (data.Align == 1 && !data.Map.Empty() && IsSysButtonVisible(i)) RightBtn = std::max(RightBtn, data.XCoord);
  }
  framework::SelectGuard font(dc, CaptionFont.Get());
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const Color textColor = ResolveColor(fsd->Colors[FWindowActive ? kSchemeTitleTextActive : kSchemeTitleTextNoActive]);
  SetTextColor(dc, textColor);
  RECT measured = ToRECT(area);
  SkinDrawText(dc, text, measured, DT_CALCRECT | DT_NOPREFIX | DT_NOCLIP | DT_SINGLELINE);
  CaptionTextInput in;
  in.area = area;
  in.textWidth = measured.right - measured.left;
  in.textHeight = measured.bottom - measured.top;
  in.alignment = title.Aligment;
  in.textShift = title.r.left;
  in.textShiftVert = title.r.top;
  in.rightClip = title.r.right;
  in.backLeft = title.backleft;
  in.backRight = title.backright;
  in.rightButtons = RightBtn;
  in.rightToLeft = bidileft;
  in.popupStyle = (GetWindowLongPtrW(Hwnd, GWL_STYLE) & WS_POPUP) != 0;
  in.dialogFrame = FormBorder == sbsDialog;
  const CaptionTextPlacement placement = PlaceCaptionText(in);
  ctr = placement.back;
  if (!title.Map.Empty()) {
    const Rect back{ctr.left, area.top, ctr.right, area.bottom};
    DrawSkinFrameTiled(dc, back, MapHandle(title.Map), Margins{title.backleft, 0, title.backright, 0},
                       FWindowActive ? 1 : 2, 2, true, true);
  }
  RECT textRect = ToRECT(placement.text);
  SkinDrawText(dc, text, textRect, flags);
  FTitleRect = placement.text;
  SetBkMode(dc, oldMode);
}

void TWinSkinForm::BuildIconBitmap() {
  Iconx = GetSystemMetrics(SM_CXSMICON);
  const int iconY = GetSystemMetrics(SM_CYSMICON);
  IconBmp = DibSection::Create(Iconx, iconY);
  if (IconBmp.IsEmpty()) return;
  for (Pixel& p : IconBmp.Pixels()) p = PixelFromColor(kMagentaKey);
  HICON icon = reinterpret_cast<HICON>(SendMessageW(Hwnd, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(Hwnd, WM_GETICON, ICON_BIG, 0));
  if (!icon) return;
  HICON copy = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, Iconx, iconY, LR_COPYFROMRESOURCE));
  if (!copy) return;
  BitmapDC target(IconBmp.Handle());
  DrawIconEx(target.Get(), 0, 0, copy, Iconx, iconY, 0, nullptr, DI_NORMAL);
  DestroyIcon(copy);
}

}  // namespace lanvero
