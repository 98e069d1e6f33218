// Registration of framework window classes and the shared window procedure
// (see WindowProcedure.cpp for how windows are bound to control objects).
#pragma once

#include <windows.h>

#include <string>

namespace lanvero::framework {

class TWinControl;
struct TCreateParams;

LRESULT CALLBACK FrameworkWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

// Registers the class once per name and returns the procedure its windows
// pass unhandled messages to: the superclassed system procedure, or
// DefWindowProcW for classes of the framework's own.
WNDPROC RegisterFrameworkClass(const std::wstring& className, const TCreateParams& params);

// The control whose window CreateWindowEx is about to create on this thread.
void SetCreatingControl(TWinControl* control);

}  // namespace lanvero::framework
