#pragma once
// What one load reads from: the opened package, its INI member, the list
// of section names and a working stream reused for every image. Also the
// generic section readers that turn one INI section into one definition.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/graphics/PixelImage.h"
#include "skin/codec/ByteStream.h"
#include "skin/definitions/SkinDefinitions.h"
#include "skin/definitions/SkinLoadLimits.h"
#include "skin/definitions/SkinReadObserver.h"
#include "skin/ini/QuickIni.h"
#include "skin/package/SkinPackageReader.h"

namespace lanvero {

class SkinDefinitionReader {
 public:
  // `observer`, when given, hears of every value the load reads and decides;
  // images decode within `limits.pixels` together.
  SkinDefinitionReader(const TSkinReader& package, const TQuickIni& ini, SkinReadObserver* observer = nullptr,
                       const SkinLoadLimits& limits = {});

  std::string String(std::string_view section, std::string_view key) const;
  // The key as an integer (IniInteger); `fallback` when it is absent or not a number.
  int32_t Integer(std::string_view section, std::string_view key, int32_t fallback) const;
  // The key as a colour text (ReadColorText); `fallback` when it is absent.
  Color ColorKey(std::string_view section, std::string_view key, Color fallback) const;
  // The key is present with a non-empty value.
  bool Has(std::string_view section, std::string_view key) const { return !String(section, key).empty(); }
  const TQuickIni& Ini() const { return ini_; }
  // All section names in file order, repeats included.
  const std::vector<std::string>& SectionNames() const { return sections_; }

  // An integer key that fills a field of `owner`: Integer, told to the observer.
  int32_t Field(const TDataSkinObject& owner, DefinitionField field, std::string_view section, std::string_view key,
                int32_t fallback) const;
  // A value the loader gives a field by a rule of its own; returns `value`.
  int32_t Decide(const TDataSkinObject& owner, DefinitionField field, int32_t value, FieldRule rule) const;

  // The image of the package named by a key: only the part of the name
  // after the last path separator counts (folders are ignored), and only
  // names ending in exactly ".bmp" are loaded. A missing or broken member
  // gives an empty image. `owner` may be null (see SkinReadObserver).
  PixelImage KeyImage(const TDataSkinObject* owner, DefinitionField field, std::string_view section,
                      std::string_view key);
  void ReadKeyImage(const TDataSkinObject& owner, DefinitionField field, TSkinBitmap& bmp, std::string_view section,
                    std::string_view key) {
    bmp.SetImage(KeyImage(&owner, field, section, key));
  }

 private:
  ImageLookup LookUpImage(std::string_view fname, PixelImage& image);

  const TSkinReader& package_;
  const TQuickIni& ini_;
  SkinReadObserver* observer_;
  ByteStream working_;
  std::vector<std::string> sections_;
  int64_t pixelsLeft_;
};

// The package member an image name refers to: the part after the last path
// separator ("\\", "/" or ":"); folders in image names are ignored.
std::string_view ImageMemberName(std::string_view fname);

// ASCII letters in capitals (section names are compared this way).
std::string UpperAscii(std::string_view text);

// The part of `s` before its first "."; empty when `s` holds no ".".
std::string GetFileName(std::string_view s);

// Generic section readers. Each frees the slot's previous object and
// creates a new one only when the section names an image. `buttonText` is
// the default of the second colours (scheme colour 4).
void ReadSkinObject(SkinDefinitionReader& in, Slot<TDataSkinObject>& slot, std::string_view section, Color buttonText);
void ReadSkinBorder(SkinDefinitionReader& in, Slot<TDataSkinBorder>& slot, std::string_view section,
                    std::string_view maskKey, Color buttonText);
void ReadBitmapBorder(SkinDefinitionReader& in, Slot<TDataSkinBorder>& slot, std::string_view section);
void ReadBoxLabel(SkinDefinitionReader& in, Slot<TDataSkinBoxLabel>& slot, std::string_view section, Color buttonText);
// Refills the push-button definition from "Buttons" (no image check).
void ReadButtonSet(SkinDefinitionReader& in, TDataSkinButton& button, Color buttonText);

}  // namespace lanvero
