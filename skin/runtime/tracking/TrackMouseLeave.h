#pragma once
// Asking for WM_MOUSELEAVE: hot states of skinned controls end when the
// mouse leaves them. TrackMouseEvent is looked up in user32 at run time;
// without it the engine skins on, with no mouse-leave notifications.

#include <windows.h>

namespace lanvero {

// Requests one WM_MOUSELEAVE for `hwnd`; does nothing for a null window or
// where the platform lacks TrackMouseEvent.
void TrackMouseLeave(HWND hwnd);

}  // namespace lanvero
