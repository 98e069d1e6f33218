#pragma once
// Where the glyph and the caption of a glyph button go, the way the
// framework's glyph buttons place them: glyph left, right, above or below
// the caption, with a margin from the edge and a spacing between the two;
// -1 for either means "share the free room evenly".

#include <windows.h>

#include <string>

namespace lanvero {

enum class GlyphSide { Left = 0, Right = 1, Top = 2, Bottom = 3 };

// The side from a "Layout" property's identifier ("blGlyphTop", any case);
// anything else puts the glyph on the left.
GlyphSide GlyphSideFromName(const std::wstring& identifier);

struct GlyphLayoutInput {
  SIZE client{};
  SIZE glyph{};
  SIZE text{};
  GlyphSide side = GlyphSide::Left;
  int margin = -1;
  int spacing = -1;
  // The glyph and caption are centred together whatever the margin says.
  bool centred = false;
  // Speed buttons place a centred pair one pixel further on.
  bool speedButton = false;
};

struct GlyphLayout {
  POINT glyph{};
  POINT text{};
  UINT textFlags = 0;  // DT_RIGHT or DT_CENTER for the sides that need it
};

GlyphLayout LayOutGlyph(const GlyphLayoutInput& input);

}  // namespace lanvero
