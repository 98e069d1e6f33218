#pragma once
// The system's scroll bar information, looked up in user32 at run time:
// where it is missing every call reports failure, and the skinned scroll
// bars simply never show (the native ones stay).

#include <windows.h>

namespace lanvero {

// GetScrollBarInfo of `hwnd`'s bar `idObject` (OBJID_HSCROLL,
// OBJID_VSCROLL, OBJID_CLIENT for a scroll bar control); false when the
// platform lacks it or the call fails.
bool SkinScrollBarInfo(HWND hwnd, LONG idObject, SCROLLBARINFO& info);

// The bar is shown: the call succeeded and the bar is not invisible.
bool ScrollBarShown(const SCROLLBARINFO& info);
bool ScrollBarEnabled(const SCROLLBARINFO& info);

}  // namespace lanvero
