#include "skin/definitions/SkinDefinitionReader.h"

#include <algorithm>

#include "framework/graphics/BmpDecoder.h"

namespace lanvero {

namespace {

std::string_view FileNamePart(std::string_view path) {
  const std::size_t separator = path.find_last_of("\\/:");
  return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

std::string_view ExtensionOf(std::string_view name) {
  const std::size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string_view{} : name.substr(dot);
}

// A Tile above 1 becomes `cap`.
int32_t CapTile(int32_t tile, int32_t cap) { return tile > 1 ? cap : tile; }

void ReadMargins(SkinDefinitionReader& in, TDataSkinObject& object, std::string_view section) {
  object.r.left = in.Integer(section, "LeftWidth", 0);
  object.r.right = in.Integer(section, "RightWidth", 0);
  object.r.top = in.Integer(section, "TopHeight", 0);
  object.r.bottom = in.Integer(section, "BottomHeight", 0);
}

void ReadTextColors(SkinDefinitionReader& in, TDataSkinObject& object, std::string_view section) {
  object.Normalcolor = in.Integer(section, "NormalColour", kNoTextColor);
  object.Overcolor = in.Integer(section, "MouseOverColour", kNoTextColor);
  object.Downcolor = in.Integer(section, "PressedColour", kNoTextColor);
}

void ReadSecondColors(SkinDefinitionReader& in, TDataSkinObject& object, std::string_view section,
                      Color buttonText) {
  object.Normalcolor2 = ReadColorText(in.String(section, "NormalColour2"), buttonText);
  object.Overcolor2 = ReadColorText(in.String(section, "MouseOverColour2"), buttonText);
  object.Downcolor2 = ReadColorText(in.String(section, "PressedColour2"), buttonText);
}

// The fields every image section shares: image, style, margins, frame
// count (where the section has one), key flag, tile mode and colours.
void ReadCommonFields(SkinDefinitionReader& in, TDataSkinObject& object, std::string_view section,
                      std::string_view image, bool withFrame, Color buttonText) {
  in.Readbmp(object.Map, image);
  object.style = in.Integer(section, "Style", 0);
  ReadMargins(in, object, section);
  if (withFrame) object.frame = in.Integer(section, "Frame", 0);
  object.trans = in.Integer(section, "Trans", 0);
  object.Tile = CapTile(in.Integer(section, "Tile", 0), 0);
  ReadTextColors(in, object, section);
  ReadSecondColors(in, object, section, buttonText);
}

}  // namespace

SkinDefinitionReader::SkinDefinitionReader(const TSkinReader& package, const TQuickIni& ini)
    : package_(package), ini_(ini) {
  ini_.ReadSections(&sections_);
}

std::string SkinDefinitionReader::String(std::string_view section, std::string_view key) const {
  return ini_.ReadString(section, key, "");
}

int32_t SkinDefinitionReader::Integer(std::string_view section, std::string_view key, int32_t fallback) const {
  return ini_.ReadInteger(section, key, fallback);
}

PixelImage SkinDefinitionReader::ReadImage(std::string_view fname) {
  const std::string_view name = FileNamePart(fname);
  if (name.empty() || ExtensionOf(name) != ".bmp") return {};
  package_.readfile(name, working_);
  if (working_.Size() == 0 || pixelsLeft_ <= 0) return {};
  PixelImage image = DecodeBmp(working_.Bytes(), std::min(kMaxBmpPixels, pixelsLeft_));
  pixelsLeft_ -= int64_t{image.Width()} * image.Height();
  return image;
}

std::string UpperAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

std::string GetFileName(std::string_view s) {
  const std::size_t dot = s.find('.');
  return dot == std::string_view::npos ? std::string() : std::string(s.substr(0, dot));
}

void ReadSkinObject(SkinDefinitionReader& in, Slot<TDataSkinObject>& slot, std::string_view section,
                    Color buttonText) {
  slot.reset();
  const std::string image = in.String(section, "Image");
  if (image.empty()) return;
  slot = std::make_unique<TDataSkinObject>(std::string(section));
  ReadCommonFields(in, *slot, section, image, true, buttonText);
}

void ReadSkinBorder(SkinDefinitionReader& in, Slot<TDataSkinBorder>& slot, std::string_view section,
                    std::string_view maskKey, Color buttonText) {
  slot.reset();
  const std::string image = in.String(section, "Image");
  if (image.empty()) return;
  slot = std::make_unique<TDataSkinBorder>(std::string(section));
  ReadCommonFields(in, *slot, section, image, false, buttonText);
  if (!maskKey.empty()) in.ReadKeyImage(slot->MaskMap, section, maskKey);
}

void ReadBitmapBorder(SkinDefinitionReader& in, Slot<TDataSkinBorder>& slot, std::string_view section) {
  slot.reset();
  const std::string image = in.String(section, "Bitmap");
  if (image.empty()) return;
  slot = std::make_unique<TDataSkinBorder>(std::string(section));
  in.Readbmp(slot->Map, image);
  slot->style = in.Integer(section, "Style", 0);
  ReadMargins(in, *slot, section);
  slot->trans = in.Integer(section, "Trans", 0);
  slot->Tile = CapTile(in.Integer(section, "Tile", 0), 1);
}

void ReadBoxLabel(SkinDefinitionReader& in, Slot<TDataSkinBoxLabel>& slot, std::string_view section,
                  Color buttonText) {
  slot.reset();
  const std::string image = in.String(section, "Image");
  if (image.empty()) return;
  slot = std::make_unique<TDataSkinBoxLabel>(std::string(section));
  ReadCommonFields(in, *slot, section, image, false, buttonText);
  slot->Alignment = in.Integer(section, "BackgroundAlignment", 0);
  slot->LeftShift = in.Integer(section, "BackgroundLeftShift", 0);
  slot->RightShift = in.Integer(section, "BackgroundRightShift", 0);
}

void ReadButtonSet(SkinDefinitionReader& in, TDataSkinButton& button, Color buttonText) {
  constexpr std::string_view section = "Buttons";
  ReadMargins(in, button, section);
  button.trans = in.Integer(section, "Trans", 0);
  in.ReadKeyImage(button.Map, section, "Bitmap");
  button.Tile = CapTile(in.Integer(section, "Tile", 0), 0);
  in.ReadKeyImage(button.CheckMap, section, "CheckButton");
  in.ReadKeyImage(button.RadioMap, section, "RadioButton");
  ReadTextColors(in, button, section);
  button.radioframe = in.Integer(section, "RadioButtonFrame", 0);
  button.checkframe = in.Integer(section, "CheckButtonFrame", 0);
  button.newnormal = in.Has(section, "NormalColour2");
  button.newover = in.Has(section, "MouseOverColour2");
  button.newdown = in.Has(section, "PressedColour2");
  ReadSecondColors(in, button, section, buttonText);
}

}  // namespace lanvero
