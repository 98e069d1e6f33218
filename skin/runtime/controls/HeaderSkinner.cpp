#include "skin/runtime/controls/HeaderSkinner.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/image/SysColors.h"
#include "skin/image/win/SkinDraw.h"
#include "skin/runtime/controls/OffscreenBitmap.h"
#include "skin/runtime/controls/TabItems.h"

namespace lanvero {
namespace {

constexpr int kNormalFrame = 1;
constexpr int kHotFrame = 2;
constexpr int kSectionTextLength = 200;

int Width(const RECT& r) { return r.right - r.left; }
int Height(const RECT& r) { return r.bottom - r.top; }

// DrawImgCaption's alignment (0 left, 1 centre, 2 right) of a section format.
int SectionAlignment(int format) {
  switch (format & 0xFF) {
    case HDF_RIGHT: return 2;
    case HDF_CENTER: return 1;
    default: return 0;
  }
}

}  // namespace

void TSkinHeader::Init(TWinSkinForm* sf, TSkinData* sd, framework::TCanvas* acanvas, bool acolor) {
  TSkinControl::Init(sf, sd, acanvas, acolor);
  indexitem = -1;
}

void TSkinHeader::Inithwnd(HWND ahwnd, TSkinData* sd, framework::TCanvas* acanvas, TWinSkinForm* sf) {
  TSkinControl::Inithwnd(ahwnd, sd, acanvas, sf);
  indexitem = -1;
}

bool TSkinHeader::HasImage() const { return fsd && fsd->Header && MapHandle(fsd->Header->Map); }

// Without a header image the control paints itself: taking over its paint
// would leave it blank.
bool TSkinHeader::BeforeProc(framework::TMessage& message) {
  if ((message.Msg == WM_PAINT || message.Msg == WM_ERASEBKGND) && HasImage()) {
    if (message.Msg == WM_PAINT) WMPaint(message);
    message.Result = 1;
    return false;
  }
  return TSkinControl::BeforeProc(message);
}

void TSkinHeader::AfterProc(framework::TMessage& message) {
  switch (message.Msg) {
    case WM_MOUSEMOVE: TrackHot(message); break;
    case WM_MOUSELEAVE:
      indexitem = -1;
      Redraw();
      break;
    default: TSkinControl::AfterProc(message); break;
  }
}

// The gap between two sections keeps the last hot section.
void TSkinHeader::TrackHot(const framework::TMessage& message) {
  const POINT point{LOWORD(message.LParam), HIWORD(message.LParam)};
  for (size_t i = 0; i < Items.size(); ++i) {
    if (PtInRect(&Items[i], point) && static_cast<int32_t>(i) != indexitem) {
      indexitem = static_cast<int32_t>(i);
      Redraw();
    }
  }
  TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd, 0};
  TrackMouseEvent(&track);
}

void TSkinHeader::DrawControl(HDC dc, const RECT& rc) {
  if (!HasImage()) return;
  OffscreenBitmap composed(Width(rc), Height(rc));
  if (!composed) return;
  const HDC target = composed.Dc();
  framework::SelectGuard font(target, WindowFont(hwnd));
  SetBkMode(target, TRANSPARENT);
  enabled = true;
  const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(hwnd, HDM_GETIMAGELIST, 0, 0));
  const int count = std::max(0, static_cast<int>(SendMessageW(hwnd, HDM_GETITEMCOUNT, 0, 0)));
  Items.assign(static_cast<size_t>(count), RECT{});
  int rightmost = 0;
  for (int i = 0; i < count; ++i) {
    RECT r{};
    if (!SendMessageW(hwnd, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r))) continue;
    DrawSection(images, target, i, r);
    Items[static_cast<size_t>(i)] = RECT{r.left + 3, r.top, r.right - 3, r.bottom};
    rightmost = std::max(rightmost, static_cast<int>(r.right));
  }
  if (rightmost < Width(rc)) {
    const TDataSkinObject& header = *fsd->Header;
    const DibSection rest = BuildSkinBitmap(Rect{0, 0, Width(rc) - rightmost, Height(rc)}, MapHandle(header.Map),
                                            header.r, kNormalFrame, header.frame, header.Tile == 1, false);
    BitmapDC source(rest.Handle());
    if (source) BitBlt(target, rightmost, 0, rest.Width(), rest.Height(), source.Get(), 0, 0, SRCCOPY);
  }
  composed.CopyTo(dc, rc.left, rc.top);
}

void TSkinHeader::DrawSection(HIMAGELIST images, HDC dc, int i, const RECT& r) {
  wchar_t text[kSectionTextLength + 1]{};
  HDITEMW item{};
  item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
  item.pszText = text;
  item.cchTextMax = kSectionTextLength + 1;
  SendMessageW(hwnd, HDM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
  const TDataSkinObject& header = *fsd->Header;
  OffscreenBitmap section(Width(r), Height(r));
  if (!section) return;
  const int frame = i == indexitem ? kHotFrame : kNormalFrame;
  DrawSkinFrame(section.Dc(), Rect{0, 0, Width(r), Height(r)}, MapHandle(header.Map), header.r, frame, header.frame,
                false, header.Tile == 1, false);
  const std::wstring caption = item.pszText ? std::wstring(item.pszText) : std::wstring();
  if (!caption.empty()) {
    const int image = item.fmt & (HDF_IMAGE | HDF_OWNERDRAW) ? item.iImage : -1;
    framework::SelectGuard font(section.Dc(), static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT)));
    SetTextColor(section.Dc(), GetTextColor(dc));
    DrawSectionCaption(section.Dc(), RECT{0, 0, Width(r), Height(r)}, images, image, caption,
                       SectionAlignment(item.fmt));
  }
  section.CopyTo(dc, r.left, r.top);
}

void TSkinHeader::DrawSectionCaption(HDC dc, const RECT& rc, HIMAGELIST images, int image, const std::wstring& text,
                                     int talign) {
  if (fsd->hasColors[kSchemeWindowText]) SetTextColor(dc, ResolveColor(fsd->Colors[kSchemeWindowText]));
  DrawImgCaptionWith(dc, rc, images, image, text, talign, DT_END_ELLIPSIS | DT_EXPANDTABS);
}

}  // namespace lanvero
