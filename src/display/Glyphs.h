#pragma once

#include "display/DrawingSurface.h"

namespace voltaro {

// The two glyph sets of a digit cell: plain digits 0-9 with the letter L at 10, and the same
// digits with the decimal point lit with a blank cell at 10. The letter O is the point set's 0.
enum class GlyphSet { Plain, Point };

struct Glyph {
    GlyphSet set = GlyphSet::Point;
    int index = 10;
    friend bool operator==(const Glyph&, const Glyph&) = default;
};

inline constexpr Glyph kBlankGlyph{GlyphSet::Point, 10};

// Draws a glyph over the whole surface in seven segments (as boxes, so it is sharp at any
// size) on the surface's background.
void DrawGlyph(DrawingSurface& cell, Glyph glyph, Colour ink = kBlack);

}  // namespace voltaro
