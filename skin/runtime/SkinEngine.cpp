#include "skin/runtime/SkinEngine.h"

#include "skin/definitions/SkinData.h"
#include "skin/runtime/controls/SkinControl.h"
#include "skin/runtime/frame/WinSkinForm.h"
#include "skin/runtime/tracking/SkinManager.h"

namespace lanvero {

SkinEngineScope::SkinEngineScope() {
  RegisterSkinDataClass();
  StartFramePainting();
  SkinManager();
}

SkinEngineScope::~SkinEngineScope() {
  ShutDownSkinEngine();
  ShutDownFramePainting();
  ReleaseScratchBitmap();
}

}  // namespace lanvero
