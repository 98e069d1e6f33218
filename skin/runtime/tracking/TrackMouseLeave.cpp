#include "skin/runtime/tracking/TrackMouseLeave.h"

namespace lanvero {
namespace {

using TrackMouseEventProc = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);

TrackMouseEventProc LookUpTrackMouseEvent() {
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32
             ? reinterpret_cast<TrackMouseEventProc>(reinterpret_cast<void*>(GetProcAddress(user32, "TrackMouseEvent")))
             : nullptr;
}

}  // namespace

void TrackMouseLeave(HWND hwnd) {
  static const TrackMouseEventProc track = LookUpTrackMouseEvent();
  if (!hwnd || !track) return;
  TRACKMOUSEEVENT request{sizeof(TRACKMOUSEEVENT), TME_LEAVE, hwnd, 0};
  track(&request);
}

}  // namespace lanvero
