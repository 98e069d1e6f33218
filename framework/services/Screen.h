// What the framework knows about the screen: size, fonts and cursors.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/controls/ControlTypes.h"
#include "framework/graphics/GraphicsObjects.h"

namespace lanvero::framework {

class TScreen {
 public:
  TScreen();
  int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
  int Height() const { return GetSystemMetrics(SM_CYSCREEN); }
  int PixelsPerInch() const;
  RECT WorkArea() const;

  // Fonts of the system's non-client metrics, refreshed on demand.
  TFont& MenuFont() { return menuFont_; }
  TFont& HintFont() { return hintFont_; }
  TFont& IconFont() { return iconFont_; }
  void RefreshSystemFonts();
  // Face names of the installed fonts, sorted.
  std::vector<std::wstring> Fonts() const;

  HCURSOR Cursors(TCursor cursor) const;
  // A cursor shown over every window while not crDefault (busy cursors).
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor cursor);

 private:
  TFont menuFont_, hintFont_, iconFont_;
  TCursor cursor_ = crDefault;
};

// The one screen object of the process.
TScreen& Screen();

}  // namespace lanvero::framework
