#pragma once
// The engine's private window messages. Their values are fixed: programs
// that cooperate with the engine send and answer them.

#include <windows.h>

namespace lanvero {

inline constexpr UINT WM_SKINCHANGED = 0x3401;         // a new skin was loaded: re-skin
inline constexpr UINT WM_SKINNCPAINT = 0x3502;         // repaint the skinned frame now
inline constexpr UINT WM_SKINACTIVATE = 0x3503;        // posted after a frame skinner was made (lParam 1000)
inline constexpr UINT WM_SKINENABLE = 0x3506;          // switch one control's skinning on (wParam != 0) or off
inline constexpr UINT WM_SKINTABCLOSE = 0x3507;        // a tab's close mark was clicked
inline constexpr UINT WM_SKINBUTTONACTION = 0x3514;    // an application-defined caption button was clicked
inline constexpr UINT WM_SKINBUTTONVISIBLE = 0x3515;   // is this caption button visible?
inline constexpr UINT WM_SKINREDRAWFRAME = 0x3516;     // redraw an MDI frame completely
inline constexpr UINT WM_SKINRESETSCROLLBAR = 0x3517;  // replace the scroll bar skinner of the window in wParam
inline constexpr UINT WM_SKINMENUCLICK = 0x3518;       // press the menu bar button under the screen point in lParam
inline constexpr UINT WM_SKINQUERY = 0x3523;           // is this window already skinned? (answered 1)
inline constexpr UINT WM_SKINPAINTCLIENT = 0xBC4A;     // paint an edit-like client area into the DC in wParam
inline constexpr UINT WM_SKINPAINTFRAME = 0xBC4B;      // paint the frame into the DC in wParam
inline constexpr UINT WM_SKINPING = 0xBC4D;            // answered with SKIN_SIGNATURE
inline constexpr UINT WM_SKINNOTIFY = 0xBC4E;          // a frame skinner finished skinning its window
inline constexpr LPARAM SKIN_SIGNATURE = 0x41A2;

// Not defined by every SDK: the themed caption paint of Windows XP and later.
inline constexpr UINT WM_NCUAHDRAWCAPTION = 0x00AE;

}  // namespace lanvero
