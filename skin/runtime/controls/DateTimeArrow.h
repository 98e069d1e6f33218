#pragma once
// TArrowButton: the skin's drop-down button laid over a date picker's own
// button, as a child window of the picker (no tab stop). A click on it is
// passed to the picker as a click on its button, which drops the calendar
// down. The button belongs to its date-time skinner; its window goes with
// the button, or earlier with the picker.

#include <windows.h>

#include <cstdint>

namespace lanvero {

class TSkinDateTime;

class TArrowButton {
 public:
  explicit TArrowButton(TSkinDateTime& owner);
  ~TArrowButton();
  TArrowButton(const TArrowButton&) = delete;
  TArrowButton& operator=(const TArrowButton&) = delete;

  // Creates the button's window inside `picker` over its own button and
  // lets the picker clip it.
  void Attach(HWND picker);
  // Follows the picker's right edge (`r`: the picker at the origin).
  void MoveArrow(const RECT& r);
  // Follows the picker's size and repaints.
  void Resize();
  void Show(bool visible);
  HWND Window() const { return window_; }

  int cw = 0;           // arrow width: a scroll bar button's
  HWND hwnd = nullptr;  // the picker's window
  uint8_t state = 0;    // bit value 1: hot

 private:
  static LRESULT CALLBACK WndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  RECT Placement() const;
  void SetHot(bool hot);
  void PressPicker(LPARAM point);
  void Paint(HDC dc);
  int Frame() const;

  TSkinDateTime& obj;
  HWND window_ = nullptr;
};

}  // namespace lanvero
