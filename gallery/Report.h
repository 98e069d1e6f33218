// The gallery's report: one line per control of the main form (every page
// shown in turn, so that the engine meets each control as a person would
// see it) and per window of the plain dialog, opened modeless for it.
#pragma once

#include <vector>

#include "gallery/ReportLine.h"

namespace lanvero::framework {
class TCustomForm;
}

namespace lanvero::gallery {

// Shows the form, waits for the engine to skin it, and describes the form
// and its controls depth first, then the plain dialog and its controls.
// Each of the two blocks starts with the window itself.
std::vector<ReportLine> ReportGallery(framework::TCustomForm& form);

}  // namespace lanvero::gallery
