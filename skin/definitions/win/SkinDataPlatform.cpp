// The platform answers of the Windows build: system metrics, the program's
// bitmap resources, DIB sections of the definition images, and the GDI
// state of the component.

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "skin/definitions/win/SkinDataGdi.h"
#include "skin/image/SysColors.h"
#include "skin/image/win/DibSection.h"

namespace lanvero {

namespace {

constexpr int kGlyphSize = 16;
constexpr COLORREF kGlyphKey = RGB(255, 255, 255);
// NONCLIENTMETRICSW without the padded-border field of newer systems.
constexpr UINT kNonClientMetricsSize = 504;

framework::UniqueBitmap LoadResourceBitmap(const wchar_t* name) {
  return framework::UniqueBitmap(
      static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

}  // namespace

int32_t ScrollButtonWidth() { return GetSystemMetrics(SM_CXHSCROLL); }

PixelImage EngineBitmap(std::string_view resourceName) {
  const std::wstring name(resourceName.begin(), resourceName.end());
  const framework::UniqueBitmap bitmap = LoadResourceBitmap(name.c_str());
  return bitmap ? ReadBitmapPixels(bitmap.Get()) : PixelImage();
}

void DibSectionDeleter::operator()(DibSection* dib) const noexcept { delete dib; }

void TSkinBitmap::Realize() {
  if (dib_ || image_.IsEmpty()) return;
  DibSection dib = DibSection::FromImage(image_);
  if (!dib.IsEmpty()) dib_.reset(new DibSection(std::move(dib)));
}

void TSkinDataGdiDeleter::operator()(TSkinDataGdi* gdi) const noexcept { delete gdi; }

SkinDataGdiPtr CreateSkinDataGdi() {
  SkinDataGdiPtr gdi(new TSkinDataGdi);
  const framework::UniqueBitmap glyphs = LoadResourceBitmap(L"TESSALYMENU");
  if (glyphs) {
    gdi->bmpmenu.Reset(ImageList_Create(kGlyphSize, kGlyphSize, ILC_COLOR24 | ILC_MASK, 4, 0));
    if (gdi->bmpmenu) ImageList_AddMasked(gdi->bmpmenu.Get(), glyphs.Get(), kGlyphKey);
  }
  return gdi;
}

void RemakeBackgroundBrush(TSkinDataGdi* gdi, Color buttonFace) {
  if (!gdi) return;
  gdi->BGBrush = framework::UniqueBrush(CreateSolidBrush(ResolveColor(buttonFace)));
}

void ReadCaptionFont(TSkinDataGdi* gdi) {
  if (!gdi) return;
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = kNonClientMetricsSize;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, kNonClientMetricsSize, &metrics, 0)) {
    gdi->CaptionFont = framework::UniqueFont(CreateFontIndirectW(&metrics.lfCaptionFont));
    return;
  }
  // A copy of the default GUI font, so that the component owns what it holds.
  LOGFONTW fallback{};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof fallback, &fallback);
  gdi->CaptionFont = framework::UniqueFont(CreateFontIndirectW(&fallback));
}

void GetAppIcon(TSkinBitmap& sysIcon, SkinWindowHandle applicationWindow) {
  const HWND window = static_cast<HWND>(applicationWindow);
  if (!window) return;
  auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0));
  if (!icon) return;
  const int width = GetSystemMetrics(SM_CXSMICON);
  const int height = GetSystemMetrics(SM_CYSMICON);
  DibSection canvas = DibSection::FromImage(PixelImage(width, height, PixelFromColor(kMagentaKey)));
  if (canvas.IsEmpty()) return;
  const auto copy = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, width, height, LR_COPYFROMRESOURCE));
  if (!copy) return;
  {
    const framework::UniqueDC dc(CreateCompatibleDC(nullptr));
    const framework::SelectGuard selected(dc.Get(), canvas.Handle());
    DrawIconEx(dc.Get(), 0, 0, copy, width, height, 0, nullptr, DI_NORMAL);
  }
  DestroyIcon(copy);
  GdiFlush();
  sysIcon.SetImage(canvas.ToImage());
  sysIcon.TransparentColor = kMagentaKey;
  sysIcon.Transparent = true;
  sysIcon.Realize();
}

}  // namespace lanvero
