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
#include "skin/runtime/menus/MenuBar.h"

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
        if (MenuHeight > 0 && menu) {
          menu->DrawMenu(dc, layout.menuBand);
        } else if (MenuHeight > 0 && fsd->Gdi()) {
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

const DibSection& TWinSkinForm::BorderBitmap(int side, const Rect& rect) {
  const TDataSkinBorder& border = *fsd->border[side];
  const bool active = FWindowActive || border.frame == 1;
  BuiltSide& built = builtSides_[static_cast<size_t>(side)];
  if (built.width != rect.Width() || built.height != rect.Height() || built.active != active ||
      built.bitmap.IsEmpty()) {
    built.bitmap = BuildSkinBitmap(Rect{0, 0, rect.Width(), rect.Height()}, MapHandle(border.Map), border.r,
                                   active ? 1 : 2, border.frame, border.Tile != 1, IsVerticalStrip(side));
    built.width = rect.Width();
    built.height = rect.Height();
    built.active = active;
  }
  return built.bitmap;
}

void TWinSkinForm::DropFrameCache() {
  for (BuiltSide& side : builtSides_) side = BuiltSide{};
  CaptionBuf = DibSection();
  textBack_ = FramePiece{};
  buttonPieces_.clear();
}

// A piece drawn once on a magenta bitmap of its size and kept until its
// size or frame changes.
const DibSection& TWinSkinForm::CachedPiece(FramePiece& piece, const PieceKey& key,
                                            const std::function<void(HDC, const Rect&)>& draw) {
  if (piece.key == key && !piece.bitmap.IsEmpty()) return piece.bitmap;
  piece.key = key;
  piece.bitmap = DibSection::Create(key.width, key.height);
  if (piece.bitmap.IsEmpty()) return piece.bitmap;
  for (Pixel& p : piece.bitmap.Pixels()) p = PixelFromColor(kMagentaKey);
  BitmapDC target(piece.bitmap.Handle());
  draw(target.Get(), Rect{0, 0, key.width, key.height});
  GdiFlush();
  return piece.bitmap;
}

void TWinSkinForm::DrawBorder(int side, const Rect& rect, HDC dc) {
  if (rect.Width() <= 0 || rect.Height() <= 0) return;
  const DibSection& bitmap = BorderBitmap(side, rect);
  if (bitmap.IsEmpty()) return;
  BitmapDC source(bitmap.Handle());
  BitBlt(dc, rect.left, rect.top, rect.Width(), rect.Height(), source.Get(), 0, 0, SRCCOPY);
}

void TWinSkinForm::CopySideTop(int side, const Rect& sideRect, HDC bar) {
  if (sideRect.Width() <= 0 || sideRect.Height() <= 0) return;
  const DibSection& bitmap = BorderBitmap(side, sideRect);
  if (bitmap.IsEmpty()) return;
  BitmapDC source(bitmap.Handle());
  BitBlt(bar, sideRect.left, 0, sideRect.Width(), std::min(bw.top, sideRect.Height()), source.Get(), 0, 0, SRCCOPY);
}

void TWinSkinForm::PaintCaption(HDC dc) {
  const bool minimised = Windowstate == swsMin;
  const int32_t height = minimised ? fheight : bw.top;
  if (fwidth <= 0 || height <= 0) return;
  if (CaptionBuf.Width() != fwidth || CaptionBuf.Height() != height) CaptionBuf = DibSection::Create(fwidth, height);
  if (CaptionBuf.IsEmpty()) return;
  BitmapDC bar(CaptionBuf.Handle());
  Rect textArea;
  if (minimised) {
    FillSolid(bar.Get(), Rect{0, 0, fwidth, height}, fsd->Colors[kSchemeButtonFace]);
    textArea = Rect{0, 0, fwidth, bw.top};
  } else {
    // The bar carries the top ends of the side borders, taken from their
    // built images rather than read back from the screen.
    const FrameLayout layout = LayoutFrame(fwidth, fheight, bw, MenuHeight);
    CopySideTop(kEdgeLeft, layout.left, bar.Get());
    CopySideTop(kEdgeRight, layout.right, bar.Get());
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
    const DibSection& image = CachedPiece(textBack_, PieceKey{back.Width(), back.Height(), FWindowActive ? 1 : 2},
                                          [&](HDC target, const Rect& whole) {
                                            DrawSkinFrameTiled(target, whole, MapHandle(title.Map),
                                                               Margins{title.backleft, 0, title.backright, 0},
                                                               FWindowActive ? 1 : 2, 2, false, true);
                                          });
    if (!image.IsEmpty()) TransparentBlit(dc, back, image.Handle(), kMagentaKey);
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
  const framework::UniqueIcon copy(static_cast<HICON>(CopyImage(icon, IMAGE_ICON, Iconx, iconY, LR_COPYFROMRESOURCE)));
  if (!copy) return;
  BitmapDC target(IconBmp.Handle());
  DrawIconEx(target.Get(), 0, 0, copy.Get(), Iconx, iconY, 0, nullptr, DI_NORMAL);
}

}  // namespace lanvero
