#include "display/ModShow.h"

#include <algorithm>
#include <cmath>

#include "values/Notation.h"

namespace voltaro {

namespace {

constexpr int kBarFull = 4000;
constexpr int kSegments = 40;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Right-aligned in `width` characters: spaces on the left, a longer text cut on the right.
std::string RightAligned(const std::string& text, size_t width) {
    if (text.size() >= width) return text.substr(0, width);
    return std::string(width - text.size(), ' ') + text;
}

// The point-set glyph of what a cell shows, for the point that follows it.
Glyph WithPoint(Glyph g) {
    if (g.set == GlyphSet::Plain && g.index <= 9) return {GlyphSet::Point, g.index};
    return g;  // blank, O already carry the point set; L has no pointed form
}

// A label centred the old way: preceded by Int((5 - its length) / 2) spaces.
std::string Centred(const std::string& text) {
    int pad = std::max(0, (5 - static_cast<int>(text.size())) / 2);
    return std::string(static_cast<size_t>(pad), ' ') + text;
}

}  // namespace

bool ModShow::DrawDigits(const std::string& text, bool noDataFlag) {
    if (text == LastDigitText) return false;
    std::string t = text;
    std::replace(t.begin(), t.end(), ',', '.');
    std::string field = RightAligned(t, t.find('.') != std::string::npos ? 5 : 4);

    std::array<Glyph, 4> cells{kBlankGlyph, kBlankGlyph, kBlankGlyph, kBlankGlyph};
    size_t p = 0;
    for (char c : field) {
        if (p >= cells.size()) break;
        if (c == '.') {
            if (p > 0) cells[p - 1] = WithPoint(cells[p - 1]);
            continue;
        }
        if (IsDigit(c))
            cells[p] = {GlyphSet::Plain, c - '0'};
        else if (c == 'O')
            cells[p] = {GlyphSet::Point, 0};
        else if (c == 'L')
            cells[p] = {GlyphSet::Plain, 10};
        else
            cells[p] = kBlankGlyph;
        ++p;
    }
    Picture1 = cells;
    LastDigitText = noDataFlag ? text : "9999";
    return true;
}

void ModShow::DrawBargraph(DrawingSurface& picPro, const std::string& countText, const std::string& signText,
                           Colour barColour) {
    MaxBar = kBarFull;
    picPro.SetPixelScale();
    picPro.Clear();
    picPro.SetBold(false);
    picPro.SetTextColour(barColour);

    const double W = picPro.ScaleWidth();
    const double H = picPro.ScaleHeight() - 4;
    const double th = picPro.TextHeight("0");
    const double u = W / 50;
    const double x0 = 2 * u;
    const double gap = std::nearbyint(0.2 * u);

    const double n = Val(countText);
    const int s = kBarFull / kSegments;
    const double shown = std::min(n, static_cast<double>(kBarFull));

    picPro.SetPos(2, 0);
    picPro.Print(signText);

    for (int i = 1; i <= kSegments; ++i) {
        Colour colour = s * i <= shown ? barColour : picPro.BackColour();
        if (i % 10 == 0) {
            // An unlit segment's label takes the background colour and so vanishes.
            picPro.SetTextColour(colour);
            picPro.SetPos(x0 + u * i + 2, 0);
            picPro.Print(Centred(std::to_string(i)));
        }
        double f = i % 10 == 0 ? 1.0 : i % 5 == 0 ? 1.2 : 1.4;
        picPro.FillBox(x0 + u * (i + 1), f * th, x0 + u * (i + 2) - gap, H, colour);
    }

    if (countText.find("OL") != std::string::npos || n >= kBarFull) {
        // The mark is drawn in the bar colour so that it shows even when no segment is lit.
        picPro.SetTextColour(barColour);
        picPro.SetBold(true);
        picPro.SetPos(x0 + 42 * u + 2, 20);
        picPro.Print(Centred("OL"));
        picPro.SetBold(false);
    }
}

}  // namespace voltaro
