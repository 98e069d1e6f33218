#include "tools/skintool/DefinitionCheck.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "skin/definitions/SkinDefinitionReader.h"
#include "skin/definitions/SkinDefinitions.h"
#include "tools/skintool/CheckText.h"
#include "tools/skintool/ImageCheck.h"
#include "tools/skintool/LoadRecord.h"
#include "tools/skintool/StripCheck.h"
#include "tools/skintool/ValueCheck.h"

namespace lanvero::skintool {

namespace {

// What a skinned window lacks without the image of each edge: the frame
// skinner makes each side as wide (the caption bar as high) as one frame of
// its image, so no image means no side.
constexpr std::array<const char*, 4> kWithoutEdge{
    "skinned windows get no left border (0 pixels wide)",
    "skinned windows get no right border (0 pixels wide)",
    "skinned windows get no caption bar (0 pixels high), so neither title nor caption buttons show",
    "skinned windows get no bottom border (0 pixels high)",
};

bool HasSection(const TQuickIni& ini, std::string_view name) {
  std::vector<std::string> sections;
  ini.ReadSections(&sections);
  return std::any_of(sections.begin(), sections.end(),
                     [name](const std::string& section) { return UpperAscii(section) == UpperAscii(name); });
}

// The window frame is the one part every skin needs: its four edges.
void CheckFrameEdges(const SkinDefinitions& d, const LoadRecord& record, const TQuickIni& ini, CheckResult& result) {
  if (!HasSection(ini, "Personality")) {
    result.Error("[Personality] (absent): the section that defines the window frame is missing; skinned windows get "
                 "neither borders nor a caption bar");
    return;
  }
  for (const ImageRecord& image : record.images) {
    const auto edge = std::find_if(d.border.begin(), d.border.end(),
                                   [&image](const auto& border) { return border.get() == image.owner; });
    if (edge == d.border.end() || image.outcome != ImageLookup::NoName) continue;
    result.Error(Cite(image.source) + ": " + kWithoutEdge[static_cast<std::size_t>(edge - d.border.begin())]);
  }
}

// The loader empties the image of a window-icon button (action 3 or 11)
// that gives no frame count: the frame skinner paints the window's icon.
void CheckDroppedImages(const SkinDefinitions& d, const LoadRecord& record, CheckResult& result) {
  for (const ImageRecord& image : record.images) {
    const auto button =
        std::find_if(d.SysBtn.begin(), d.SysBtn.end(), [&image](const auto& b) { return b.get() == image.owner; });
    if (button == d.SysBtn.end() || image.outcome != ImageLookup::Loaded || !(*button)->Map.Empty()) continue;
    result.Warning(Cite(image.source) + ": not used; this button (Action " + std::to_string((*button)->Action) +
                   ") shows the window's icon");
  }
}

}  // namespace

void CheckDefinitions(const TSkinReader& package, const TQuickIni& ini, const SkinLoadLimits& limits,
                      CheckResult& result) {
  SkinDefinitions d;
  LoadRecord record;
  BuildSkinDefinitions(package, d, &record, limits);
  CheckImages(record, package, result);
  CheckFrameEdges(d, record, ini, result);
  CheckStrips(d, record, result);
  CheckDroppedImages(d, record, result);
  CheckValues(record, result);
}

}  // namespace lanvero::skintool
