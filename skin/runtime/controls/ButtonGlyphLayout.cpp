#include <string>

#include "skin/runtime/controls/ButtonGlyphLayout.h"
#include "skin/runtime/controls/ClassNameCase.h"

namespace lanvero {
namespace {

// Client, glyph and text extents along the axis the glyph and caption
// follow each other on.
struct Axis {
  int client, glyph, text;
};

Axis AlongSide(const GlyphLayoutInput& in) {
  const bool horizontal = in.side == GlyphSide::Left || in.side == GlyphSide::Right;
  return horizontal ? Axis{in.client.cx, in.glyph.cx, in.text.cx} : Axis{in.client.cy, in.glyph.cy, in.text.cy};
}

}  // namespace

GlyphSide GlyphSideFromName(const std::wstring& identifier) {
  const std::wstring name = LowerName(identifier);
  if (name == L"blglyphright") return GlyphSide::Right;
  if (name == L"blglyphtop") return GlyphSide::Top;
  if (name == L"blglyphbottom") return GlyphSide::Bottom;
  return GlyphSide::Left;
}

GlyphLayout LayOutGlyph(const GlyphLayoutInput& in) {
  GlyphLayout out;
  const SIZE c = in.client, g = in.glyph, t = in.text;
  const bool horizontal = in.side == GlyphSide::Left || in.side == GlyphSide::Right;
  // Across the axis both are centred.
  if (horizontal) {
    out.glyph.y = (c.cy - g.cy + 1) / 2;
    out.text.y = (c.cy - t.cy + 1) / 2;
  } else {
    out.glyph.x = (c.cx - g.cx + 1) / 2;
    out.text.x = (c.cx - t.cx + 1) / 2;
  }
  int margin = in.margin;
  int spacing = in.spacing;
  if (t.cx == 0 || g.cx == 0) spacing = 0;
  const Axis axis = AlongSide(in);
  if (margin == -1 || in.centred) {
    if (spacing == -1) {
      margin = (axis.client - (axis.glyph + axis.text)) / 3;
      spacing = margin;
    } else {
      margin = (axis.client - (axis.glyph + spacing + axis.text)) / 2 + (in.speedButton ? 1 : 0);
    }
  } else if (spacing == -1) {
    spacing = (axis.client - (margin + axis.glyph) - axis.text) / 2;
  }
  switch (in.side) {
    case GlyphSide::Left:
      out.glyph.x = margin;
      out.text.x = out.glyph.x + g.cx + spacing;
      break;
    case GlyphSide::Right:
      out.glyph.x = c.cx - margin - g.cx;
      out.text.x = out.glyph.x - spacing - t.cx;
      out.textFlags = DT_RIGHT;
      break;
    case GlyphSide::Top:
      out.glyph.y = margin;
      out.text.y = out.glyph.y + g.cy + spacing;
      out.textFlags = DT_CENTER;
      break;
    case GlyphSide::Bottom:
      out.glyph.y = c.cy - margin - g.cy;
      out.text.y = out.glyph.y - spacing - t.cy;
      out.textFlags = DT_CENTER;
      break;
  }
  return out;
}

}  // namespace lanvero
