#include "display/Glyphs.h"

#include <array>
#include <cstdint>

namespace voltaro {

namespace {

// Segments a to g, then the point, as boxes in a cell of 100 x 170 units.
struct Box {
    double x1, y1, x2, y2;
};
constexpr std::array<Box, 8> kSegments{{
    {19, 8, 67, 19},     // a top
    {69, 21, 80, 78},    // b upper right
    {69, 93, 80, 149},   // c lower right
    {19, 151, 67, 162},  // d bottom
    {6, 93, 17, 149},    // e lower left
    {6, 21, 17, 78},     // f upper left
    {19, 80, 67, 91},    // g middle
    {86, 151, 97, 162},  // point
}};

// Bit i lights segment i (a = bit 0 ... g = bit 6).
constexpr std::array<uint8_t, 11> kPlainSegments{
    0b0111111,  // 0
    0b0000110,  // 1
    0b1011011,  // 2
    0b1001111,  // 3
    0b1100110,  // 4
    0b1101101,  // 5
    0b1111101,  // 6
    0b0000111,  // 7
    0b1111111,  // 8
    0b1101111,  // 9
    0b0111000,  // L
};
constexpr uint8_t kPointBit = 0b10000000;

uint8_t SegmentsOf(Glyph glyph) {
    if (glyph.index < 0 || glyph.index > 10) return 0;
    if (glyph.set == GlyphSet::Plain) return kPlainSegments[static_cast<size_t>(glyph.index)];
    if (glyph.index == 10) return 0;
    return kPlainSegments[static_cast<size_t>(glyph.index)] | kPointBit;
}

}  // namespace

void DrawGlyph(DrawingSurface& cell, Glyph glyph, Colour ink) {
    cell.Clear();
    cell.SetScale(0, 0, 100, 170);
    uint8_t lit = SegmentsOf(glyph);
    for (size_t i = 0; i < kSegments.size(); ++i) {
        if (lit & (1u << i))
            cell.FillBox(kSegments[i].x1, kSegments[i].y1, kSegments[i].x2, kSegments[i].y2, ink);
    }
}

}  // namespace voltaro
