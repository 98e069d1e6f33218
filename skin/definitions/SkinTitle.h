#pragma once
// The title-bar definitions: the four frame edges, the caption text
// settings and the menu bar strip from "Personality", the caption buttons
// from the BUTTON sections with the three MDI buttons, and the caption
// colour derived from the Top edge.

#include <cstdint>
#include <string_view>

#include "skin/definitions/SkinDefinitionReader.h"
#include "skin/definitions/SkinDefinitions.h"

namespace lanvero {

// Frames side by side in the "MDICONTROLS" image: four for each of the
// three MDI buttons.
inline constexpr int32_t kMdiImageFrames = 12;

// Section names that begin with "BUTTON" but hold push-button settings.
bool IsCaptionButtonSection(std::string_view name);

void ReadFrameEdges(SkinDefinitionReader& in, SkinDefinitions& d);
void ReadCaption(SkinDefinitionReader& in, TDataSkinTitle& title);
// Stores name+"R", "G", "B" as a colour into `target` only when all three
// are 0 or more (each taken modulo 256); otherwise `target` keeps its value.
void ReadRGBKeys(SkinDefinitionReader& in, std::string_view section, std::string_view name, Color& target);
void ReadMenuBar(SkinDefinitionReader& in, SkinDefinitions& d);
// The caption buttons, followed by the three buttons of a maximised MDI
// child (ReadMdiButtons).
void ReadSysButtons(SkinDefinitionReader& in, SkinDefinitions& d);
// Cuts the "MDICONTROLS" image (12 frames) into the three MDI buttons that
// start at entry `first` of SysBtn.
void ReadMdiButtons(SkinDefinitionReader& in, SkinDefinitions& d, std::size_t first);

// The pixel one third into the Top edge's first stacked frame; the button
// face colour when the Top edge has no image. A frame count below 1 counts
// as 1 (the whole image is the frame).
Color GetCaptionColor(const SkinDefinitions& d);

}  // namespace lanvero
