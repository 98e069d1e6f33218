#include "tests/e2e/driver/RemoteControls.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/e2e/driver/Handles.h"

namespace lanvero::e2e {
namespace {

constexpr UINT kReplyTimeoutMs = 5000;

LRESULT SendWithTimeout(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(hwnd, msg, wParam, lParam, SMTO_ABORTIFHUNG, kReplyTimeoutMs, &result)) {
    throw std::runtime_error("the window did not answer message " + std::to_string(msg));
  }
  return static_cast<LRESULT>(result);
}

// A block of memory inside another process, freed with the object.
class RemoteBuffer {
 public:
  RemoteBuffer(HWND ownerWindow, size_t bytes) : bytes_(bytes) {
    DWORD pid = 0;
    GetWindowThreadProcessId(ownerWindow, &pid);
    process_.Reset(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
    if (!process_) throw std::runtime_error("cannot open the process of the window");
    address_ = VirtualAllocEx(process_.Get(), nullptr, bytes, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!address_) throw std::runtime_error("cannot allocate memory in the process of the window");
  }
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;
  ~RemoteBuffer() { VirtualFreeEx(process_.Get(), address_, 0, MEM_RELEASE); }

  LPARAM Address() const { return reinterpret_cast<LPARAM>(address_); }
  // Copies the whole block into `out`, which holds at least its size.
  void Read(void* out) const {
    SIZE_T read = 0;
    if (!ReadProcessMemory(process_.Get(), address_, out, bytes_, &read) || read != bytes_) {
      throw std::runtime_error("cannot read the memory of the window's process");
    }
  }

 private:
  KernelHandle process_;
  void* address_ = nullptr;
  size_t bytes_;
};

}  // namespace

std::wstring ControlText(HWND hwnd) {
  const auto length = static_cast<size_t>(SendWithTimeout(hwnd, WM_GETTEXTLENGTH, 0, 0));
  std::wstring text(length + 1, L'\0');
  const auto copied =
      static_cast<size_t>(SendWithTimeout(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
  text.resize(std::min(copied, length));
  return text;
}

std::wstring StatusBarPanelText(HWND statusBar, int panel) {
  const auto length = static_cast<size_t>(LOWORD(SendWithTimeout(statusBar, SB_GETTEXTLENGTHW, panel, 0)));
  RemoteBuffer buffer(statusBar, (length + 1) * sizeof(wchar_t));
  SendWithTimeout(statusBar, SB_GETTEXTW, panel, buffer.Address());
  std::vector<wchar_t> text(length + 1, L'\0');
  buffer.Read(text.data());
  return std::wstring(text.data(), wcsnlen(text.data(), length));
}

RECT TabItemRect(HWND tabControl, int index) {
  RECT rect{};
  RemoteBuffer buffer(tabControl, sizeof rect);
  if (!SendWithTimeout(tabControl, TCM_GETITEMRECT, index, buffer.Address())) {
    throw std::runtime_error("the tab control has no tab " + std::to_string(index));
  }
  buffer.Read(&rect);
  return rect;
}

HWND FocusedWindowOfThread(HWND anyWindow) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(anyWindow, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

bool IsDefaultPushButton(HWND button) { return (GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON; }

}  // namespace lanvero::e2e
