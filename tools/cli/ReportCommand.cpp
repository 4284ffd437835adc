#include <QDateTime>
#include <QPdfWriter>
#include <charconv>
#include <climits>
#include <cstdio>

#include "CommandLine.h"
#include "RecordingFileCommands.h"
#include "Subcommands.h"
#include "print/OutputFile.h"
#include "print/QtPrinter.h"
#include "print/ReportPrint.h"

namespace voltaro::cli {

namespace {

const char kHelp[] =
    "usage: voltaro-cli report FILE --out report.pdf [--pages FIRST LAST] [--title TEXT ...]\n"
    "Prints the readings report of a recording file into one PDF, as \"Printer Report\" prints\n"
    "it: a page for every 60 readings, each with the file name, the date and time of printing,\n"
    "its page number, three centred titles and the column titles.\n\n"
    "  --out FILE          the PDF to write\n"
    "  --pages FIRST LAST  only the pages FIRST to LAST (default: every page)\n"
    "  --title TEXT        a title line; up to three, in order\n"
    "  -h, --help          this text\n"
    "  --version           the program's version\n\n"
    "Exits with status 1 when the file cannot be read, no page lies in the range or the PDF\n"
    "cannot be written, 2 on a wrong argument.\n";

int Usage(const std::string& problem) {
    std::fprintf(stderr, "voltaro-cli report: %s\n\n%s", problem.c_str(), kHelp);
    return 2;
}

int Fail(const std::string& problem) {
    std::fprintf(stderr, "voltaro-cli report: %s\n", problem.c_str());
    return 1;
}

bool PageNumber(const std::string& text, int& out) {
    auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && p == text.data() + text.size() && out >= 1;
}

}  // namespace

int RunReport(const std::vector<std::string>& args) {
    std::string file, out;
    std::vector<std::string> titles;
    int first = 1, last = INT_MAX;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-h" || a == "--help") {
            std::fputs(kHelp, stdout);
            return 0;
        } else if (a == "--version") {
            return SayVersion();
        } else if (a == "--out") {
            if (i + 1 >= args.size()) return Usage("--out needs a file name");
            out = args[++i];
        } else if (a == "--pages") {
            if (i + 2 >= args.size() || !PageNumber(args[i + 1], first) || !PageNumber(args[i + 2], last))
                return Usage("--pages needs two page numbers from 1 on");
            i += 2;
        } else if (a == "--title") {
            if (i + 1 >= args.size()) return Usage("--title needs a text");
            if (titles.size() == 3) return Usage("three titles at most");
            titles.push_back(args[++i]);
        } else if (a.size() > 2 && a.rfind("--", 0) == 0) {
            return Usage("unknown option '" + a + "'");
        } else if (file.empty()) {
            file = a;
        } else {
            return Usage("one recording file only");
        }
    }
    if (file.empty()) return Usage("no recording file given");
    if (out.empty()) return Usage("--out is needed");

    // Said before anything is read or drawn, with the system's reason.
    if (const std::string problem = OutputFileProblem(out); !problem.empty())
        return Fail("cannot write '" + out + "': " + problem);

    HeadlessRecording h;
    if (!h.rec.OpenFile(file).loaded) return 1;
    const RecordStore& store = h.rec.store;
    const std::vector<ReportLine> lines =
        h.rec.report.ReadListData(store, h.formats, h.stats.Vmax, h.stats.Vmin);

    ReportPrintJob job;
    job.RecordingFile = store.RecordingFile;
    for (size_t i = 0; i < titles.size(); ++i) job.titles[i] = titles[i];
    job.firstPage = first;
    job.lastPage = last;
    job.now = h.clock.Now();
    job.stamps = &h.formats;

    QPdfWriter writer(QString::fromLocal8Bit(out.c_str()));
    writer.setResolution(600);
    writer.setTitle(QString::fromLatin1(store.RecordingFile.c_str()));
    // One file: every page of the report is a page of it.
    QtPrinter printer(writer, true);
    ReportPrint print;
    const int pages = print.PrintRep(printer, lines, job);
    if (!printer.Finish()) return Fail("cannot write '" + out + "'");
    if (lines.empty()) return Fail("the recording holds no readings: nothing to print");
    if (pages == 0) return Fail("no report page lies in the pages asked for");
    return 0;
}

}  // namespace voltaro::cli
