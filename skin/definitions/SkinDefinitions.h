#pragma once
// Every definition built from one skin package, with the colour scheme:
// what TSkinData holds once a load succeeded and what the skinners read.
// Fixed definitions always exist and are refilled in place by each load;
// optional ones are null while the skin lacks their section, and a load
// replaces them, so a skinner re-reads the slots after a skin change.

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "skin/definitions/DefinitionObjects.h"
#include "skin/definitions/SkinLoadLimits.h"
#include "skin/definitions/SkinScheme.h"

namespace lanvero {

enum FrameEdge : int { kEdgeLeft = 0, kEdgeRight = 1, kEdgeTop = 2, kEdgeBottom = 3 };
inline constexpr std::array<const char*, 4> kEdgeNames{"Left", "Right", "Top", "Bottom"};

template <class T>
using Slot = std::unique_ptr<T>;

struct SkinDefinitions : SkinColorScheme {
  SkinDefinitions();
  SkinDefinitions(const SkinDefinitions&) = delete;
  SkinDefinitions& operator=(const SkinDefinitions&) = delete;

  std::string SkinName;

  // Always present.
  std::array<Slot<TDataSkinBorder>, 4> border;
  Slot<TDataSkinTitle> Title;
  std::vector<Slot<TDataSkinSysButton>> SysBtn;
  Slot<TDataSkinButton> Button;

  // Optional: one section each.
  Slot<TDataSkinObject> Menubar;
  Slot<TDataSkinBorder> progress;
  Slot<TDataSkinObject> progresschunk;
  Slot<TDataSkinObject> Box;
  Slot<TDataSkinBoxLabel> boxlabel;
  Slot<TDataSkinBorder> tab;
  Slot<TDataSkinObject> StatusBar;
  Slot<TDataSkinObject> TabSheet;
  Slot<TDataSkinObject> Toolbarbtn;
  Slot<TDataSkinBorder> combox;
  Slot<TDataSkinObject> Comboxborder;
  Slot<TDataSkinObject> ExtraImages;
  Slot<TDataSkinObject> Header;
  Slot<TDataSkinObject> MenuItem;
  Slot<TDataSkinObject> MenuitemBG;
  Slot<TDataSkinObject> SArrow;
  Slot<TDataSkinObject> HBar;
  Slot<TDataSkinObject> VBar;
  Slot<TDataSkinObject> HSlider;
  Slot<TDataSkinObject> VSlider;
  Slot<TDataSkinObject> TrackHorz;
  Slot<TDataSkinObject> TrackVert;
  Slot<TDataSkinObject> TrackLeft;
  Slot<TDataSkinObject> Trackright;
  Slot<TDataSkinObject> Tracktop;
  Slot<TDataSkinObject> Trackbottom;
  Slot<TDataSkinBorder> HSpin;
  Slot<TDataSkinBorder> VSpin;
  Slot<TDataSkinObject> TrackBar;
  Slot<TDataSkinObject> TrackBarVert;

  // Composed by the loader: created by the first load that needs them and
  // refilled afterwards.
  Slot<TDataSkinObject> comboxarrow;
  Slot<TDataSkinObject> Toolbar;

  // Every definition that exists, fixed ones first (for the GDI copies and
  // for tools that list them).
  std::vector<TDataSkinObject*> AllDefinitions() const;
};

class SkinReadObserver;
class TSkinReader;

// Builds every definition from the package in `skinFile` (a size prefix
// and an LZH package). False when the package reader refuses it: the
// definitions are then left exactly as they were. Never reads outside the
// given bytes; images that are not valid Windows bitmaps, or that do not
// fit in what is left of `limits.pixels`, load as empty. `observer`, when
// given, hears of every value read and decided.
bool ParseSkinPackage(std::span<const uint8_t> skinFile, SkinDefinitions& definitions,
                      SkinReadObserver* observer = nullptr, const SkinLoadLimits& limits = {});

// What ParseSkinPackage does once the package is open: every definition
// from its INI member and the images it names.
void BuildSkinDefinitions(const TSkinReader& package, SkinDefinitions& definitions,
                          SkinReadObserver* observer = nullptr, const SkinLoadLimits& limits = {});

}  // namespace lanvero
