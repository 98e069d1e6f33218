#include "skin/runtime/geometry/CaptionButtonRules.h"

namespace lanvero {
namespace {

// Condition A (from Visibility) or B (from Visibility1) of one code.
bool VisibilityHolds(int32_t code, bool first, const CaptionWindowFacts& f, int32_t action, const AskVisibility& ask) {
  const bool minOrMax = f.minBox || f.maxBox;
  switch (code) {
    case 0: return true;
    case 1: return f.maximised;
    case 2: return !f.maximised;
    case 3: return f.active;
    case 4: return !f.active;
    case 6:
    case 8: return first ? minOrMax && f.systemMenu : minOrMax;
    case 7: return !f.maxBox;
    case 9: return !f.minBox;
    case 10: return first ? f.helpBox && !f.minBox && !f.maxBox : f.helpBox;
    case 100: return f.mdiChildMaximisedWithMenuBar;
    case 200: return f.dialogFrame && !f.messageBox;
    default: break;
  }
  if (code >= 201 && code <= 999) return true;
  if (code >= 1000 && code <= 2000) return first ? (ask ? ask(code, action) : false) : true;
  return false;
}

}  // namespace

CaptionButtonState DecideCaptionButton(int32_t action, int32_t visibility, int32_t visibility1,
                                       const CaptionWindowFacts& facts, const AskVisibility& ask) {
  CaptionButtonState state;
  state.visible = VisibilityHolds(visibility, true, facts, action, ask) &&
                  (visibility1 == 100 ? VisibilityHolds(visibility, true, facts, action, ask)
                                      : VisibilityHolds(visibility1, false, facts, action, ask));
  if (!state.visible) return state;
  switch (action) {
    case 0: state.visible = facts.systemMenu; break;
    case 1: state.enabled = facts.maxBox && facts.systemMenu; break;
    case 2: state.enabled = facts.minBox && facts.systemMenu; break;
    case 3:
    case 11:
    case 12: state.visible = !facts.dialogFrame; break;
    default: break;
  }
  return state;
}

Rect PlaceCaptionButton(const CaptionPlacement& p, int32_t width, int32_t height) {
  int32_t x = 0;
  int32_t y = p.yCoord;
  switch (p.align) {
    case 0: x = p.xCoord; break;
    case 1: x = p.windowWidth - p.xCoord; break;
    case 2:
    case 8: x = p.captionText.left - width - p.xCoord; break;
    case 3:
    case 9: x = p.captionText.right + p.xCoord; break;
    case 100:
      x = p.windowWidth - p.xCoord - p.rightBorder - p.menuBarLeftTile;
      y = (p.menuHeight - height) / 2 + p.captionHeight;
      break;
    default: y = 0; break;
  }
  return Rect{x, y, x + width, y + height};
}

int32_t IdleButtonFrame(bool active, bool enabled, int32_t frameCount) {
  if (frameCount < 4) return kFrameNormal;
  return active && enabled ? kFrameNormal : kFrameDisabled;
}

int32_t ButtonFrameForState(int32_t state, bool enabled, bool menuBarButton, int32_t frameCount) {
  int32_t frame = state;
  if (!enabled) frame = kFrameDisabled;
  if (menuBarButton && frame == kFrameHot) frame = kFrameDisabled;
  if (frame > frameCount) frame = kFrameNormal;
  if (frame < kFrameNormal || frame > kFrameDisabled) frame = kFrameNormal;
  return frame;
}

bool IsWindowIconAction(int32_t action) { return action == 3 || action == 11; }
bool IsDecoration(int32_t action) { return action < 0; }

const wchar_t* ButtonHintText(int32_t action) {
  switch (action) {
    case 0:
    case 9:
    case 62: return L"Close";
    case 1:
    case 22: return L"Maximize";
    case 2:
    case 23:
    case 7:
    case 60: return L"Minimize";
    case 8:
    case 61: return L"Restore";
    default: return L"";
  }
}

}  // namespace lanvero
