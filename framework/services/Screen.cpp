#include "framework/services/Screen.h"

#include <algorithm>

#include "framework/base/GdiObject.h"
#include "framework/controls/Control.h"

namespace lanvero::framework {

namespace {

int CALLBACK CollectFontName(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM context) {
  reinterpret_cast<std::vector<std::wstring>*>(context)->push_back(font->lfFaceName);
  return 1;
}

}  // namespace

TScreen& Screen() {
  static TScreen screen;
  return screen;
}

TScreen::TScreen() { RefreshSystemFonts(); }

int TScreen::PixelsPerInch() const {
  const WindowDC screen(nullptr);
  return GetDeviceCaps(screen.Get(), LOGPIXELSY);
}

RECT TScreen::WorkArea() const {
  RECT rect{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &rect, 0);
  return rect;
}

void TScreen::RefreshSystemFonts() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    menuFont_.AssignLogFont(metrics.lfMenuFont);
    hintFont_.AssignLogFont(metrics.lfStatusFont);
  }
  LOGFONTW icon{};
  if (SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof icon, &icon, 0)) iconFont_.AssignLogFont(icon);
}

std::vector<std::wstring> TScreen::Fonts() const {
  std::vector<std::wstring> names;
  LOGFONTW filter{};
  filter.lfCharSet = DEFAULT_CHARSET;
  const WindowDC screen(nullptr);
  EnumFontFamiliesExW(screen.Get(), &filter, CollectFontName, reinterpret_cast<LPARAM>(&names), 0);
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  return names;
}

HCURSOR TScreen::Cursors(TCursor cursor) const { return LoadCursorFor(cursor); }

void TScreen::SetCursor(TCursor cursor) {
  cursor_ = cursor;
  ::SetCursor(LoadCursorFor(cursor == crDefault ? crArrow : cursor));
}

}  // namespace lanvero::framework
