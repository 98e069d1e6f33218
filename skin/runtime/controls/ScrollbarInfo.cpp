#include "skin/runtime/controls/ScrollbarInfo.h"

#include <oleacc.h>

namespace lanvero {
namespace {

using GetScrollBarInfoProc = BOOL(WINAPI*)(HWND, LONG, PSCROLLBARINFO);

GetScrollBarInfoProc LookUpScrollBarInfo() {
  // user32 stays loaded for the life of every GUI process.
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  if (!user32) return nullptr;
  return reinterpret_cast<GetScrollBarInfoProc>(reinterpret_cast<void*>(GetProcAddress(user32, "GetScrollBarInfo")));
}

}  // namespace

bool SkinScrollBarInfo(HWND hwnd, LONG idObject, SCROLLBARINFO& info) {
  static const GetScrollBarInfoProc proc = LookUpScrollBarInfo();
  info = SCROLLBARINFO{};
  info.cbSize = sizeof info;
  return proc && hwnd && proc(hwnd, idObject, &info);
}

bool ScrollBarShown(const SCROLLBARINFO& info) { return (info.rgstate[0] & STATE_SYSTEM_INVISIBLE) == 0; }

bool ScrollBarEnabled(const SCROLLBARINFO& info) {
  // Wine marks a bar disabled with ESB_DISABLE_BOTH only on its two arrows
  // (states 1 and 5), Windows on the bar itself: either counts.
  const bool arrowsOff = (info.rgstate[1] & STATE_SYSTEM_UNAVAILABLE) && (info.rgstate[5] & STATE_SYSTEM_UNAVAILABLE);
  return (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0 && !arrowsOff;
}

}  // namespace lanvero
