#include "skin/runtime/geometry/FrameGeometry.h"

#include <algorithm>

namespace lanvero {

FrameLayout LayoutFrame(int32_t width, int32_t height, const FrameWidths& w, int32_t menuHeight) {
  FrameLayout layout;
  layout.left = {0, 0, w.left, height};
  layout.right = {width - w.right, 0, width, height};
  layout.caption = {w.left, 0, width - w.right, w.top};
  layout.menuBand = {w.left, w.top, width - w.right, w.top + menuHeight};
  layout.bottom = {w.left, height - w.bottom, width - w.right, height};
  layout.client = {w.left, w.top + menuHeight, width - w.right, height - w.bottom};
  return layout;
}

Rect ClientRectInside(const Rect& window, const FrameWidths& w, int32_t menuHeight) {
  Rect client{window.left + w.left, window.top + w.top + menuHeight, window.right - w.right, window.bottom - w.bottom};
  // A frame larger than the window (a tiny or minimised window) leaves an
  // empty client area at the frame's inner corner, kept inside the window.
  client.left = std::clamp(client.left, window.left, std::max(window.left, window.right));
  client.top = std::clamp(client.top, window.top, std::max(window.top, window.bottom));
  client.right = std::max(client.right, client.left);
  client.bottom = std::max(client.bottom, client.top);
  client.right = std::min(client.right, std::max(client.left, window.right));
  client.bottom = std::min(client.bottom, std::max(client.top, window.bottom));
  return client;
}

int32_t MapHitTest(int32_t systemAnswer, FramePoint p, const FrameWidths& w, int32_t menuHeight) {
  switch (systemAnswer) {
    case kHitNowhere:
    case kHitCaption:
    case kHitSysMenu:
    case kHitMinButton:
    case kHitMaxButton:
    case kHitClose:
    case kHitHelp: break;
    default: return systemAnswer;
  }
  // The system's own caption buttons and icon never answer: the skin draws
  // something else in their place, so a press there must not start the
  // system's button tracking.
  int32_t answer = systemAnswer == kHitNowhere ? kHitNowhere : kHitCaption;
  // The top rows keep the system's answer (a sizeable window is still sized
  // at its top edge); the rest of the caption bar is caption, and what the
  // system left open below it is the menu band.
  if (p.y > 3) answer = kHitCaption;
  if (p.y > w.top && menuHeight > 0) answer = kHitMenu;
  return answer;
}

int32_t FrameExtent(int32_t imageExtent, int32_t frameCount) { return imageExtent / std::max<int32_t>(frameCount, 1); }

}  // namespace lanvero
