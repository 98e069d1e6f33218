#include "skin/definitions/SectionTable.h"

#include <algorithm>
#include <utility>

#include "skin/definitions/ComposedDefinitions.h"
#include "skin/definitions/SkinDataPlatform.h"
#include "skin/definitions/SkinTitle.h"
#include "skin/image/ImgUtil.h"

namespace lanvero {

namespace {

using K = SectionReaderKind;
using F = FrameRule;
using A = AfterRead;
using D = SkinDefinitions;

constexpr int32_t kButtonFrames = 5;
constexpr int32_t kTitleFrames = 2;
constexpr int32_t kToolbarFrames = 1;
constexpr int32_t kTabPaneMarginCap = 4;
constexpr int32_t kEngineTrackMargin = 3;
constexpr int32_t kMinimumMarkFrames = 4;

// Frames of a check or radio mark strip the skin gave no count for: its
// width in cells of 13 pixels (for strips lower than 16) or 16, at least 4.
int32_t MarkFrames(const TSkinBitmap& strip) {
  const int32_t cell = strip.Height() < 16 ? 13 : 16;
  return std::max(strip.Width() / cell, kMinimumMarkFrames);
}

// Sets the frame count of a table row's definition as its rule says.
void NormalizeRowFrames(SkinDefinitionReader& in, const SectionRow& row, TDataSkinObject& object) {
  switch (row.rule) {
    case F::Fixed: object.frame = in.Decide(object, DefinitionField::Frames, row.frames, FieldRule::Fixed); break;
    case F::AsRead: break;
    case F::AsReadOr5:
      if (object.frame == 0) object.frame = in.Decide(object, DefinitionField::Frames, 5, FieldRule::Chosen);
      break;
    case F::ProgressStyle:
      object.frame = in.Decide(object, DefinitionField::Frames, object.style == 0 ? 2 : 1, FieldRule::Fixed);
      break;
    case F::FrameCountKey:
      object.frame = in.Field(object, DefinitionField::Frames, row.section, "FrameCount", 3);
      break;
  }
}

// Each margin at most `cap`.
void CapMargins(SkinDefinitionReader& in, TDataSkinObject& object, int32_t cap) {
  const std::array<std::pair<DefinitionField, int32_t Rect::*>, 4> margins{{
      {DefinitionField::MarginLeft, &Rect::left},
      {DefinitionField::MarginTop, &Rect::top},
      {DefinitionField::MarginRight, &Rect::right},
      {DefinitionField::MarginBottom, &Rect::bottom},
  }};
  for (const auto& [field, member] : margins) {
    if (object.r.*member > cap) object.r.*member = in.Decide(object, field, cap, FieldRule::Capped);
  }
}

void ReadRow(SkinDefinitionReader& in, SkinDefinitions& d, const SectionRow& row) {
  const Color buttonText = d.Colors[kSchemeButtonText];
  switch (row.reader) {
    case K::Object: ReadSkinObject(in, d.*std::get<ObjectSlot>(row.slot), row.section, buttonText); break;
    case K::Border: ReadSkinBorder(in, d.*std::get<BorderSlot>(row.slot), row.section, row.maskKey, buttonText); break;
    case K::BitmapBorder: ReadBitmapBorder(in, d.*std::get<BorderSlot>(row.slot), row.section); break;
    case K::BoxLabel: ReadBoxLabel(in, d.*std::get<BoxLabelSlot>(row.slot), row.section, buttonText); break;
    case K::MenuBar: ReadMenuBar(in, d); break;
  }
}

void FinishRow(SkinDefinitionReader& in, SkinDefinitions& d, const SectionRow& row) {
  TDataSkinObject* object = SlotObject(d, row);
  switch (row.after) {
    case A::None: break;
    case A::CapMarginsAt4:
      if (object) CapMargins(in, *object, kTabPaneMarginCap);
      break;
    case A::MirrorIntoMask: {
      auto* border = static_cast<TDataSkinBorder*>(object);
      if (border && !border->Map.Empty()) {
        PixelImage mirrored = border->Map.Image();
        MirrorHorizontal(mirrored);
        border->MaskMap.SetImage(std::move(mirrored));
      }
      break;
    }
    case A::EngineTrack:
      // The engine's bitmaps are named like the sections, in capitals.
      if (!object) d.*std::get<ObjectSlot>(row.slot) = LoadDefaultTrack(UpperAscii(row.section));
      break;
  }
}

// Only the "ComboButton" row names a mask key no skin uses, so that its
// MaskMap stays empty until the mirrored copy is made.
const std::array<SectionRow, kSectionRowCount> kSectionTable{{
    {"progress", "Progress", K::BitmapBorder, "", &D::progress, F::ProgressStyle, 0, A::None},
    {"progresschunk", "Progress.Chunk", K::Object, "", &D::progresschunk, F::AsRead, 0, A::None},
    {"Menubar", "Personality", K::MenuBar, "", &D::Menubar, F::Fixed, 2, A::None},
    {"Box", "GroupBoxEdge", K::Object, "", &D::Box, F::Fixed, 2, A::None},
    {"boxlabel", "GroupBox", K::BoxLabel, "", &D::boxlabel, F::Fixed, 1, A::None},
    {"tab", "Tabs", K::Border, "Border", &D::tab, F::Fixed, 5, A::None},
    {"StatusBar", "StatusBarEdges", K::Object, "", &D::StatusBar, F::Fixed, 3, A::None},
    {"TabSheet", "Tab.Pane", K::Object, "", &D::TabSheet, F::Fixed, 1, A::CapMarginsAt4},
    {"Toolbarbtn", "ToolBars", K::Object, "", &D::Toolbarbtn, F::Fixed, 5, A::None},
    {"combox", "ComboButton", K::Border, "****", &D::combox, F::Fixed, 4, A::MirrorIntoMask},
    {"Comboxborder", "SunkEdge", K::Object, "", &D::Comboxborder, F::Fixed, 4, A::None},
    {"ExtraImages", "ExtraImages", K::Object, "", &D::ExtraImages, F::Fixed, 5, A::None},
    {"Header", "Headerbar", K::Object, "", &D::Header, F::AsReadOr5, 0, A::None},
    {"MenuItem", "MenuItem", K::Object, "", &D::MenuItem, F::Fixed, 5, A::None},
    {"MenuitemBG", "MenuBackground", K::Object, "", &D::MenuitemBG, F::Fixed, 1, A::None},
    {"SArrow", "Scrollbar", K::Object, "", &D::SArrow, F::Fixed, 23, A::None},
    {"HBar", "HorzScroll", K::Object, "", &D::HBar, F::Fixed, 4, A::None},
    {"VBar", "VertScroll", K::Object, "", &D::VBar, F::Fixed, 4, A::None},
    {"HSlider", "HorzScrollThumb", K::Object, "", &D::HSlider, F::FrameCountKey, 0, A::None},
    {"VSlider", "VertScrollThumb", K::Object, "", &D::VSlider, F::FrameCountKey, 0, A::None},
    {"TrackHorz", "Trackbar.ThumbHorz", K::Object, "", &D::TrackHorz, F::Fixed, 5, A::None},
    {"TrackVert", "Trackbar.ThumbVert", K::Object, "", &D::TrackVert, F::Fixed, 5, A::None},
    {"TrackLeft", "Trackbar.ThumbLeft", K::Object, "", &D::TrackLeft, F::Fixed, 5, A::None},
    {"Trackright", "Trackbar.ThumbRight", K::Object, "", &D::Trackright, F::Fixed, 5, A::None},
    {"Tracktop", "Trackbar.ThumbUp", K::Object, "", &D::Tracktop, F::Fixed, 5, A::None},
    {"Trackbottom", "Trackbar.ThumbDown", K::Object, "", &D::Trackbottom, F::Fixed, 5, A::None},
    {"HSpin", "UpDown.Horz", K::Border, "GlyphImage", &D::HSpin, F::Fixed, 8, A::None},
    {"VSpin", "UpDown.Vert", K::Border, "GlyphImage", &D::VSpin, F::Fixed, 8, A::None},
    {"TrackBar", "Track", K::Object, "", &D::TrackBar, F::AsRead, 0, A::EngineTrack},
    {"TrackBarVert", "TRACKVERT", K::Object, "", &D::TrackBarVert, F::AsRead, 0, A::EngineTrack},
}};

}  // namespace

const std::array<SectionRow, kSectionRowCount>& SectionTable() { return kSectionTable; }

TDataSkinObject* SlotObject(const SkinDefinitions& d, const SectionRow& row) {
  return std::visit([&d](auto member) -> TDataSkinObject* { return (d.*member).get(); }, row.slot);
}

Slot<TDataSkinObject> LoadDefaultTrack(std::string_view name) {
  auto track = std::make_unique<TDataSkinObject>(std::string(name));
  track->Map.SetImage(EngineBitmap(name));
  track->r = {kEngineTrackMargin, kEngineTrackMargin, kEngineTrackMargin, kEngineTrackMargin};
  track->Tile = 0;
  track->frame = 1;
  return track;
}

void ReadSectionTable(SkinDefinitionReader& in, SkinDefinitions& d) {
  for (const SectionRow& row : kSectionTable) {
    ReadRow(in, d, row);
    FinishRow(in, d, row);
  }
}

void NormalizeFrames(SkinDefinitionReader& in, SkinDefinitions& d) {
  TDataSkinButton& button = *d.Button;
  button.frame = in.Decide(button, DefinitionField::Frames, kButtonFrames, FieldRule::Fixed);
  d.Title->frame = in.Decide(*d.Title, DefinitionField::Frames, kTitleFrames, FieldRule::Fixed);
  for (const SectionRow& row : kSectionTable) {
    if (TDataSkinObject* object = SlotObject(d, row)) NormalizeRowFrames(in, row, *object);
  }
  if (d.Toolbar) d.Toolbar->frame = kToolbarFrames;
  if (button.radioframe == 0) {
    button.radioframe = in.Decide(button, DefinitionField::RadioFrames, MarkFrames(button.RadioMap), FieldRule::Chosen);
  }
  if (button.checkframe == 0) {
    button.checkframe = in.Decide(button, DefinitionField::CheckFrames, MarkFrames(button.CheckMap), FieldRule::Chosen);
  }
}

void ReadSkinDefinitions(SkinDefinitionReader& in, SkinDefinitions& d) {
  d.SkinName = in.String("TitlebarSkin", "SkinName");
  ReadFrameEdges(in, d);
  ReadColorScheme(in, d);
  ReadSysButtons(in, d);
  ReadButtonSet(in, *d.Button, d.Colors[kSchemeButtonText]);
  ReadCaption(in, *d.Title);
  ReadSectionTable(in, d);
  NormalizeFrames(in, d);
  ComposeComboImages(d, ScrollButtonWidth());
  BuildComboArrow(d);
  BuildToolbarBack(d);
  d.Colors[kSchemeCaption] = GetCaptionColor(d);
}

}  // namespace lanvero
