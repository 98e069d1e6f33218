#include "framework/services/UtilityWindow.h"

#include "framework/core/FrameworkError.h"
#include "framework/forms/Application.h"

namespace lanvero::framework {

namespace {
constexpr wchar_t kClassName[] = L"TUtilityWindow";
}

UtilityWindow::UtilityWindow(Handler handler) : handler_(std::move(handler)) {
  static const bool registered = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass) != 0;
  }();
  (void)registered;
  window_ =
      CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!window_) throw FrameworkError(L"Cannot create a utility window");
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

UtilityWindow::~UtilityWindow() {
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
}

LRESULT CALLBACK UtilityWindow::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<UtilityWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self && self->handler_) {
    LRESULT result = 0;
    try {
      if (self->handler_(msg, wParam, lParam, result)) return result;
    } catch (...) {
      HandleUncaughtException(std::current_exception());
      return 0;
    }
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}

}  // namespace lanvero::framework
