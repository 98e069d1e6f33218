#pragma once
// TWMediaPlayer: a media player cannot be skinned by painting over it (it
// paints its buttons whenever it likes), so its skinner lays this panel, a
// child window covering the player's client area, over it and draws the
// buttons there from the skin's button frames and the player's glyphs.
// Presses and releases are handed on to the player, which keeps doing the
// work. Being the player's child, the window goes with the player; the
// object belongs to the skinner and outlives its window.

#include <windows.h>

#include <array>
#include <string>

#include "framework/base/GdiObject.h"
#include "skin/definitions/SkinData.h"

namespace lanvero::framework {
class TWinControl;
}

namespace lanvero {

class TSkinControl;

// The player's buttons, in the order of drawing and of hit testing.
enum class TMPBtnType { btPlay, btPause, btStop, btNext, btPrev, btStep, btBack, btRecord, btEject, btNone };
inline constexpr int kPlayerButtons = 9;

// A glyph from the program's resources; empty when the resource is missing.
struct PlayerGlyph {
  framework::UniqueBitmap bitmap;
  int width = 0;
  int height = 0;
};

struct PlayerButton {
  bool IsVisible = false;
  bool IsEnabled = false;
  bool IsColored = false;
  std::array<PlayerGlyph, 3> Glyphs;  // enabled, disabled, coloured
};

class TWMediaPlayer {
 public:
  TWMediaPlayer();
  ~TWMediaPlayer();
  TWMediaPlayer(const TWMediaPlayer&) = delete;
  TWMediaPlayer& operator=(const TWMediaPlayer&) = delete;

  // Creates the panel's window over `aObj`'s client area for `askin`.
  void Attach(TSkinControl& askin, framework::TWinControl& aObj);
  // Follows the player's size.
  void SetPosition();
  void Show(bool visible);
  // The window goes now (the object stays until its skinner goes).
  void DestroyPanel();
  void Repaint();
  HWND Window() const { return window_; }

  std::array<PlayerButton, kPlayerButtons> Buttons;
  int count = 0;
  bool IsDown = false;
  TMPBtnType BtnClick = TMPBtnType::btNone;
  TMPBtnType BtnFocuse = TMPBtnType::btNone;
  int BtnWidth = 0;

 private:
  static LRESULT CALLBACK WndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  void LoadPlayerGlyphs();
  // Reads which buttons the player shows, enables and colours.
  void ReadButtonSets();
  TMPBtnType PlayerButtonAt(int x);
  void Paint(HDC dc);
  void DrawPlayerButton(HDC dc, int index, const RECT& rc);
  void Press(WPARAM wParam, LPARAM lParam);
  void Release(WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  framework::TWinControl* obj = nullptr;
  TSkinControl* skincontrol = nullptr;
};

}  // namespace lanvero
