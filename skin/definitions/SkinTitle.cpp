#include "skin/definitions/SkinTitle.h"

#include <array>
#include <string>

namespace lanvero {

namespace {

constexpr std::string_view kPersonality = "Personality";

// The MDI buttons (minimise, restore, close of a maximised child) live in
// the menu bar: alignment and visibility code 100.
constexpr std::array<int32_t, 3> kMdiActions{7, 8, 9};
constexpr int32_t kMdiPlacement = 100;
constexpr int32_t kMdiFrames = 4;

// A caption button image wider than 3.8 times its height has six frames.
// Compared in integers (width * 10 against height * 38): in floating point
// an image of exactly 3.8 would fall either way with the FPU's precision.
constexpr int64_t kThreeFrameMaxRatioTenths = 38;

using F = DefinitionField;

// A side edge keeps its fixed parts at the top and bottom of its frame, a
// top or bottom edge at the left and right.
void ReadEdge(SkinDefinitionReader& in, TDataSkinBorder& edge, std::string_view name, bool sideEdge) {
  const std::string e(name);
  const int32_t topHeight = in.Field(edge, sideEdge ? F::MarginTop : F::MarginLeft, kPersonality, e + "TopHeight", 0);
  const int32_t botHeight =
      in.Field(edge, sideEdge ? F::MarginBottom : F::MarginRight, kPersonality, e + "BotHeight", 0);
  edge.r = sideEdge ? Rect{0, topHeight, 0, botHeight} : Rect{topHeight, 0, botHeight, 0};
  edge.frame = in.Field(edge, F::Frames, kPersonality, e + "Frame", 1);
  edge.Tile = in.Field(edge, F::Tile, kPersonality, e + "Stretch", 1);
  edge.trans = in.Integer(kPersonality, e + "Trans", 1);
  in.ReadKeyImage(edge, F::Image, edge.Map, kPersonality, e);
  if (edge.Tile > 1) edge.Tile = in.Decide(edge, F::Tile, 1, FieldRule::Capped);
}

// A section stays a caption button unless it has no action (-1) and is
// not explicitly visible (0).
bool KeepsCaptionButton(SkinDefinitionReader& in, const std::string& section) {
  const int32_t action = in.Integer(section, "Action", 0);
  return action != -1 || in.Integer(section, "Visibility", -1) == 0;
}

int32_t CaptionButtonFrames(const TDataSkinSysButton& button) {
  if (button.Map.Empty()) return 6;
  if (button.Action < 0) return 6;
  const bool threeFrames = int64_t{button.Map.Width()} * 10 <= int64_t{button.Map.Height()} * kThreeFrameMaxRatioTenths;
  return threeFrames ? 3 : 6;
}

struct RememberedPlace {
  bool known = false;
  int32_t x = 0;
  int32_t y = 0;
};

Slot<TDataSkinSysButton> ReadCaptionButton(SkinDefinitionReader& in, const std::string& section,
                                           RememberedPlace& maximise) {
  auto button = std::make_unique<TDataSkinSysButton>(UpperAscii(section));
  button->Action = in.Integer(section, "Action", 0);
  button->Align = in.Integer(section, "Align", 0);
  button->XCoord = in.Integer(section, "Xcoord", 0);
  button->YCoord = in.Integer(section, "Ycoord", 0);
  button->Visibility = in.Integer(section, "Visibility", 0);
  button->Visibility1 = in.Integer(section, "Visibility1", button->Action == -1 ? -1 : 0);
  if (button->Action == 1 && button->Visibility == 2) maximise = {true, button->XCoord, button->YCoord};
  // Context help takes the place of the maximise button. Without one before
  // it, the button keeps its own coordinates.
  if (button->Action == 4 && maximise.known) {
    button->XCoord = maximise.x;
    button->YCoord = maximise.y;
  }
  button->CombineOp = in.Integer(section, "CombineOp", -1);
  button->frame = in.Field(*button, F::Frames, section, "frame", 0);
  in.ReadKeyImage(*button, F::Image, button->Map, section, "ButtonImage");
  if (button->frame == 0) {
    button->frame = in.Decide(*button, F::Frames, CaptionButtonFrames(*button), FieldRule::Chosen);
    // Window-icon buttons: the frame skinner paints the icon itself.
    if (button->Action == 3 || button->Action == 11) button->Map.Clear();
  }
  return button;
}

}  // namespace

bool IsCaptionButtonSection(std::string_view name) {
  const std::string n = UpperAscii(name);
  if (n == "BUTTONS" || n == "BUTTON.RADIO" || n == "BUTTON.CHECKBOX" || n == "BUTTON") return false;
  return n.starts_with("BUTTON");
}

void ReadFrameEdges(SkinDefinitionReader& in, SkinDefinitions& d) {
  for (int edge = kEdgeLeft; edge <= kEdgeBottom; ++edge) {
    const bool sideEdge = edge == kEdgeLeft || edge == kEdgeRight;
    ReadEdge(in, *d.border[static_cast<std::size_t>(edge)], kEdgeNames[static_cast<std::size_t>(edge)], sideEdge);
  }
}

void ReadCaption(SkinDefinitionReader& in, TDataSkinTitle& title) {
  in.ReadKeyImage(title, F::Image, title.Map, kPersonality, "TextBack");
  title.r = {in.Integer(kPersonality, "TextShift", 0), in.Integer(kPersonality, "TextShiftVert", 0),
             in.Integer(kPersonality, "TextRightClip", 0), 0};
  title.Aligment = in.Integer(kPersonality, "TextAlignment", 0);
  title.BackGround = in.Integer(kPersonality, "Textbackground", 0);
  title.FontHeight = in.Integer("Fonts", "FontHeight", 14);
  // The fixed ends of the text-back image.
  title.backleft = in.Field(title, F::MarginLeft, kPersonality, "TXTBackleft", 0);
  title.backright = in.Field(title, F::MarginRight, kPersonality, "TXTBackRight", 0);
  title.activetext = kNoColor;
  title.inactivetext = kNoColor;
  ReadRGBKeys(in, kPersonality, "ActiveText", title.activetext);
  ReadRGBKeys(in, kPersonality, "InActiveText", title.inactivetext);
}

void ReadRGBKeys(SkinDefinitionReader& in, std::string_view section, std::string_view name, Color& target) {
  const std::string n(name);
  const int32_t red = in.Integer(section, n + "R", -1);
  const int32_t green = in.Integer(section, n + "G", -1);
  const int32_t blue = in.Integer(section, n + "B", -1);
  if (red < 0 || green < 0 || blue < 0) return;
  target = static_cast<Color>(red % 256) | static_cast<Color>(green % 256) << 8 | static_cast<Color>(blue % 256) << 16;
}

void ReadMenuBar(SkinDefinitionReader& in, SkinDefinitions& d) {
  d.Menubar.reset();
  if (!in.Has(kPersonality, "menuBar")) return;
  d.Menubar = std::make_unique<TDataSkinObject>(std::string(kPersonality));
  TDataSkinObject& bar = *d.Menubar;
  in.ReadKeyImage(bar, F::Image, bar.Map, kPersonality, "menuBar");
  bar.Tile = in.Field(bar, F::Tile, kPersonality, "TileMenu", 1);
  bar.r = {in.Field(bar, F::MarginLeft, kPersonality, "TileLeftMenu", 1), 0,
           in.Field(bar, F::MarginRight, kPersonality, "TileRightMenu", 1), 0};
  if (bar.Tile > 1) bar.Tile = in.Decide(bar, F::Tile, 1, FieldRule::Capped);
}

void ReadSysButtons(SkinDefinitionReader& in, SkinDefinitions& d) {
  d.SysBtn.clear();
  RememberedPlace maximise;
  for (const std::string& section : in.SectionNames()) {
    if (IsCaptionButtonSection(section) && KeepsCaptionButton(in, section)) {
      d.SysBtn.push_back(ReadCaptionButton(in, section, maximise));
    }
  }
  const std::size_t first = d.SysBtn.size();
  for (int32_t action : kMdiActions) {
    auto button = std::make_unique<TDataSkinSysButton>("MDICONTROLS");
    button->Action = action;
    button->Align = kMdiPlacement;
    button->Visibility = kMdiPlacement;
    button->Visibility1 = kMdiPlacement;
    button->frame = kMdiFrames;
    d.SysBtn.push_back(std::move(button));
  }
  ReadMdiButtons(in, d, first);
}

void ReadMdiButtons(SkinDefinitionReader& in, SkinDefinitions& d, std::size_t first) {
  const PixelImage image = in.KeyImage(nullptr, F::Image, "MDICONTROLS", "Image");
  if (image.IsEmpty()) return;
  const int32_t w = image.Width() / kMdiImageFrames;
  const int32_t h = image.Height();
  for (int32_t k = 0; k < 3; ++k) {
    TDataSkinSysButton& button = *d.SysBtn[first + static_cast<std::size_t>(k)];
    PixelImage strip(kMdiFrames * w, h);
    for (int32_t y = 0; y < strip.Height(); ++y) {
      for (int32_t x = 0; x < strip.Width(); ++x) strip.Set(x, y, image.At(kMdiFrames * k * w + x, y));
    }
    button.Map.SetImage(std::move(strip));
    button.XCoord = (w + 4) * (3 - k);
  }
}

Color GetCaptionColor(const SkinDefinitions& d) {
  const TDataSkinBorder& top = *d.border[kEdgeTop];
  if (top.Map.Empty()) return d.Colors[kSchemeButtonFace];
  const int32_t frames = top.frame < 1 ? 1 : top.frame;
  const PixelImage& image = top.Map.Image();
  return ColorFromPixel(image.At(image.Width() / 3, image.Height() / frames / 3));
}

}  // namespace lanvero
