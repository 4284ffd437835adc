#pragma once

#include <optional>
#include <string>

#include "display/DrawingSurface.h"
#include "print/Printer.h"

namespace voltaro {

class RecordStore;
class GraphRange;
class Decibels;
class DateTimeFormat;
class Statistics;
class MessageSeam;

// What the printed graph is drawn from. The statistics are only read: the printout's own
// pass over its rows works on a copy, so printing never changes the main window's MAX, MIN
// and AVG.
struct PrintGraphInput {
    const RecordStore& store;
    const GraphRange& range;
    const Statistics& stats;
    float RangeBottom = 0;  // lower end of the meter's current range
    bool decibels = false;  // ChkdB
    Decibels* db = nullptr;
    std::string impedanceText{};  // the decibel dialog's line impedance
    const DateTimeFormat* stamps = nullptr;
};

// The rows of a printout: st + 1 .. st + n.
struct PrintRange {
    int n = 0;
    int st = 0;
};

// The choices of the "Printer Graphs" dialog that say what is printed and how.
struct PrintGraphChoices {
    bool allData = true;      // "All Data in a Page", else "Range"
    std::string Text1 = "1";  // Start
    std::string Text2;        // End
    int weight = 1;           // "DrawWeight"
    bool portrait = true;     // "Portrait", else "Landscaps"
};

// The printed graph ("Printer Graphs").
class PrintedGraph {
public:
    // Draws rows st + 1 .. st + n spread over the width of the page; returns the graph span
    // used. n = 0 draws nothing.
    double PrintTrendGraph(DrawingSurface& box, int penWidth, bool clear, int n, int st,
                           const PrintGraphInput& in);

    // The range of "All Data in a Page", or of "Range" with the dialog's Start and End texts:
    // the rows after Start up to End. Start and End are held to 1 .. recordCount (a Start of
    // 0 or less, or not a number, becomes "1" in its box); a range with no reading in it is
    // refused with `message` set.
    static std::optional<PrintRange> ChoosePrintRange(bool allData, std::string& startText,
                                                      const std::string& endText, int recordCount,
                                                      std::string* message);

    // The preview or a page: the range from the dialog, then the graph. An empty range draws
    // nothing and says so (when `messages` is given); false then.
    bool DrawPrintGraph(DrawingSurface& box, int penWidth, bool clear, PrintGraphChoices& dialog,
                        const PrintGraphInput& in, MessageSeam* messages);
    // "Printer": the page in the chosen orientation, the trace ten times as wide as on the
    // screen (the printer's dots are much finer), the document ended, then the message
    // "Print was completed sucessfully.". False, with nothing printed, for an empty range;
    // false, with an error message in place of that one, when the printer refused the page.
    bool PrintOnPrinter(Printer& printer, PrintGraphChoices& dialog, const PrintGraphInput& in,
                        MessageSeam& messages);

    // The statistics of the last printout's rows, as its footer printed them.
    double PrintedHigh = 0;
    double PrintedLow = 0;
};

inline const std::string kEmptyRangeMessage = "No readings to print in this range !";
inline const std::string kPrintDoneMessage = "Print was completed sucessfully.";
inline const std::string kPrintFailedMessage = "The printer could not print the graph.";

}  // namespace voltaro
