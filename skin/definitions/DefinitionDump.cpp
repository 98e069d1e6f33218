#include "skin/definitions/DefinitionDump.h"

#include <cstdio>
#include <ostream>
#include <string>

#include "skin/definitions/SectionTable.h"

namespace lanvero {

namespace {

std::string Hex(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", value);
  return text;
}

// FNV-1a over the pixels: a composed or decoded image that changes shows.
uint32_t PixelHash(const PixelImage& image) {
  uint32_t hash = 2166136261u;
  for (Pixel p : image.Pixels()) {
    for (int shift = 0; shift < 32; shift += 8) hash = (hash ^ ((p >> shift) & 0xFF)) * 16777619u;
  }
  return hash;
}

std::string Image(const TSkinBitmap& bitmap) {
  if (bitmap.Empty()) return "none";
  return std::to_string(bitmap.Width()) + "x" + std::to_string(bitmap.Height()) + "#" +
         Hex(PixelHash(bitmap.Image())).substr(2);
}

std::string Margins(const Rect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

void CommonFields(const TDataSkinObject& o, std::ostream& out) {
  out << " section=" << o.IDName << " image=" << Image(o.Map) << " frame=" << o.frame << " r=" << Margins(o.r)
      << " trans=" << o.trans << " tile=" << o.Tile << " style=" << o.style << " text=" << o.Normalcolor << ","
      << o.Overcolor << "," << o.Downcolor << " text2=" << Hex(o.Normalcolor2) << "," << Hex(o.Overcolor2) << ","
      << Hex(o.Downcolor2);
}

// The fields of the derived definition classes.
void ExtraFields(const TDataSkinObject& o, std::ostream& out) {
  if (const auto* title = dynamic_cast<const TDataSkinTitle*>(&o)) {
    out << " align=" << title->Aligment << " background=" << title->BackGround << " fontheight=" << title->FontHeight
        << " back=" << title->backleft << "," << title->backright << " activetext=" << Hex(title->activetext)
        << " inactivetext=" << Hex(title->inactivetext);
  } else if (const auto* button = dynamic_cast<const TDataSkinButton*>(&o)) {
    out << " check=" << Image(button->CheckMap) << " checkframe=" << button->checkframe
        << " radio=" << Image(button->RadioMap) << " radioframe=" << button->radioframe << " new=" << button->newnormal
        << "," << button->newover << "," << button->newdown;
  } else if (const auto* sys = dynamic_cast<const TDataSkinSysButton*>(&o)) {
    out << " action=" << sys->Action << " align=" << sys->Align << " x=" << sys->XCoord << " y=" << sys->YCoord
        << " combine=" << sys->CombineOp << " visibility=" << sys->Visibility << "," << sys->Visibility1;
  } else if (const auto* label = dynamic_cast<const TDataSkinBoxLabel*>(&o)) {
    out << " alignment=" << label->Alignment << " shift=" << label->LeftShift << "," << label->RightShift;
  } else if (const auto* border = dynamic_cast<const TDataSkinBorder*>(&o)) {
    out << " mask=" << Image(border->MaskMap);
  }
}

void DumpSlot(const std::string& field, const TDataSkinObject* o, std::ostream& out) {
  out << field;
  if (!o) {
    out << " nil\n";
    return;
  }
  CommonFields(*o, out);
  ExtraFields(*o, out);
  out << "\n";
}

void Colours(const SkinDefinitions& d, std::ostream& out) {
  for (std::size_t i = 0; i < d.Colors.size(); ++i) {
    out << "Colors[" << i << "] " << Hex(d.Colors[i]) << " hasColors=" << d.hasColors[i] << "\n";
  }
  out << "ColorPreset count=" << d.ColorPreset.size() << "\n";
  for (std::size_t i = 0; i < d.ColorPreset.size(); ++i)
    out << "ColorPreset[" << i << "] " << Hex(d.ColorPreset[i]) << "\n";
  for (std::size_t i = 0; i < d.PresetColors.size(); ++i) {
    out << "PresetColors[" << i << "] " << Hex(d.PresetColors[i]) << "\n";
  }
}

}  // namespace

void DumpSkinDefinitions(const SkinDefinitions& d, std::ostream& out) {
  out << "SkinName " << d.SkinName << "\n";
  for (std::size_t edge = 0; edge < d.border.size(); ++edge) {
    DumpSlot(std::string("border[") + kEdgeNames[edge] + "]", d.border[edge].get(), out);
  }
  DumpSlot("Title", d.Title.get(), out);
  DumpSlot("Button", d.Button.get(), out);
  for (const SectionRow& row : SectionTable()) DumpSlot(row.field, SlotObject(d, row), out);
  DumpSlot("comboxarrow", d.comboxarrow.get(), out);
  DumpSlot("Toolbar", d.Toolbar.get(), out);
  out << "SysBtn count=" << d.SysBtn.size() << "\n";
  for (std::size_t i = 0; i < d.SysBtn.size(); ++i)
    DumpSlot("SysBtn[" + std::to_string(i) + "]", d.SysBtn[i].get(), out);
  Colours(d, out);
}

}  // namespace lanvero
