#include "Subcommands.h"

namespace voltaro::cli {

const std::vector<Subcommand>& Subcommands() {
    static const std::vector<Subcommand> table = {
        {"decode", "decode meter frames given as arguments or one per line on standard input", RunDecode},
        {"read", "follow a serial port and print every accepted reading", RunRead},
        {"record", "record a serial port into a recording file, as the program records", RunRecord},
        {"info", "describe a recording file: layout, readings, stamps, MAX, MIN, AVG", RunInfo},
        {"export", "write the readings report of a recording file as Export Readings does", RunExport},
        {"panel", "draw the display panel and bargraph of one frame into a PNG", RunPanel, true},
        {"graph", "draw the printed graph of a recording file into a PNG or a PDF", RunGraph, true},
        {"report", "print the readings report of a recording file into one PDF", RunReport, true},
    };
    return table;
}

}  // namespace voltaro::cli
