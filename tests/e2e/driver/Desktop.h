// Finding the windows of a program under test, reading them, and using them
// as a person would: mouse clicks and key strokes go through the system's
// input queue (SendInput), so they reach the program exactly like a user's.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace lanvero::e2e {

std::wstring WindowText(HWND hwnd);
std::wstring WindowClass(HWND hwnd);
RECT WindowRectOnScreen(HWND hwnd);
RECT ClientRectOnScreen(HWND hwnd);
SIZE ClientSize(HWND hwnd);

// Top-level windows of process `pid`, optionally only those of class `cls`.
std::vector<HWND> TopLevelWindows(DWORD pid, const wchar_t* cls = nullptr);
// Waits until a visible top-level window of the class exists; nullptr on time-out.
HWND WaitForWindow(DWORD pid, const wchar_t* cls, DWORD timeoutMs = 15000);
// First child of `parent` (at any depth) with the class and, if given, the text.
HWND FindChild(HWND parent, const wchar_t* cls, const wchar_t* text = nullptr);

// Mouse input at a point in the client coordinates of `hwnd`.
void Click(HWND hwnd, POINT clientPoint);
void DoubleClick(HWND hwnd, POINT clientPoint);
void RightClick(HWND hwnd, POINT clientPoint);
void MoveMouse(HWND hwnd, POINT clientPoint);
void Wheel(HWND hwnd, POINT clientPoint, int distance);

// Keyboard input to whatever window has the focus.
void TypeText(const std::wstring& text);
void PressKey(WORD virtualKey);
void PressKeyCombination(WORD modifier, WORD virtualKey);
// Presses the keys in order and releases them in reverse (Ctrl+Shift+End).
void PressKeyChord(std::initializer_list<WORD> virtualKeys);

// Brings the window to the front and gives it the keyboard focus.
void Activate(HWND hwnd);

// Lets the program under test handle pending input: waits until it is idle,
// a little longer for input still on its way, and then until none of its
// windows waits to be painted.
void Settle(DWORD pid, DWORD extraMs = 100);
// True when no window of the process (top-level or child) has a part still
// to be painted; waits up to `timeoutMs` for that.
bool WaitForPainted(DWORD pid, DWORD timeoutMs = 5000);

// Calls `read` until it returns `expected` or the time is up, and returns
// the last value read: for states the program reaches after a while.
template <typename Read, typename Value>
auto Eventually(Read read, const Value& expected, DWORD timeoutMs = 3000) -> decltype(read()) {
  const DWORD start = GetTickCount();
  auto value = read();
  while (!(value == expected) && GetTickCount() - start < timeoutMs) {
    Sleep(50);
    value = read();
  }
  return value;
}

struct MessageBoxInfo {
  HWND hwnd = nullptr;
  std::wstring caption;
  std::wstring text;
  std::vector<std::wstring> buttons;
};
// Waits for a standard dialog ("#32770") of the process and reads it.
std::optional<MessageBoxInfo> WaitForMessageBox(DWORD pid, DWORD timeoutMs = 10000);
// Presses the dialog's button with the given text (for example L"OK") by a click.
bool AnswerMessageBox(const MessageBoxInfo& box, const std::wstring& buttonText);
// Presses the dialog's button with the control id (IDOK, IDCANCEL, ...) by a
// click; captions depend on the system's language, ids do not.
bool PressDialogButton(HWND dialog, int controlId);
// Waits until no standard dialog of the process is open; false on time-out.
bool WaitForNoMessageBox(DWORD pid, DWORD timeoutMs = 5000);

// Asks the window to close as the caption's close button would.
void RequestClose(HWND hwnd);

}  // namespace lanvero::e2e
