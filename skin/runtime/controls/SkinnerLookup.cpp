#include "skin/runtime/controls/SkinnerLookup.h"

#include "framework/controls/GraphicControl.h"
#include "framework/controls/WinControl.h"
#include "skin/runtime/controls/SkinControl.h"
#include "skin/runtime/frame/WinSkinForm.h"
#include "skin/runtime/tracking/SkinManager.h"

namespace lanvero {
namespace {

template <class Match>
TSkinControl* FindSkinner(Match match) {
  if (!SkinManagerExists()) return nullptr;
  for (const auto& frame : SkinManager().Frames()) {
    if (!frame) continue;
    for (TSkinControl* skinner : frame->Controls()) {
      if (skinner && skinner->skinstate != kSkinnerWindowGone && match(*skinner)) return skinner;
    }
  }
  return nullptr;
}

}  // namespace

TSkinControl* SkinnerOfWindow(HWND window) {
  if (!window) return nullptr;
  return FindSkinner([window](const TSkinControl& s) { return s.hwnd == window && !s.GControl; });
}

TSkinControl* SkinnerOfControl(const framework::TControl* control) {
  if (!control) return nullptr;
  return FindSkinner([control](const TSkinControl& s) {
    const framework::TControl* windowed = s.control;
    const framework::TControl* graphic = s.GControl;
    return windowed == control || graphic == control;
  });
}

std::wstring SkinnerKindOf(const TSkinControl* skinner) { return skinner ? skinner->KindName() : L"native"; }

}  // namespace lanvero
