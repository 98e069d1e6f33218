#pragma once
// What a skin load reads and decides, told while it happens. The engine
// loads without an observer; skintool's check listens, so that it judges a
// skin by the values the loader itself read and normalised and the two
// cannot disagree.

#include <cstdint>
#include <string_view>

#include "framework/graphics/PixelImage.h"

namespace lanvero {

class TDataSkinObject;

// The INI key a value came from. `text` is the key's text as written;
// empty when the key is absent (or empty), and the loader took a default.
struct KeySource {
  std::string_view section;
  std::string_view key;
  std::string_view text;
};

// Parts of a definition, by what they mean to the drawing routines rather
// than by the member that holds them (the caption's text-back margins, for
// instance, are `backleft` and `backright`).
enum class DefinitionField : uint8_t {
  Image,        // Map
  SecondImage,  // MaskMap
  CheckImage,   // the check-box mark strip
  RadioImage,   // the radio-button mark strip
  Frames,       // frames in Map
  CheckFrames,
  RadioFrames,
  MarginLeft,  // fixed parts of a frame in nine-slice or three-part drawing
  MarginTop,
  MarginRight,
  MarginBottom,
  Tile,  // the tile or stretch flag
};

// Why the loader gave a field a value of its own.
enum class FieldRule : uint8_t {
  Fixed,   // the definition always has this value, whatever the skin says
  Capped,  // the value read was above the largest one the loader keeps
  Chosen,  // the skin left the value at 0 and the loader chose one
};

// How an image lookup ended.
enum class ImageLookup : uint8_t {
  NoName,      // the key is absent or empty
  NotBmp,      // the name does not end in exactly ".bmp"
  NoMember,    // the package has no such member, or an empty one
  NotDecoded,  // the member is no bitmap the decoder reads, or the load's pixel budget is spent
  Loaded,
};

class SkinReadObserver {
 public:
  virtual ~SkinReadObserver() = default;

  // An integer key whose text is not a number: the loader uses `fallback`.
  virtual void NotANumber(const KeySource& source, int32_t fallback) = 0;
  // A colour key with text, which the loader reads with ParseRGB.
  virtual void ColorText(const KeySource& source) = 0;
  // An image key was looked up for a field of `owner`; `image` is what the
  // lookup gave. `owner` is null for an image no definition keeps whole
  // (the strip the MDI buttons are cut from).
  virtual void ImageRead(const TDataSkinObject* owner, DefinitionField field, const KeySource& source,
                         ImageLookup outcome, const PixelImage& image) = 0;
  // A field took `value` from an integer key (its default when the key is
  // absent or not a number).
  virtual void FieldRead(const TDataSkinObject& owner, DefinitionField field, const KeySource& source,
                         int32_t value) = 0;
  // The loader set a field by a rule of its own, after or instead of reading it.
  virtual void FieldDecided(const TDataSkinObject& owner, DefinitionField field, int32_t value, FieldRule rule) = 0;
};

}  // namespace lanvero
