#pragma once
// Windows only: the GDI state of a skin component and access to the GDI
// copies of definition images.

#include <windows.h>
#include <commctrl.h>

#include "framework/base/GdiObject.h"
#include "skin/definitions/SkinBitmap.h"
#include "skin/definitions/SkinDataPlatform.h"
#include "skin/image/win/DibSection.h"

namespace lanvero {

// Owns an image list.
class UniqueImageList {
public:
  UniqueImageList() = default;
  explicit UniqueImageList(HIMAGELIST list) : list_(list) {}
  UniqueImageList(UniqueImageList&& other) noexcept : list_(std::exchange(other.list_, nullptr)) {}
  UniqueImageList& operator=(UniqueImageList&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.list_, nullptr));
    return *this;
  }
  ~UniqueImageList() { Reset(); }

  HIMAGELIST Get() const { return list_; }
  explicit operator bool() const { return list_ != nullptr; }
  void Reset(HIMAGELIST list = nullptr) {
    if (list_) ImageList_Destroy(list_);
    list_ = list;
  }

private:
  HIMAGELIST list_ = nullptr;
};

struct TSkinDataGdi {
  // Restore, maximise, minimise and close glyphs, 16 x 16, white keyed.
  UniqueImageList bmpmenu;
  // Solid brush of the scheme's button face colour, remade after each load.
  framework::UniqueBrush BGBrush;
  framework::UniqueFont CaptionFont;
};

// Index of each glyph in bmpmenu.
enum MenuGlyph : int { kGlyphRestore = 0, kGlyphMaximise = 1, kGlyphMinimise = 2, kGlyphClose = 3 };

// The GDI bitmap skinners blit from; null for an empty image.
inline HBITMAP MapHandle(const TSkinBitmap& bitmap) { return bitmap.Dib() ? bitmap.Dib()->Handle() : nullptr; }

}  // namespace lanvero
