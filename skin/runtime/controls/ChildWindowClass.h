#pragma once
// Child windows that skinners lay over their controls (a picker's arrow, a
// media player's panel) keep their object in the window's first extra slot,
// from WM_NCCREATE (the creation parameter) until the object lets go.

#include <windows.h>

namespace lanvero {

// Registers the window class `name` (once: a second registration of the
// same name is taken as done); null when it cannot be registered.
inline const wchar_t* RegisterChildClass(const wchar_t* name, WNDPROC proc) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.cbWndExtra = sizeof(void*);
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.lpszClassName = name;
  if (RegisterClassExW(&wc) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS) return name;
  return nullptr;
}

// The object of `window`, bound at WM_NCCREATE to the creation parameter.
template <class T>
T* ChildWindowObject(HWND window, UINT msg, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    SetWindowLongPtrW(window, 0, reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  }
  return reinterpret_cast<T*>(GetWindowLongPtrW(window, 0));
}

// The window no longer reaches its object.
inline void UnbindChildWindow(HWND window) { SetWindowLongPtrW(window, 0, 0); }

// The start every child window procedure shares: the object of `window`,
// with its window recorded in `slot` at creation. Null when the window has
// no object (yet, or any more), and at WM_NCDESTROY: the control went and
// took its children along, so the object lets go of the window. The caller
// answers null with DefWindowProc.
template <class T>
T* EnterChildWindow(HWND window, UINT msg, LPARAM lParam, HWND T::*slot) {
  T* self = ChildWindowObject<T>(window, msg, lParam);
  if (!self) return nullptr;
  if (msg == WM_NCCREATE) self->*slot = window;
  if (msg != WM_NCDESTROY) return self;
  self->*slot = nullptr;
  UnbindChildWindow(window);
  return nullptr;
}

// Answers WM_PAINT by painting the update region with `paint(dc)`.
template <class Paint>
LRESULT PaintChildWindow(HWND window, Paint&& paint) {
  PAINTSTRUCT ps{};
  const HDC dc = BeginPaint(window, &ps);
  paint(dc);
  EndPaint(window, &ps);
  return 0;
}

}  // namespace lanvero
