// The system's file dialog, asking for a skin package to open.
#pragma once

#include <windows.h>

#include <string>

namespace lanvero::gallery {

// The chosen file; empty when the person cancelled.
std::wstring AskForSkinFile(HWND owner);

}  // namespace lanvero::gallery
