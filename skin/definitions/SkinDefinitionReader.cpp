#include "skin/definitions/SkinDefinitionReader.h"

#include "common/AsciiCase.h"

#include <algorithm>
#include <optional>

#include "framework/graphics/BmpDecoder.h"

namespace lanvero {

namespace {

std::string_view ExtensionOf(std::string_view name) {
  const std::size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string_view{} : name.substr(dot);
}

using F = DefinitionField;

// A Tile above 1 becomes `cap`.
int32_t CapTile(SkinDefinitionReader& in, const TDataSkinObject& owner, int32_t tile, int32_t cap) {
  return tile > 1 ? in.Decide(owner, F::Tile, cap, FieldRule::Capped) : tile;
}

void ReadMargins(SkinDefinitionReader& in, TDataSkinObject& object, std::string_view section) {
  object.r.left = in.Field(object, F::MarginLeft, section, "LeftWidth", 0);
  object.r.right = in.Field(object, F::MarginRight, section, "RightWidth", 0);
  object.r.top = in.Field(object, F::MarginTop, section, "TopHeight", 0);
  object.r.bottom = in.Field(object, F::MarginBottom, section, "BottomHeight", 0);
}

void ReadTextColors(SkinDefinitionReader& in, TDataSkinObject& object, std::string_view section) {
  object.Normalcolor = in.Integer(section, "NormalColour", kNoTextColor);
  object.Overcolor = in.Integer(section, "MouseOverColour", kNoTextColor);
  object.Downcolor = in.Integer(section, "PressedColour", kNoTextColor);
}

void ReadSecondColors(SkinDefinitionReader& in, TDataSkinObject& object, std::string_view section, Color buttonText) {
  object.Normalcolor2 = in.ColorKey(section, "NormalColour2", buttonText);
  object.Overcolor2 = in.ColorKey(section, "MouseOverColour2", buttonText);
  object.Downcolor2 = in.ColorKey(section, "PressedColour2", buttonText);
}

// The fields every image section shares: image, style, margins, frame
// count (where the section has one), key flag, tile mode and colours.
void ReadCommonFields(SkinDefinitionReader& in, TDataSkinObject& object, std::string_view section, bool withFrame,
                      Color buttonText) {
  in.ReadKeyImage(object, F::Image, object.Map, section, "Image");
  object.style = in.Integer(section, "Style", 0);
  ReadMargins(in, object, section);
  if (withFrame) object.frame = in.Field(object, F::Frames, section, "Frame", 0);
  object.trans = in.Integer(section, "Trans", 0);
  object.Tile = CapTile(in, object, in.Field(object, F::Tile, section, "Tile", 0), 0);
  ReadTextColors(in, object, section);
  ReadSecondColors(in, object, section, buttonText);
}

}  // namespace

SkinDefinitionReader::SkinDefinitionReader(const TSkinReader& package, const TQuickIni& ini, SkinReadObserver* observer,
                                           const SkinLoadLimits& limits)
    : package_(package), ini_(ini), observer_(observer), pixelsLeft_(limits.pixels) {
  ini_.ReadSections(&sections_);
}

std::string SkinDefinitionReader::String(std::string_view section, std::string_view key) const {
  return ini_.ReadString(section, key, "");
}

int32_t SkinDefinitionReader::Integer(std::string_view section, std::string_view key, int32_t fallback) const {
  const std::string text = String(section, key);
  const std::optional<int32_t> value = IniInteger(text);
  if (!value && !text.empty() && observer_) observer_->NotANumber({section, key, text}, fallback);
  return value.value_or(fallback);
}

Color SkinDefinitionReader::ColorKey(std::string_view section, std::string_view key, Color fallback) const {
  const std::string text = String(section, key);
  if (!text.empty() && observer_) observer_->ColorText({section, key, text});
  return ReadColorText(text, fallback);
}

int32_t SkinDefinitionReader::Field(const TDataSkinObject& owner, DefinitionField field, std::string_view section,
                                    std::string_view key, int32_t fallback) const {
  const int32_t value = Integer(section, key, fallback);
  if (observer_) observer_->FieldRead(owner, field, {section, key, String(section, key)}, value);
  return value;
}

int32_t SkinDefinitionReader::Decide(const TDataSkinObject& owner, DefinitionField field, int32_t value,
                                     FieldRule rule) const {
  if (observer_) observer_->FieldDecided(owner, field, value, rule);
  return value;
}

PixelImage SkinDefinitionReader::KeyImage(const TDataSkinObject* owner, DefinitionField field, std::string_view section,
                                          std::string_view key) {
  const std::string fname = String(section, key);
  PixelImage image;
  const ImageLookup outcome = LookUpImage(fname, image);
  if (observer_) observer_->ImageRead(owner, field, {section, key, fname}, outcome, image);
  return image;
}

ImageLookup SkinDefinitionReader::LookUpImage(std::string_view fname, PixelImage& image) {
  if (fname.empty()) return ImageLookup::NoName;
  const std::string_view name = ImageMemberName(fname);
  if (name.empty() || ExtensionOf(name) != ".bmp") return ImageLookup::NotBmp;
  package_.readfile(name, working_);
  if (working_.Size() == 0) return ImageLookup::NoMember;
  if (pixelsLeft_ <= 0) return ImageLookup::NotDecoded;
  image = DecodeBmp(working_.Bytes(), std::min(kMaxBmpPixels, pixelsLeft_));
  pixelsLeft_ -= int64_t{image.Width()} * image.Height();
  return image.IsEmpty() ? ImageLookup::NotDecoded : ImageLookup::Loaded;
}

std::string_view ImageMemberName(std::string_view fname) {
  const std::size_t separator = fname.find_last_of("\\/:");
  return separator == std::string_view::npos ? fname : fname.substr(separator + 1);
}

std::string UpperAscii(std::string_view text) { return AsciiUpperCopy(text); }

std::string GetFileName(std::string_view s) {
  const std::size_t dot = s.find('.');
  return dot == std::string_view::npos ? std::string() : std::string(s.substr(0, dot));
}

void ReadSkinObject(SkinDefinitionReader& in, Slot<TDataSkinObject>& slot, std::string_view section, Color buttonText) {
  slot.reset();
  if (!in.Has(section, "Image")) return;
  slot = std::make_unique<TDataSkinObject>(std::string(section));
  ReadCommonFields(in, *slot, section, true, buttonText);
}

void ReadSkinBorder(SkinDefinitionReader& in, Slot<TDataSkinBorder>& slot, std::string_view section,
                    std::string_view maskKey, Color buttonText) {
  slot.reset();
  if (!in.Has(section, "Image")) return;
  slot = std::make_unique<TDataSkinBorder>(std::string(section));
  ReadCommonFields(in, *slot, section, false, buttonText);
  if (!maskKey.empty()) in.ReadKeyImage(*slot, F::SecondImage, slot->MaskMap, section, maskKey);
}

void ReadBitmapBorder(SkinDefinitionReader& in, Slot<TDataSkinBorder>& slot, std::string_view section) {
  slot.reset();
  if (!in.Has(section, "Bitmap")) return;
  slot = std::make_unique<TDataSkinBorder>(std::string(section));
  in.ReadKeyImage(*slot, F::Image, slot->Map, section, "Bitmap");
  slot->style = in.Integer(section, "Style", 0);
  ReadMargins(in, *slot, section);
  slot->trans = in.Integer(section, "Trans", 0);
  slot->Tile = CapTile(in, *slot, in.Field(*slot, F::Tile, section, "Tile", 0), 1);
}

void ReadBoxLabel(SkinDefinitionReader& in, Slot<TDataSkinBoxLabel>& slot, std::string_view section, Color buttonText) {
  slot.reset();
  if (!in.Has(section, "Image")) return;
  slot = std::make_unique<TDataSkinBoxLabel>(std::string(section));
  ReadCommonFields(in, *slot, section, false, buttonText);
  slot->Alignment = in.Integer(section, "BackgroundAlignment", 0);
  slot->LeftShift = in.Integer(section, "BackgroundLeftShift", 0);
  slot->RightShift = in.Integer(section, "BackgroundRightShift", 0);
}

void ReadButtonSet(SkinDefinitionReader& in, TDataSkinButton& button, Color buttonText) {
  constexpr std::string_view section = "Buttons";
  ReadMargins(in, button, section);
  button.trans = in.Integer(section, "Trans", 0);
  in.ReadKeyImage(button, F::Image, button.Map, section, "Bitmap");
  button.Tile = CapTile(in, button, in.Field(button, F::Tile, section, "Tile", 0), 0);
  in.ReadKeyImage(button, F::CheckImage, button.CheckMap, section, "CheckButton");
  in.ReadKeyImage(button, F::RadioImage, button.RadioMap, section, "RadioButton");
  ReadTextColors(in, button, section);
  button.radioframe = in.Field(button, F::RadioFrames, section, "RadioButtonFrame", 0);
  button.checkframe = in.Field(button, F::CheckFrames, section, "CheckButtonFrame", 0);
  button.newnormal = in.Has(section, "NormalColour2");
  button.newover = in.Has(section, "MouseOverColour2");
  button.newdown = in.Has(section, "PressedColour2");
  ReadSecondColors(in, button, section, buttonText);
}

}  // namespace lanvero
