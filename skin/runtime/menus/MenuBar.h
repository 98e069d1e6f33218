#pragma once
// TWinSkinMenu: the menu bar a frame skinner draws in its window's menu
// band in place of the system's, one TMenuBtn per top-level item of the
// window's menu. The window keeps no native menu bar while it is skinned
// (GetMenu answers 0); the frame skinner gives the menu back when it lets go.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "skin/image/win/DibSection.h"
#include "skin/runtime/frame/WinSkinForm.h"
#include "skin/runtime/geometry/MenuBarGeometry.h"

namespace lanvero::framework {
class TMainMenu;
class TMenuItem;
}  // namespace lanvero::framework

namespace lanvero {

class TWinSkinMenu;

// One top-level item of the menu bar.
class TMenuBtn : public TNCObject {
 public:
  TMenuBtn(TWinSkinForm& sf, TSkinData& sd, TWinSkinMenu& bar) : TNCObject(sf, sd), bar_(bar) {}
  // Repaints this button alone in its state, over the band's background.
  void Draw() override;

  framework::TMenuItem* menuitem = nullptr;  // the framework's item, when one was found
  int32_t index = 0;
  std::wstring caption;  // with its "&" accelerator marker
  HMENU hsubmenu = nullptr;
  UINT mid = 0;

 private:
  TWinSkinMenu& bar_;
};

class TWinSkinMenu {
 public:
  TWinSkinMenu(TWinSkinForm& sf, TSkinData& sd) : SF(sf), FSD(sd) {}
  TWinSkinMenu(const TWinSkinMenu&) = delete;
  TWinSkinMenu& operator=(const TWinSkinMenu&) = delete;

  // Rebuilds the buttons from the window's menu, the framework's items
  // giving their captions and states, and takes the native bar away.
  void UpdataBtn();
  // The same after an MDI frame's menu was replaced; then lays them out.
  void UpdataBtn2(HMENU newmenu);
  // Paints the band `rc` (window coordinates) into the window DC `dc`.
  void DrawMenu(HDC dc, const Rect& rc);
  // Lays the buttons out without painting.
  void SetMenuRect();
  // The button under a window point; buttons without text are never hit.
  TMenuBtn* FindBtn(FramePoint p) const;
  // The first enabled, visible button whose accelerator is `key`.
  TMenuBtn* FindAccelButton(wchar_t key) const;
  // The button at `index`, or null when there is none (the bar was rebuilt).
  TMenuBtn* ButtonAt(int32_t index) const;
  const std::vector<std::unique_ptr<TMenuBtn>>& Buttons() const { return buttons_; }

  framework::TMainMenu* menu = nullptr;  // the form's main menu, not owned
  Rect Bar;                              // the band as last painted
  HMENU hmenu = nullptr;                 // the window's menu, given back when skinning ends
  int32_t count = 0;

 private:
  friend class TMenuBtn;
  void FreeButtons();
  void ReadButtons(bool frameworkForEmptyTextOnly);
  void TakeFrameworkItem(TMenuBtn& button, bool keepItem) const;
  MenuBarBand BandOf(const Rect& band, int32_t mdiLimit) const;
  void Layout(HDC dc, const MenuBarBand& band);
  void DrawMDIButtons(HDC dc, const Rect& band);
  int32_t MDIButtonsLeft() const;

  TWinSkinForm& SF;
  TSkinData& FSD;
  std::vector<std::unique_ptr<TMenuBtn>> buttons_;
  DibSection bkmap;  // the painted band without text, for repainting one button
};

// Draws `text` centred in `rect`, in COLOR_BTNSHADOW when disabled.
void DrawCenteredText(HDC dc, const Rect& rect, const std::wstring& text, bool enabled);

}  // namespace lanvero
