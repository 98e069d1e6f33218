#pragma once
// What the tab skinners read from a tab control window: each tab's text,
// image and rectangle, and the page rectangle the tabs surround.

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace lanvero {

class TSkinControl;

struct TabItem {
  std::wstring text;  // at most 80 characters
  int image = -1;
  RECT rect{};  // client coordinates
  bool hasRect = false;
};

// Every tab of `tabs`, in order.
std::vector<TabItem> ReadTabItems(HWND tabs);

// What a tab strip shows: its tabs, the current one and the image list.
struct TabStripState {
  std::vector<TabItem> items;
  int current = -1;
  HIMAGELIST images = nullptr;
};
TabStripState ReadTabStrip(HWND tabs);

// The page area of a tab control whose window rectangle (at the origin) is
// `rc`: its display rectangle grown by 4 pixels on every side.
RECT TabPageRect(HWND tabs, const RECT& rc);

// The scroll arrows ("msctls_updown32") of a tab strip get an up-down
// skinner owned like `owner` (once: a skinned window says so itself).
// Returns the arrows' window, or null when there are none.
HWND SkinScrollArrows(TSkinControl& owner);

// The font the window draws its text with (WM_GETFONT), or null.
HFONT WindowFont(HWND window);

}  // namespace lanvero
