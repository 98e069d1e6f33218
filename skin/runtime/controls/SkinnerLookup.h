#pragma once
// Which skinner, if any, the engine gave a window or a window-less control:
// for reports, tests and programs that want to know what the engine did.

#include <windows.h>

#include <string>

namespace lanvero::framework {
class TControl;
}

namespace lanvero {

class TSkinControl;

// The skinner attached to `window` in any frame skinner's list, or null.
TSkinControl* SkinnerOfWindow(HWND window);
// The skinner attached to a framework control (windowed or not), or null.
TSkinControl* SkinnerOfControl(const framework::TControl* control);
// The skinner's class name ("TSkinButton", ...) or "native".
std::wstring SkinnerKindOf(const TSkinControl* skinner);

}  // namespace lanvero
