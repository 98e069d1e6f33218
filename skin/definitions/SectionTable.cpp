#include "skin/definitions/SectionTable.h"

#include <algorithm>

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

int32_t NormalizedFrames(SkinDefinitionReader& in, const SectionRow& row, const TDataSkinObject& object) {
  switch (row.rule) {
    case F::Fixed:
      return row.frames;
    case F::AsRead:
      return object.frame;
    case F::AsReadOr5:
      return object.frame == 0 ? 5 : object.frame;
    case F::ProgressStyle:
      return object.style == 0 ? 2 : 1;
    case F::FrameCountKey:
      return in.Integer(row.section, "FrameCount", 3);
  }
  return object.frame;
}

void CapMargins(Rect& r, int32_t cap) {
  r.left = std::min(r.left, cap);
  r.top = std::min(r.top, cap);
  r.right = std::min(r.right, cap);
  r.bottom = std::min(r.bottom, cap);
}

void ReadRow(SkinDefinitionReader& in, SkinDefinitions& d, const SectionRow& row) {
  const Color buttonText = d.Colors[kSchemeButtonText];
  switch (row.reader) {
    case K::Object:
      ReadSkinObject(in, d.*std::get<ObjectSlot>(row.slot), row.section, buttonText);
      break;
    case K::Border:
      ReadSkinBorder(in, d.*std::get<BorderSlot>(row.slot), row.section, row.maskKey, buttonText);
      break;
    case K::BitmapBorder:
      ReadBitmapBorder(in, d.*std::get<BorderSlot>(row.slot), row.section);
      break;
    case K::BoxLabel:
      ReadBoxLabel(in, d.*std::get<BoxLabelSlot>(row.slot), row.section, buttonText);
      break;
    case K::MenuBar:
      ReadMenuBar(in, d);
      break;
  }
}

void FinishRow(SkinDefinitions& d, const SectionRow& row) {
  TDataSkinObject* object = SlotObject(d, row);
  switch (row.after) {
    case A::None:
      break;
    case A::CapMarginsAt4:
      if (object) CapMargins(object->r, kTabPaneMarginCap);
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
    FinishRow(d, row);
  }
}

void NormalizeFrames(SkinDefinitionReader& in, SkinDefinitions& d) {
  TDataSkinButton& button = *d.Button;
  button.frame = kButtonFrames;
  d.Title->frame = kTitleFrames;
  for (const SectionRow& row : kSectionTable) {
    if (TDataSkinObject* object = SlotObject(d, row)) object->frame = NormalizedFrames(in, row, *object);
  }
  if (d.Toolbar) d.Toolbar->frame = kToolbarFrames;
  if (button.radioframe == 0) button.radioframe = MarkFrames(button.RadioMap);
  if (button.checkframe == 0) button.checkframe = MarkFrames(button.CheckMap);
}

void ReadSkinDefinitions(SkinDefinitionReader& in, SkinDefinitions& d) {
  d.SkinName = in.String("TitlebarSkin", "SkinName");
  ReadFrameEdges(in, d);
  ReadColorScheme(in.Ini(), in.SectionNames(), d);
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
