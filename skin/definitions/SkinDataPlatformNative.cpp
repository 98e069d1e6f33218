// The platform answers of native builds, which have no window system: the
// usual metrics, the engine bitmaps compiled in from assets/engine (so a
// tool run anywhere builds the same definitions), and no GDI state.

#include <span>

#include "framework/graphics/BmpDecoder.h"
#include "skin/definitions/SkinBitmap.h"
#include "skin/definitions/SkinDataPlatform.h"
#include "skin/definitions/SkinDefinitionReader.h"
#include "skin_engine_bitmaps.inc"  // kTrackBmp, kTrackVertBmp (generated from assets/engine)

namespace lanvero {

namespace {

// SM_CXHSCROLL of Windows (Vista on) and of Wine at 96 dpi, so that native
// listings of the definitions match what the program builds.
constexpr int32_t kDefaultScrollButtonWidth = 17;

}  // namespace

int32_t ScrollButtonWidth() { return kDefaultScrollButtonWidth; }

// Resource names do not depend on letter case, as on Windows.
PixelImage EngineBitmap(std::string_view resourceName) {
  const std::string name = UpperAscii(resourceName);
  if (name == "TRACK") return DecodeBmp(std::span<const uint8_t>(kTrackBmp));
  if (name == "TRACKVERT") return DecodeBmp(std::span<const uint8_t>(kTrackVertBmp));
  return {};
}

// Natively no DIB section is ever made, so there is nothing to free.
void DibSectionDeleter::operator()(DibSection*) const noexcept {}
void TSkinBitmap::Realize() {}

void TSkinDataGdiDeleter::operator()(TSkinDataGdi*) const noexcept {}
SkinDataGdiPtr CreateSkinDataGdi() { return nullptr; }
void RemakeBackgroundBrush(TSkinDataGdi*, Color) {}
void ReadCaptionFont(TSkinDataGdi*) {}
void GetAppIcon(TSkinBitmap&, SkinWindowHandle) {}

}  // namespace lanvero
