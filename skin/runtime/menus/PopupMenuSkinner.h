#pragma once
// TWinSkinPopMenu: the skinner of one popup menu window (class "#32768").
// It paints the window's border and background from the skin's menu
// background image (MenuitemBG) and keeps that image, so that the item
// painter copies each item's background from it. The tracker creates one
// for every popup menu window of a skinned program and frees it when the
// window goes (TSkinManage::AddPopupMenu, RemovePopupMenu).
//
// Where the border lies differs between platforms: Windows gives the popup
// window a non-client border around the items, painted at WM_NCPAINT;
// Wine's popup window is all client area, its border painted with the
// items at WM_PAINT. The skinner serves both: the border and whatever no
// item covers always show the skin.

#include <windows.h>

#include "skin/definitions/SkinData.h"
#include "skin/image/win/DibSection.h"
#include "skin/runtime/tracking/WindowSubclass.h"

namespace lanvero {

// The background of a popup menu window as last painted.
struct PopupMenuBackground {
  DibSection image;      // the whole window, in window coordinates
  POINT clientOrigin{};  // where the client area (the items' origin) lies in it
};

class TWinSkinPopMenu : public SubclassTarget {
 public:
  TWinSkinPopMenu();
  ~TWinSkinPopMenu() override;

  // Subclasses the window; `amenu` is the menu it shows when known (the
  // tracker passes 0: the first item drawn or the first paint tells).
  void InitSkin(HWND ahwnd, TSkinData& afsd, HMENU amenu);
  // Gives the window its procedure back and drops the background.
  void UnSubClass();
  bool Subclassed() const { return subclassed_; }

  HWND hwnd = nullptr;
  TSkinData* fsd = nullptr;
  PopupMenuBackground MenuBg;
  HMENU hmenu = nullptr;
  bool ownerdraw = false;

  // Skinners alive, listed or waiting for their call to return (leak tests).
  static int Live();

 protected:
  // The popup window's procedure while it is skinned.
  LRESULT SubclassMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  LRESULT CallDefault(UINT msg, WPARAM wParam, LPARAM lParam);
  bool HasSkinBackground() const;
  bool BorderInClientArea() const;
  void BuildMenuBg();
  LRESULT EraseBackground(WPARAM wParam, LPARAM lParam);
  LRESULT PaintMenuFrame(WPARAM wParam, LPARAM lParam);
  LRESULT PaintClient();
  LRESULT PrintMenu(WPARAM wParam, LPARAM lParam);
  void ComposeWindow(HDC target, UINT printMessage, LPARAM printFlags);
  void CoverAroundItems(HDC dc) const;

  bool subclassed_ = false;
};

}  // namespace lanvero
