#include <windows.h>

#include "skin/image/SysColors.h"

namespace lanvero {

Color SystemColorRgb(int index) { return static_cast<Color>(GetSysColor(index)) & 0x00FFFFFF; }

}  // namespace lanvero
