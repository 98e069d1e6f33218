#include "skin/definitions/ComposedDefinitions.h"

#include <algorithm>

#include "skin/definitions/SkinTitle.h"
#include "skin/image/GradientTable.h"
#include "skin/image/ImgUtil.h"
#include "skin/image/SkinRaster.h"

namespace lanvero {

namespace {

constexpr Pixel kMagenta = PixelFromColor(kMagentaKey);
constexpr int32_t kToolbarWidth = 10;
constexpr int32_t kToolbarHeight = 40;
constexpr Color kMidGrey = 0x808080;
constexpr Color kWhite = 0xFFFFFF;
constexpr int32_t kToolbarBlendWeight = 150;  // per mille: 15 % of the first colour
constexpr int32_t kSaturatedCaption = 110;

// Margins as the skin gives them may be absurd (negative, or near the
// 32-bit limit, where adding two overflows). Any margin beyond the cell
// draws exactly like one of a million pixels, and negative ones count as 0.
Margins DrawableMargins(const Rect& r) {
  static constexpr int32_t kLimit = 1 << 20;
  auto clamp = [](int32_t v) { return std::clamp(v, 0, kLimit); };
  return {clamp(r.left), clamp(r.top), clamp(r.right), clamp(r.bottom)};
}

// Frame k of the combo cell: sunk edge over the whole cell, the drop
// button at the right, the arrow glyph centred on it, the text area keyed
// out. The cell starts magenta so that the transparent parts of the edge
// stay transparent in the strip.
void DrawComboCell(PixelImage& cell, const SkinDefinitions& d, int32_t k, int32_t frames, int32_t buttonWidth) {
  const TDataSkinObject& edge = *d.Comboxborder;
  const TDataSkinBorder& button = *d.combox;
  FillSolid(cell, cell.Bounds(), kMagentaKey);
  DrawSkinFrame(cell, cell.Bounds(), edge.Map.Image().View(), DrawableMargins(edge.r), k, frames, edge.trans != 0,
                edge.Tile == 1, false);
  const Rect buttonArea{kComboCellWidth - buttonWidth, 0, kComboCellWidth, kComboCellHeight};
  DrawSkinFrame(cell, buttonArea, button.Map.Image().View(), DrawableMargins(button.r), k, button.frame, true,
                button.Tile == 1, false);
  if (d.ExtraImages) {
    DrawSkinFrameCentered(cell, buttonArea, d.ExtraImages->Map.Image().View(), k, d.ExtraImages->frame, true);
  }
  FillSolid(cell, {2, 2, kComboCellWidth - 1 - buttonWidth, 18}, kMagentaKey);
}

}  // namespace

void ComposeComboImages(SkinDefinitions& d, int32_t scrollButtonWidth) {
  if (!d.Comboxborder || !d.combox) return;
  const int32_t b = scrollButtonWidth + 2;
  const int32_t frames = d.Comboxborder->frame;
  if (frames < 1) return;
  PixelImage cell(kComboCellWidth, kComboCellHeight, kMagenta);
  PixelImage strip(kComboCellWidth * frames, kComboCellHeight, kMagenta);
  for (int32_t k = 1; k <= frames; ++k) {
    DrawComboCell(cell, d, k, frames, b);
    StretchCopy(strip, cell.Bounds().Offset((k - 1) * kComboCellWidth, 0), cell.View(), cell.Bounds());
  }
  d.combox->style = kComposedComboStyle;
  d.combox->r = d.Comboxborder->r;
  d.combox->r.left = 2;
  d.combox->r.right = b + 2;
  PixelImage mirrored = strip;
  MirrorHorizontal(mirrored);
  d.combox->Map.SetImage(std::move(strip));
  d.Comboxborder->Map.SetImage(std::move(mirrored));
  d.Comboxborder->r.left = b + 2;
  d.Comboxborder->r.right = 2;
}

void BuildComboArrow(SkinDefinitions& d) {
  if (!d.comboxarrow) d.comboxarrow = std::make_unique<TDataSkinObject>("ComboxArrow");
  TDataSkinObject& arrow = *d.comboxarrow;
  if (d.Comboxborder && d.combox && d.combox->style == kComposedComboStyle) {
    const int32_t frames = d.Comboxborder->frame;
    const PixelImage& source = d.combox->Map.Image();
    const int32_t w = frames > 0 ? source.Width() / frames : 0;
    PixelImage strip(kComboArrowSize * frames, kComboArrowSize);
    for (int32_t k = 1; k <= frames; ++k) {
      const Rect square{k * w - 19, 2, k * w - 2, 19};
      StretchCopy(strip, {(k - 1) * kComboArrowSize, 0, k * kComboArrowSize, kComboArrowSize}, source.View(), square);
    }
    arrow.frame = frames;
    arrow.Map.SetImage(std::move(strip));
  } else if (d.combox) {
    PixelImage copy = d.combox->Map.Image();
    ReplaceMagenta(copy, d.Colors[kSchemeButtonFace]);
    arrow.frame = d.combox->frame;
    arrow.Map.SetImage(std::move(copy));
  }
}

void BuildToolbarBack(SkinDefinitions& d) {
  const Color caption = GetCaptionColor(d);
  Color a = BlendColors(kMidGrey, caption, kToolbarBlendWeight);
  const Color b = BlendColors(d.Colors[kSchemeButtonFace], kWhite, kToolbarBlendWeight);
  const int32_t s = ColorSaturation(caption);
  if (s > kSaturatedCaption) {
    const int32_t percent = (225 - s) * 25 / 140 + 50;
    a = BlendColors(caption, kWhite, percent);
  }
  PixelImage back(kToolbarWidth, kToolbarHeight);
  GradientFill(back, back.Bounds(), b, a, GradientDirection::TopToBottom, back.Bounds());
  if (!d.Toolbar) d.Toolbar = std::make_unique<TDataSkinObject>("Toolbar");
  d.Toolbar->Map.SetImage(std::move(back));
  d.Toolbar->frame = 1;
}

}  // namespace lanvero
