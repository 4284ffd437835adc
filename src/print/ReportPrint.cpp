#include "print/ReportPrint.h"

#include <algorithm>

#include "recording/Report.h"
#include "values/DateTimeFormat.h"
#include "base/Notation.h"

namespace voltaro {

namespace {

constexpr int kZones = 9;
constexpr int kTitleLine = 200;  // characters a title is centred in

}  // namespace

int ReportPrint::PageNumberOf(const std::string& pageText) {
    size_t at = pageText.find("Page:");
    if (at == std::string::npos) return 0;
    return static_cast<int>(Val(std::string_view(pageText).substr(at + 5)));
}

std::pair<int, int> ReportPrint::PageNumbers(const std::vector<ReportLine>& lines) {
    std::pair<int, int> pages{0, 0};
    for (const ReportLine& line : lines) {
        if (!line.IsPageMarker()) continue;
        const int p = PageNumberOf(line.col[7]);
        pages.first = pages.first == 0 ? p : std::min(pages.first, p);
        pages.second = std::max(pages.second, p);
    }
    return pages;
}

DrawingSurface& ReportPrint::Page(Printer& printer) {
    DrawingSurface& page = printer.Page();
    if (!pageStarted_) {
        // A new sheet: pixel units, the type in force, the position at the top.
        page.SetPixelScale();
        page.SetTypeface("Arial");
        page.SetFontSize(points_);
        page.SetTextColour(kBlack);
        page.SetPos(0, 0);
        pageStarted_ = true;
    }
    return page;
}

void ReportPrint::SetType(Printer& printer, double points) {
    points_ = points;
    Page(printer).SetFontSize(points);
}

void ReportPrint::EndLine(Printer& printer) {
    DrawingSurface& page = Page(printer);
    page.NewLine();
    // A page with many switch lines runs over the sheet: go on on the next one rather than
    // print off its edge.
    if (page.CurrentY() + page.TextHeight("0") > page.ScaleHeight()) {
        printer.NewPage();
        pageStarted_ = false;
    }
}

void ReportPrint::PrintZones(Printer& printer, const std::vector<std::string>& fields) {
    DrawingSurface& page = Page(printer);
    const double zone = page.ScaleWidth() / kZones;
    double x = 0;
    for (size_t j = 0; j < fields.size(); ++j) {
        // Each field in its own zone; a field that runs over pushes the next one on.
        double at = std::max(zone * static_cast<double>(j), j == 0 ? 0 : x + page.TextWidth(" "));
        page.SetPos(at, page.CurrentY());
        page.Print(fields[j]);
        x = page.CurrentX();
    }
    EndLine(printer);
}

void ReportPrint::PrintLine(Printer& printer, const std::string& text) {
    Page(printer).Print(text);
    EndLine(printer);
}

void ReportPrint::PrintHead(Printer& printer, const ReportPrintJob& job, const std::string& pageText) {
    printer.SetOrientation(PageOrientation::Portrait);
    printer.SetPaperA4();
    SetType(printer, 9.5);
    PrintLine(printer, job.RecordingFile);
    std::string date = job.stamps ? job.stamps->FormatStampDate(job.now.date()) : "";
    std::string time = job.stamps ? job.stamps->FormatStampTime(job.now.time()) : "";
    PrintZones(printer, {date, time, pageText});
    SetType(printer, 9);
    for (const std::string& title : job.titles) {
        int pad = std::max(0, (kTitleLine - static_cast<int>(title.size())) / 2);
        PrintLine(printer, std::string(static_cast<size_t>(pad), ' ') + title);
    }
    PrintLine(printer, "");
    // One title over each printed column.
    PrintZones(printer, std::vector<std::string>(kPrintedColumnTitles.begin(), kPrintedColumnTitles.end()));
}

int ReportPrint::PrintRep(Printer& printer, const std::vector<ReportLine>& lines, const ReportPrintJob& job) {
    int printed = 0;
    int previous = -1;
    bool inRange = false;
    const int total = static_cast<int>(lines.size());
    for (int i = 0; i < total; ++i) {
        const ReportLine& line = lines[static_cast<size_t>(i)];
        if (line.IsPageMarker()) {
            int p = PageNumberOf(line.col[7]);
            if (p != previous && printed > 0 && inRange) {
                printer.EndDoc();
                pageStarted_ = false;
            }
            inRange = p >= job.firstPage && p <= job.lastPage;
            if (inRange && p != previous) {
                points_ = 9;
                PrintHead(printer, job, line.col[7]);
                ++printed;
            }
            previous = p;
        }
        if (inRange) {
            SetType(printer, 9);
            std::vector<std::string> fields{line.item};
            fields.insert(fields.end(), line.col.begin(), line.col.end());
            PrintZones(printer, fields);
        }
        if (job.progress) job.progress(i + 1, total);
        if (printer.Failed()) break;
    }
    if (printed > 0) {
        printer.EndDoc();
        pageStarted_ = false;
    }
    return printed;
}

}  // namespace voltaro
