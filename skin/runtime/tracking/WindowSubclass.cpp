#include "skin/runtime/tracking/WindowSubclass.h"

#include <commctrl.h>

namespace lanvero {
namespace {

UINT_PTR EntryId(const SubclassTarget& target) { return reinterpret_cast<UINT_PTR>(&target); }

LRESULT CALLBACK EngineSubclassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR reference) {
  auto& target = *reinterpret_cast<SubclassTarget*>(reference);
  CallDepthCounted::CallScope scope(target);
  try {
    return target.SubclassMessage(hwnd, msg, wParam, lParam);
  } catch (...) {
    // Nothing may leave a window procedure; the message goes on unskinned.
    return DefSubclassProc(hwnd, msg, wParam, lParam);
  }
}

}  // namespace

bool AttachSubclass(HWND hwnd, SubclassTarget& target) {
  return IsWindow(hwnd) &&
         SetWindowSubclass(hwnd, EngineSubclassProc, EntryId(target), reinterpret_cast<DWORD_PTR>(&target));
}

void DetachSubclass(HWND hwnd, SubclassTarget& target) {
  if (hwnd) RemoveWindowSubclass(hwnd, EngineSubclassProc, EntryId(target));
}

LRESULT CallNextProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return DefSubclassProc(hwnd, msg, wParam, lParam);
}

}  // namespace lanvero
