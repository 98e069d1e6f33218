#pragma once
// The picture an overlay panel last put on the screen, kept with what it
// shows. A panel asked to paint again while its bar looks the same has
// nothing to paint (a wheel step that leaves the thumb where it was, the
// other bar of a control that scrolled), and a panel the system repaints
// copies its picture instead of composing the bar from the skin anew. One
// bitmap per panel, made again only when the panel's size changes.

#include <windows.h>

#include <array>
#include <optional>

#include "skin/definitions/SkinData.h"
#include "skin/runtime/controls/OffscreenBitmap.h"
#include "skin/runtime/controls/ScrollbarPaint.h"

namespace lanvero {

// Everything a panel's picture depends on: the bar's look, the picture's
// size and the panel's, and the skin's images and face colour (a skin
// loaded anew brings images with new handles).
struct PanelLook {
  ScrollbarLook bar;
  SIZE picture{};
  SIZE panel{};
  std::array<HBITMAP, 5> images{};
  Color face = 0;
};

PanelLook MakePanelLook(const TSkinData& sd, const ScrollbarLook& bar, SIZE picture, SIZE panel);
bool SameLook(const PanelLook& a, const PanelLook& b);

class PanelPicture {
 public:
  // True when the kept picture is the one of `look`.
  bool Shows(const PanelLook& look) const { return look_ && SameLook(*look_, look); }
  // The picture of `look` to copy from, composed only when the kept one
  // shows something else; null when no bitmap could be made.
  HDC Compose(const TSkinData& sd, const PanelLook& look);
  // The screen no longer shows the kept picture.
  void Forget() { look_.reset(); }

 private:
  std::optional<OffscreenBitmap> bitmap_;
  std::optional<PanelLook> look_;
};

}  // namespace lanvero
