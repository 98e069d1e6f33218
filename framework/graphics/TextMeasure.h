// Measuring text on the screen's device context with a given font. The DC
// and the font selection are given back when the object goes, also when
// code between throws.
#pragma once

#include <windows.h>

#include <string_view>

#include "framework/base/GdiObject.h"

namespace lanvero::framework {

class TextMeasureDC {
 public:
  explicit TextMeasureDC(HFONT font) : screen_(nullptr), font_(screen_.Get(), font) {}
  HDC Get() const { return screen_.Get(); }

  // The rectangle DrawTextW needs for `text` with `flags`, starting from
  // `bounds` (its width matters for word-wrapped text).
  RECT Measure(std::wstring_view text, UINT flags, RECT bounds = {}) const {
    DrawTextW(screen_.Get(), text.data(), static_cast<int>(text.size()), &bounds, flags | DT_CALCRECT);
    return bounds;
  }
  int LineHeight() const {
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen_.Get(), &metrics);
    return metrics.tmHeight;
  }

 private:
  WindowDC screen_;
  SelectGuard font_;
};

}  // namespace lanvero::framework
