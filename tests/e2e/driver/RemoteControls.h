// Reading controls of another process. Texts of edits and memos come through
// WM_GETTEXT, which the system copies across processes; common-control
// messages such as SB_GETTEXTW are not copied, so their buffers are placed
// in the other process's memory and read back.
#pragma once

#include <windows.h>

#include <string>

namespace lanvero::e2e {

// The text the control itself reports (WM_GETTEXT), not the window title
// the system keeps, which an edit control does not update.
std::wstring ControlText(HWND hwnd);

// Text of panel `panel` of a status window of another process.
std::wstring StatusBarPanelText(HWND statusBar, int panel);

// Rectangle of tab `index` of a tab control of another process, in the
// control's client coordinates.
RECT TabItemRect(HWND tabControl, int index);

// The window with the keyboard focus in the thread that owns `anyWindow`
// (nullptr when that thread has no focus).
HWND FocusedWindowOfThread(HWND anyWindow);

// True when the push button is drawn as the default button of its window.
bool IsDefaultPushButton(HWND button);

}  // namespace lanvero::e2e
