// RAII owners of the handles the driver uses: the framework's GDI owners,
// and one for kernel handles made with the same owner template.
#pragma once

#include <windows.h>

#include "framework/base/GdiObject.h"

namespace lanvero::e2e {

using framework::SelectGuard;
using framework::UniqueBitmap;
using framework::UniqueDC;
using framework::WindowDC;

// A process, thread or other kernel object, closed with CloseHandle.
using KernelHandle = framework::UniqueHandle<HANDLE, &CloseHandle, false>;

}  // namespace lanvero::e2e
