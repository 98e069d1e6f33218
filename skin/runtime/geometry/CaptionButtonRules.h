#pragma once
// Portable rules of the caption buttons: which are visible and enabled in
// which window state, where each is placed, which frame of its image it
// shows, and what its action code means.

#include <cstdint>
#include <functional>

#include "framework/graphics/PixelImage.h"

namespace lanvero {

// What the rules need to know of the window.
struct CaptionWindowFacts {
  bool maximised = false;
  bool active = true;
  bool systemMenu = false;  // the window has a system menu
  bool minBox = false;
  bool maxBox = false;
  bool helpBox = false;
  bool dialogFrame = false;  // dialog-style frame
  bool messageBox = false;
  bool mdiChildMaximisedWithMenuBar = false;  // an MDI frame showing a maximised child's buttons
};

// The application's answer for visibility codes 1000 to 2000 (code,
// action) -> visible.
using AskVisibility = std::function<bool(int32_t code, int32_t action)>;

struct CaptionButtonState {
  bool visible = false;
  bool enabled = true;
};

// Visibility and enabled state of a button with this action and these two
// visibility codes.
CaptionButtonState DecideCaptionButton(int32_t action, int32_t visibility, int32_t visibility1,
                                       const CaptionWindowFacts& facts, const AskVisibility& ask);

// Inputs of the placement of one button.
struct CaptionPlacement {
  int32_t align = 0;
  int32_t xCoord = 0;
  int32_t yCoord = 0;
  int32_t windowWidth = 0;  // fwidth
  Rect captionText;         // ctr: the caption text rectangle of the same paint
  int32_t rightBorder = 0;  // bw.right
  int32_t captionHeight = 0;
  int32_t menuHeight = 0;
  int32_t menuBarLeftTile = 0;  // the menu bar definition's left margin, 0 without one
};

// Bounds (window coordinates) of a button whose frames are `width` x
// `height`.
Rect PlaceCaptionButton(const CaptionPlacement& place, int32_t width, int32_t height);

// Frame numbers of button images: 1 normal, 2 pressed, 3 hot, 4 disabled or
// inactive.
enum ButtonFrame : int32_t { kFrameNormal = 1, kFramePressed = 2, kFrameHot = 3, kFrameDisabled = 4 };

// The frame a button shows when idle in the caption bar.
int32_t IdleButtonFrame(bool active, bool enabled, int32_t frameCount);
// The frame a button shows in mouse state `state` (1 normal, 2 pressed, 3
// hot); `menuBarButton` buttons show frame 4 when hot.
int32_t ButtonFrameForState(int32_t state, bool enabled, bool menuBarButton, int32_t frameCount);

// Action codes that need a meaning of their own.
bool IsWindowIconAction(int32_t action);
bool IsDecoration(int32_t action);
// "Close", "Maximize", "Minimize", "Restore" or empty.
const wchar_t* ButtonHintText(int32_t action);

}  // namespace lanvero
