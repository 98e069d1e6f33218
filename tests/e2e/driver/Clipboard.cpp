#include "tests/e2e/driver/Clipboard.h"

#include <windows.h>

#include <cstring>

namespace lanvero::e2e {
namespace {

// The clipboard is shared: another process may hold it for a moment.
class OpenedClipboard {
 public:
  OpenedClipboard() {
    for (int attempt = 0; attempt < 50 && !open_; ++attempt) {
      open_ = OpenClipboard(nullptr) != FALSE;
      if (!open_) Sleep(20);
    }
  }
  OpenedClipboard(const OpenedClipboard&) = delete;
  OpenedClipboard& operator=(const OpenedClipboard&) = delete;
  ~OpenedClipboard() {
    if (open_) CloseClipboard();
  }
  explicit operator bool() const { return open_; }

 private:
  bool open_ = false;
};

}  // namespace

std::optional<std::wstring> ReadClipboardText() {
  OpenedClipboard clipboard;
  if (!clipboard) return std::nullopt;
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (!data) return std::nullopt;
  const auto* text = static_cast<const wchar_t*>(GlobalLock(data));
  if (!text) return std::nullopt;
  std::wstring result(text, wcsnlen(text, GlobalSize(data) / sizeof(wchar_t)));
  GlobalUnlock(data);
  return result;
}

bool WriteClipboardText(const std::wstring& text) {
  OpenedClipboard clipboard;
  if (!clipboard) return false;
  EmptyClipboard();
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory) return false;
  std::memcpy(GlobalLock(memory), text.c_str(), bytes);
  GlobalUnlock(memory);
  if (!SetClipboardData(CF_UNICODETEXT, memory)) {
    GlobalFree(memory);
    return false;
  }
  return true;  // the clipboard owns the memory now
}

}  // namespace lanvero::e2e
