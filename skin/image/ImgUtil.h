#pragma once
// Image utilities every skinner shares: the transforms applied to skin
// images after loading, colour arithmetic of the colour scheme, and small
// pixel routines. Portable: the device-context routines of the same family
// are in win/SkinDraw.h (Windows only). Gradients are in GradientTable.h.

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/graphics/PixelImage.h"

namespace lanvero {

// Every pixel of exactly R 255, G 0, B 255 becomes `color` (system colours
// resolved). Images are always held with 24-bit colour, so no conversion
// is needed first.
void ReplaceMagenta(PixelImage& image, Color color);
void MirrorHorizontal(PixelImage& image);
void FlipVertical(PixelImage& image);
// 90 degrees counter-clockwise: (x, y) moves to (y, W - 1 - x).
void RotateBitmapLeft(PixelImage& image);
// 90 degrees clockwise: (x, y) moves to (H - 1 - y, x).
void RotateBitmapRight(PixelImage& image);

// Mix of colours A and B: weights 0 to 99 are per cent of A, 100 and above
// per mille. Channels are rounded and keep their low 8 bits.
Color BlendColors(Color a, Color b, int32_t weight);
// 0 to 255: the HSV saturation scaled to 255, or 200 for dark colours
// (every channel below 160).
int32_t ColorSaturation(Color color);

// The destination takes the source's size and pixels.
void CopyBitmap(const PixelImage& source, PixelImage& destination);
// Fills the part of `area` inside the image.
void FillSolid(PixelImage& image, const Rect& area, Color color);
// The embossed "disabled" look of a glyph: button face, with the glyph's
// black pixels drawn in button shadow over a highlight copy offset by one
// pixel right and down. Every glyph is held in full colour here, so a
// monochrome source needs no separate treatment.
PixelImage MakeDisabledGlyph(const PixelImage& glyph);

// `text` with the first occurrence of `old_part` replaced by `new_part`;
// unchanged when it does not occur (or `old_part` is empty).
std::wstring ReplaceFirst(std::wstring_view text, std::wstring_view old_part, std::wstring_view new_part);
std::string ReplaceFirst(std::string_view text, std::string_view old_part, std::string_view new_part);

}  // namespace lanvero
