// A dialog template built in memory, for raw dialogs made with no
// framework objects behind them.
#pragma once

#include <windows.h>

#include <vector>

namespace lanvero::testing {

// A dialog template built in memory: the header, then one item per control,
// each on a DWORD boundary.
class DialogTemplate {
 public:
  explicit DialogTemplate(const wchar_t* title) {
    PutLong(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | WS_VISIBLE);
    PutLong(0);
    countAt_ = words_.size();
    words_.insert(words_.end(), {0, 20, 20, 240, 150, 0, 0});  // items, x, y, cx, cy, menu, class
    PutText(title);
    words_.push_back(8);
    PutText(L"MS Shell Dlg");
  }
  void Add(DWORD style, short y, WORD id, const wchar_t* text) {
    if (words_.size() % 2) words_.push_back(0);
    PutLong(WS_CHILD | WS_VISIBLE | style);
    PutLong(0);
    words_.insert(words_.end(), {10, static_cast<WORD>(y), 100, 14, id, 0xFFFF, 0x0080});
    PutText(text);
    words_.push_back(0);
    ++words_[countAt_];
  }
  const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

 private:
  void PutLong(DWORD value) { words_.insert(words_.end(), {LOWORD(value), HIWORD(value)}); }
  void PutText(const wchar_t* text) {
    for (; *text; ++text) words_.push_back(static_cast<WORD>(*text));
    words_.push_back(0);
  }
  std::vector<WORD> words_;
  size_t countAt_ = 0;
};

}  // namespace lanvero::testing
