#pragma once

#include <array>
#include <string>

#include "display/DrawingSurface.h"
#include "display/Glyphs.h"

namespace voltaro {

// The meter's display panel: the four digit cells and the bargraph.
class ModShow {
public:
    // Chooses the glyphs of the four cells for a display text; false when the text is the one
    // drawn last during a no-data period, and the cells are left as they are.
    bool DrawDigits(const std::string& text, bool noDataFlag);

    // Draws the 40-segment bargraph for the count text of the digits, with the sign label's
    // text at its left, on a surface in pixels.
    void DrawBargraph(DrawingSurface& picPro, const std::string& countText, const std::string& signText,
                      Colour barColour);

    std::array<Glyph, 4> Picture1{kBlankGlyph, kBlankGlyph, kBlankGlyph, kBlankGlyph};
    std::string LastDigitText;  // the text drawn last, or "9999" to draw the next one anyway
    int MaxBar = 0;             // the bargraph's full count
};

}  // namespace voltaro
