// A hidden message-only window that hands its messages to a callback: the
// receiver of timers and other notifications of objects without a window.
#pragma once

#include <windows.h>

#include <functional>

namespace lanvero::framework {

class UtilityWindow {
 public:
  // Returns true when it handled the message (and set `result`).
  using Handler = std::function<bool(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

  explicit UtilityWindow(Handler handler);
  UtilityWindow(const UtilityWindow&) = delete;
  UtilityWindow& operator=(const UtilityWindow&) = delete;
  ~UtilityWindow();

  HWND Handle() const { return window_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  Handler handler_;
  HWND window_ = nullptr;
};

}  // namespace lanvero::framework
