#include "skin/runtime/controls/TabItems.h"

#include <commctrl.h>

#include "framework/controls/WinControl.h"
#include "skin/runtime/SkinMessages.h"
#include "skin/runtime/controls/SkinControl.h"
#include "skin/runtime/controls/SkinnerFactory.h"

namespace lanvero {

std::vector<TabItem> ReadTabItems(HWND tabs) {
  std::vector<TabItem> items;
  const int count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    TabItem item;
    wchar_t text[81]{};
    TCITEMW query{};
    query.mask = TCIF_TEXT | TCIF_IMAGE;
    query.pszText = text;
    query.cchTextMax = 80;
    if (SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&query))) {
      // The control may hand back a pointer to its own copy of the text.
      item.text = query.pszText ? std::wstring(query.pszText).substr(0, 80) : std::wstring();
      item.image = query.iImage;
    }
    item.hasRect = SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item.rect));
    items.push_back(std::move(item));
  }
  return items;
}

TabStripState ReadTabStrip(HWND tabs) {
  return {ReadTabItems(tabs), static_cast<int>(SendMessageW(tabs, TCM_GETCURFOCUS, 0, 0)),
          reinterpret_cast<HIMAGELIST>(SendMessageW(tabs, TCM_GETIMAGELIST, 0, 0))};
}

RECT TabPageRect(HWND tabs, const RECT& rc) {
  RECT page = rc;
  SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
  InflateRect(&page, 4, 4);
  return page;
}

HWND SkinScrollArrows(TSkinControl& owner) {
  HWND arrows = owner.hwnd ? FindWindowExW(owner.hwnd, nullptr, UPDOWN_CLASSW, nullptr) : nullptr;
  if (!arrows || SendMessageW(arrows, WM_SKINQUERY, 0, 0) == 1) return arrows;
  if (TSkinControl* updown = NewSkinner(SkinnerClass::UpDown, owner.control)) {
    updown->Inithwnd(arrows, owner.fsd, owner.fCanvas, owner.skinform);
  }
  return arrows;
}

HFONT WindowFont(HWND window) { return reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)); }

}  // namespace lanvero
