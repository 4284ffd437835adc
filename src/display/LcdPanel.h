#pragma once

#include <QDateTime>
#include <array>
#include <optional>
#include <string>

#include "display/DrawingSurface.h"
#include "display/Glyphs.h"

namespace voltaro {

struct Reading;
class MeterRange;
class Decibels;
class Statistics;
class DateTimeFormat;

// The switches of the main window that change what the panel shows.
struct PanelModes {
    bool rel = false;  // relBox
    bool dB = false;   // decibelsBox
};

// The meter's display panel: the four digit cells, the sign, prefix and unit labels, the
// bargraph and the MAX/MIN/AVG/REL sub-display. Each routine leaves what the window shows in
// the members below; the window paints the cells and the bargraph from them.
class LcdPanel {
public:
    // Redraws digits, sign, prefix, unit and bargraph for the Reading's value (none for a
    // reading not yet had) and digits ("OL" for an overload); an overload or a silent meter
    // shows " OL " over a full bargraph.
    void UpdatePanel(const Reading& reading, std::optional<float> value, const std::string& digits,
                     PanelModes modes, const Statistics& stats, Decibels& db, MeterRange& range,
                     int recordCount);

    // Chooses the glyphs of the four cells for a display text; false when the text is the one
    // drawn last during a no-data period, and the cells are left as they are.
    bool DrawDigits(const std::string& text, bool noDataFlag);

    // Draws the 40-segment bargraph for the count text of the digits, with the sign label's
    // text at its left, on a surface in pixels.
    void DrawBargraph(DrawingSurface& picPro, const std::string& countText, const std::string& signText,
                      Colour barColour);
    // The bargraph as the last UpdatePanel left it.
    void DrawBargraph(DrawingSurface& picPro, Colour barColour) {
        DrawBargraph(picPro, BarCount, signText, barColour);
    }

    // Rewrites the sub-display rows whose statistic is on; all eight texts are emptied while
    // nothing is recorded.
    void UpdateStatsDisplay(const Statistics& stats, PanelModes modes, Decibels& db,
                            const DateTimeFormat& stamps, const QDateTime& now, int recordCount);

    std::array<Glyph, 4> digitGlyphs{kBlankGlyph, kBlankGlyph, kBlankGlyph, kBlankGlyph};
    std::string LastDigitText;  // the text drawn last, or "9999" to draw the next one anyway
    std::string DisplayText;    // the text the cells were asked to show
    int MaxBar = 0;             // the bargraph's full count
    std::string BarCount;       // the count text the bargraph shows

    std::string signText = " ";  // the sign
    std::string prefixText;        // the prefix, in "Times New Roman" bold
    std::string unitText;         // the unit ("W" is omega in the symbol face)
    std::string LabTypeFace = "Times New Roman";

    // Sub-display rows 0 MAX, 1 MIN, 2 AVG, 3 REL: values and their stamps.
    std::array<std::string, 4> statValueTexts;
    std::array<std::string, 4> statDetailTexts;
};

// The unit of a unit text without the range's prefix ("mV" is "V", "KHZ" is "HZ", " W" is
// "W"); a text that is no prefixed unit comes back as it is.
std::string UnitWithoutPrefix(const std::string& unitText);

}  // namespace voltaro
