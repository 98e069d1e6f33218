// The skin the person starting Lanvero chose on the command line, put on
// the main window's skin component before the window shows.
#pragma once

#include <string>

#include "app/LanveroOptions.h"

namespace lanvero {
class TSkinData;
}

namespace lanvero::app {

// Wears the chosen skin package, or switches skinning off for "none".
// Returns what the person must be told: why the package cannot be used
// (Lanvero then keeps the skin it has) or what was wrong with the command
// line; empty when there is nothing to say.
std::wstring WearChosenSkin(TSkinData& skin, const LanveroOptions& options);

}  // namespace lanvero::app
