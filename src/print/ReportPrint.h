#pragma once

#include <QDateTime>
#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "print/Printer.h"

namespace voltaro {

struct ReportLine;
class DateTimeFormat;

// What the printed report's pages carry besides the table.
struct ReportPrintJob {
    std::string RecordingFile;
    std::array<std::string, 3> titles;  // "Title (1):" .. "Title (3):"
    int firstPage = 1;                  // the pages chosen, by their page numbers
    int lastPage = 1;
    QDateTime now;
    const DateTimeFormat* stamps = nullptr;
    std::function<void(int done, int total)> progress;  // lines printed so far, of all
};

// The column titles over the printed columns, in their order.
inline constexpr std::array<const char*, 9> kPrintedColumnTitles{
    "Time", "Date", "Reading", "Type", "Status", "Start/Stop", "AVG", "REL", "Note"};

// The printed report: every page of 60 readings with its head, as a document of its own.
class ReportPrint {
public:
    // Prints the pages of the table whose page numbers lie in the chosen range; returns the
    // number of pages printed. A printer that fails ends the printout there.
    int PrintRep(Printer& printer, const std::vector<ReportLine>& lines, const ReportPrintJob& job);
    // The head of a page: file name, date, time and page text, the three centred titles and
    // the column titles.
    void PrintHead(Printer& printer, const ReportPrintJob& job, const std::string& pageText);

    // The pages the table holds, by the numbers its page markers carry: the first and the
    // last (a later chunk's pages go on from the earlier chunks'); 0, 0 without a marker.
    static std::pair<int, int> PageNumbers(const std::vector<ReportLine>& lines);
    // The page number of a page marker's text ("Page:000002" is 2).
    static int PageNumberOf(const std::string& pageText);

private:
    DrawingSurface& Page(Printer& printer);
    // Prints the fields of one line in the print zones and ends the line; a page that is full
    // goes on on the next sheet.
    void PrintZones(Printer& printer, const std::vector<std::string>& fields);
    void PrintLine(Printer& printer, const std::string& text);
    void SetType(Printer& printer, double points);
    void EndLine(Printer& printer);

    double points_ = 9;
    bool pageStarted_ = false;
};

}  // namespace voltaro
