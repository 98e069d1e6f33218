#pragma once
// Windows only: the GDI state of a skin component and access to the GDI
// copies of definition images.

#include <windows.h>

#include "framework/base/GdiObject.h"
#include "skin/definitions/SkinBitmap.h"
#include "skin/definitions/SkinDataPlatform.h"
#include "skin/image/win/DibSection.h"

namespace lanvero {

struct TSkinDataGdi {
  // Restore, maximise, minimise and close glyphs, 16 x 16, white keyed.
  framework::UniqueImageList bmpmenu;
  // Solid brush of the scheme's button face colour, remade after each load.
  framework::UniqueBrush BGBrush;
  framework::UniqueFont CaptionFont;
};

// Index of each glyph in bmpmenu.
enum MenuGlyph : int { kGlyphRestore = 0, kGlyphMaximise = 1, kGlyphMinimise = 2, kGlyphClose = 3 };

// The GDI bitmap skinners blit from; null for an empty image.
inline HBITMAP MapHandle(const TSkinBitmap& bitmap) { return bitmap.Dib() ? bitmap.Dib()->Handle() : nullptr; }

}  // namespace lanvero
