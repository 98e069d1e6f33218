#pragma once
// What the definition pipeline asks of the platform. The Windows build
// answers from the system and the program's resources
// (win/SkinDataPlatform.cpp); native builds, which have no window
// system, answer with the classic defaults and the engine bitmaps compiled
// in (SkinDataPlatformNative.cpp), so tools and tests are reproducible.

#include <cstdint>
#include <memory>
#include <string_view>

#include "framework/graphics/PixelImage.h"

namespace lanvero {

// Width of a scroll bar arrow button (SM_CXHSCROLL): 17 natively.
int32_t ScrollButtonWidth();

// One of the engine's own bitmaps ("TRACK", "TRACKVERT"); empty for an
// unknown name or when the resource cannot be read.
PixelImage EngineBitmap(std::string_view resourceName);

}  // namespace lanvero

namespace lanvero {

class TSkinBitmap;

// A window handle (HWND) in portable declarations.
using SkinWindowHandle = void*;

// Windows-only state of the skin component: the window-command glyph list
// ("TESSALYMENU"), the background brush of the button face colour and the
// caption font. Its type is complete only in win/SkinDataGdi.h; natively
// there is none.
struct TSkinDataGdi;
struct TSkinDataGdiDeleter {
  void operator()(TSkinDataGdi* gdi) const noexcept;
};
using SkinDataGdiPtr = std::unique_ptr<TSkinDataGdi, TSkinDataGdiDeleter>;

// Windows: the GDI state with the glyph list loaded; natively null.
SkinDataGdiPtr CreateSkinDataGdi();
// Replaces the background brush by one of `buttonFace` (after each load).
void RemakeBackgroundBrush(TSkinDataGdi* gdi, Color buttonFace);
// The system's caption font (non-client metrics), or the default font.
void ReadCaptionFont(TSkinDataGdi* gdi);
// Draws the small icon of `applicationWindow` (the framework application's
// hidden top-level window) on magenta into `sysIcon`; leaves it unchanged
// when there is no window or it has no icon, and natively.
void GetAppIcon(TSkinBitmap& sysIcon, SkinWindowHandle applicationWindow);

}  // namespace lanvero
