#pragma once
// Binds a window's messages to an engine object through the common
// controls' subclass chain, without machine-code thunks: the object is
// found through the reference data of its subclass entry, which works the
// same on x86 and x64. Several subclasses of one window come off in any
// order, and when the last one is removed the window procedure is the one
// the window had before.

#include <windows.h>

#include "skin/runtime/tracking/CallDepth.h"

namespace lanvero {

class SubclassTarget : public CallDepthCounted {
 public:
  // Handles one message; CallNextProc passes it on down the chain.
  virtual LRESULT SubclassMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) = 0;
};

// False when the window is gone or the chain refused the entry.
bool AttachSubclass(HWND hwnd, SubclassTarget& target);
// Removes the entry of `target` (nothing when there is none).
void DetachSubclass(HWND hwnd, SubclassTarget& target);
// The rest of the chain, down to the window's own procedure.
LRESULT CallNextProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace lanvero
