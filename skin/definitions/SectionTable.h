#pragma once
// The table of the generic skin sections: which slot each fills, with which
// reader, and how many frames its image has once the load is complete.

#include <array>
#include <cstdint>
#include <variant>

#include "skin/definitions/SkinDefinitionReader.h"
#include "skin/definitions/SkinDefinitions.h"

namespace lanvero {

enum class SectionReaderKind { Object, Border, BitmapBorder, BoxLabel, MenuBar };

// Frame count after normalisation.
enum class FrameRule {
  Fixed,          // `frames`
  AsRead,         // the "Frame" key as read
  AsReadOr5,      // as read; 5 when it is 0
  ProgressStyle,  // 2 when `style` is 0, else 1
  FrameCountKey,  // the section's "FrameCount" key, default 3
};

enum class AfterRead {
  None,
  CapMarginsAt4,   // each margin at most 4
  MirrorIntoMask,  // MaskMap := Map mirrored left to right
  EngineTrack,     // when the section is absent: the engine's own bitmap
};

using ObjectSlot = Slot<TDataSkinObject> SkinDefinitions::*;
using BorderSlot = Slot<TDataSkinBorder> SkinDefinitions::*;
using BoxLabelSlot = Slot<TDataSkinBoxLabel> SkinDefinitions::*;

struct SectionRow {
  const char* field;    // name of the slot
  const char* section;  // INI section ("Personality" for the menu bar)
  SectionReaderKind reader;
  const char* maskKey;  // second image key of border readers
  std::variant<ObjectSlot, BorderSlot, BoxLabelSlot> slot;
  FrameRule rule;
  int32_t frames;  // FrameRule::Fixed
  AfterRead after;
};

inline constexpr std::size_t kSectionRowCount = 30;
const std::array<SectionRow, kSectionRowCount>& SectionTable();

// The definition in a row's slot; null while the skin lacks it.
TDataSkinObject* SlotObject(const SkinDefinitions& d, const SectionRow& row);

// Reads every row in table order.
void ReadSectionTable(SkinDefinitionReader& in, SkinDefinitions& d);
// Sets every frame count the table and the fixed definitions prescribe,
// and the mark strips' counts the skin left at 0.
void NormalizeFrames(SkinDefinitionReader& in, SkinDefinitions& d);

// New definition named `name` holding the engine's bitmap of that name,
// margins 3, frame 1.
Slot<TDataSkinObject> LoadDefaultTrack(std::string_view name);

// All definitions in the order a load builds them (what ParseSkinPackage
// runs once the package is open).
void ReadSkinDefinitions(SkinDefinitionReader& in, SkinDefinitions& d);

}  // namespace lanvero
