#pragma once
// Findings about how the drawing routines cut each loaded image: into
// frames by the frame count the loader settled on, and each frame into
// fixed parts by its margins. Frame counts the image cannot hold, frames
// that leave pixels over, negative margins, and margins that leave no
// middle or reach past the frame.

#include "skin/definitions/SkinDefinitions.h"
#include "tools/skintool/CheckResult.h"
#include "tools/skintool/LoadRecord.h"

namespace lanvero::skintool {

// `d` holds the definitions of the load that `record` observed.
void CheckStrips(const SkinDefinitions& d, const LoadRecord& record, CheckResult& result);

}  // namespace lanvero::skintool
