#include "tests/e2e/driver/Desktop.h"

#include <algorithm>

namespace lanvero::e2e {
namespace {

constexpr DWORD kPollMs = 50;
constexpr DWORD kScreenUpdateMs = 30;

struct EnumState {
  DWORD pid;
  const wchar_t* cls;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND hwnd, LPARAM lp) {
  auto* state = reinterpret_cast<EnumState*>(lp);
  DWORD owner = 0;
  GetWindowThreadProcessId(hwnd, &owner);
  if (owner == state->pid && (!state->cls || WindowClass(hwnd) == state->cls)) {
    state->found.push_back(hwnd);
  }
  return TRUE;
}

struct ChildSearch {
  const wchar_t* cls;
  const wchar_t* text;
  HWND found = nullptr;
};

BOOL CALLBACK FindMatchingChild(HWND hwnd, LPARAM lp) {
  auto* search = reinterpret_cast<ChildSearch*>(lp);
  if (WindowClass(hwnd) == search->cls && (!search->text || WindowText(hwnd) == search->text)) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK CollectChildren(HWND hwnd, LPARAM lp) {
  reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
  return TRUE;
}

POINT ToScreen(HWND hwnd, POINT clientPoint) {
  ClientToScreen(hwnd, &clientPoint);
  return clientPoint;
}

// SendInput takes absolute positions in 0..65535 across the primary screen.
INPUT MouseInput(POINT screen, DWORD flags, DWORD data = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  input.mi.dx = MulDiv(screen.x, 65535, width - 1);
  input.mi.dy = MulDiv(screen.y, 65535, height - 1);
  input.mi.mouseData = data;
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
  return input;
}

void SendInputs(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void ButtonClick(HWND hwnd, POINT clientPoint, DWORD down, DWORD up, int times) {
  const POINT screen = ToScreen(hwnd, clientPoint);
  SendInputs({MouseInput(screen, MOUSEEVENTF_MOVE)});
  for (int i = 0; i < times; ++i) {
    SendInputs({MouseInput(screen, down), MouseInput(screen, up)});
  }
}

INPUT KeyInput(WORD vk, WORD scan, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = scan;
  input.ki.dwFlags = flags;
  return input;
}

}  // namespace

std::wstring WindowText(HWND hwnd) {
  const int length = GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(static_cast<size_t>(std::max(copied, 0)));
  return text;
}

std::wstring WindowClass(HWND hwnd) {
  wchar_t name[256] = {};
  const int length = GetClassNameW(hwnd, name, 256);
  return std::wstring(name, static_cast<size_t>(std::max(length, 0)));
}

RECT WindowRectOnScreen(HWND hwnd) {
  RECT rect{};
  GetWindowRect(hwnd, &rect);
  return rect;
}

RECT ClientRectOnScreen(HWND hwnd) {
  RECT rect{};
  GetClientRect(hwnd, &rect);
  MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

SIZE ClientSize(HWND hwnd) {
  RECT rect{};
  GetClientRect(hwnd, &rect);
  return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

std::vector<HWND> TopLevelWindows(DWORD pid, const wchar_t* cls) {
  EnumState state{pid, cls, {}};
  EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&state));
  return state.found;
}

HWND WaitForWindow(DWORD pid, const wchar_t* cls, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  do {
    for (HWND hwnd : TopLevelWindows(pid, cls)) {
      if (IsWindowVisible(hwnd)) return hwnd;
    }
    Sleep(kPollMs);
  } while (GetTickCount() - start < timeoutMs);
  return nullptr;
}

HWND FindChild(HWND parent, const wchar_t* cls, const wchar_t* text) {
  ChildSearch search{cls, text};
  EnumChildWindows(parent, FindMatchingChild, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void Click(HWND hwnd, POINT clientPoint) {
  ButtonClick(hwnd, clientPoint, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 1);
}

void DoubleClick(HWND hwnd, POINT clientPoint) {
  ButtonClick(hwnd, clientPoint, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 2);
}

void RightClick(HWND hwnd, POINT clientPoint) {
  ButtonClick(hwnd, clientPoint, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, 1);
}

void MoveMouse(HWND hwnd, POINT clientPoint) {
  SendInputs({MouseInput(ToScreen(hwnd, clientPoint), MOUSEEVENTF_MOVE)});
}

void Wheel(HWND hwnd, POINT clientPoint, int distance) {
  const POINT screen = ToScreen(hwnd, clientPoint);
  SendInputs(
      {MouseInput(screen, MOUSEEVENTF_MOVE), MouseInput(screen, MOUSEEVENTF_WHEEL, static_cast<DWORD>(distance))});
}

void TypeText(const std::wstring& text) {
  for (wchar_t ch : text) {
    SendInputs({KeyInput(0, ch, KEYEVENTF_UNICODE), KeyInput(0, ch, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP)});
  }
}

void PressKey(WORD virtualKey) { SendInputs({KeyInput(virtualKey, 0, 0), KeyInput(virtualKey, 0, KEYEVENTF_KEYUP)}); }

void PressKeyCombination(WORD modifier, WORD virtualKey) { PressKeyChord({modifier, virtualKey}); }

void PressKeyChord(std::initializer_list<WORD> virtualKeys) {
  std::vector<INPUT> inputs;
  for (WORD key : virtualKeys) inputs.push_back(KeyInput(key, 0, 0));
  for (auto key = std::rbegin(virtualKeys); key != std::rend(virtualKeys); ++key) {
    inputs.push_back(KeyInput(*key, 0, KEYEVENTF_KEYUP));
  }
  SendInputs(std::move(inputs));
}

void Activate(HWND hwnd) {
  SetForegroundWindow(hwnd);
  SetActiveWindow(hwnd);
}

void Settle(DWORD pid, DWORD extraMs) {
  if (HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, pid)) {
    WaitForInputIdle(process, 5000);
    CloseHandle(process);
  }
  Sleep(extraMs);
  WaitForPainted(pid);
}

bool WaitForPainted(DWORD pid, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    bool pending = false;
    for (HWND top : TopLevelWindows(pid)) {
      std::vector<HWND> windows{top};
      EnumChildWindows(top, CollectChildren, reinterpret_cast<LPARAM>(&windows));
      pending = std::any_of(windows.begin(), windows.end(),
                            [](HWND h) { return IsWindowVisible(h) && GetUpdateRect(h, nullptr, FALSE); });
      if (pending) break;
    }
    if (!pending) {
      Sleep(kScreenUpdateMs);  // the painted pixels reach the display
      return true;
    }
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(kPollMs);
  }
}
std::optional<MessageBoxInfo> WaitForMessageBox(DWORD pid, DWORD timeoutMs) {
  HWND box = WaitForWindow(pid, L"#32770", timeoutMs);
  if (!box) return std::nullopt;
  MessageBoxInfo info;
  info.hwnd = box;
  info.caption = WindowText(box);
  std::vector<HWND> children;
  EnumChildWindows(box, CollectChildren, reinterpret_cast<LPARAM>(&children));
  for (HWND child : children) {
    const std::wstring cls = WindowClass(child);
    if (cls == L"Button") {
      info.buttons.push_back(WindowText(child));
    } else if (cls == L"Static" && GetDlgCtrlID(child) == 0xFFFF && info.text.empty()) {
      info.text = WindowText(child);  // the message text; the icon is a second static
    }
  }
  return info;
}

namespace {

// A dialog that has just shown may still be laid out (a skinned frame
// resizes the window around its client area): a click aimed at a button
// that is still moving can miss it. Waits until the window's rectangle has
// kept still for two polls, two seconds at most.
void WaitUntilStill(HWND window) {
  RECT last{};
  GetWindowRect(window, &last);
  int stillPolls = 0;
  for (DWORD waited = 0; waited < 2000 && stillPolls < 2; waited += kPollMs) {
    Sleep(kPollMs);
    RECT now{};
    GetWindowRect(window, &now);
    stillPolls = EqualRect(&now, &last) ? stillPolls + 1 : 0;
    last = now;
  }
}

bool ClickDialogButton(HWND dialog, HWND button) {
  if (!button) return false;
  WaitUntilStill(dialog);
  RECT rect{};
  GetClientRect(button, &rect);
  Activate(dialog);
  Click(button, POINT{rect.right / 2, rect.bottom / 2});
  return true;
}

}  // namespace

bool AnswerMessageBox(const MessageBoxInfo& box, const std::wstring& buttonText) {
  return ClickDialogButton(box.hwnd, FindChild(box.hwnd, L"Button", buttonText.c_str()));
}

bool PressDialogButton(HWND dialog, int controlId) { return ClickDialogButton(dialog, GetDlgItem(dialog, controlId)); }

bool WaitForNoMessageBox(DWORD pid, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (GetTickCount() - start < timeoutMs) {
    const auto boxes = TopLevelWindows(pid, L"#32770");
    if (std::none_of(boxes.begin(), boxes.end(), [](HWND h) { return IsWindowVisible(h) != FALSE; })) return true;
    Sleep(kPollMs);
  }
  return false;
}

void RequestClose(HWND hwnd) { PostMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0); }

}  // namespace lanvero::e2e
