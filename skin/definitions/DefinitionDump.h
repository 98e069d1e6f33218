#pragma once
// A text listing of every definition of a loaded skin, one line per slot
// beginning with the slot's field name, then the caption buttons, the
// scheme colours and the presets. Tools print it and tests compare it
// with committed listings, so any change in parsing shows as a diff.

#include <iosfwd>

#include "skin/definitions/SkinDefinitions.h"

namespace lanvero {

void DumpSkinDefinitions(const SkinDefinitions& d, std::ostream& out);

}  // namespace lanvero
