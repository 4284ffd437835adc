#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "CommandLine.h"
#include "RecordingFileCommands.h"
#include "Subcommands.h"
#include "display/GraphRange.h"
#include "display/QtDrawingSurface.h"
#include "print/PrintedGraph.h"
#include "print/OutputFile.h"
#include "print/QtPrinter.h"
#include "values/Formatting.h"

namespace voltaro::cli {

namespace {

const char kHelp[] =
    "usage: voltaro-cli graph FILE --out graph.png|graph.pdf [--range START END] [--weight 1..10]\n"
    "                         [--landscape]\n"
    "Draws the printed graph of a recording file, as \"Printer Graphs\" prints it: the readings\n"
    "spread over the width of an A4 page, eleven labelled levels, time labels and row numbers,\n"
    "MAX and MIN of the readings printed, the file name and the period printed. The vertical\n"
    "range is the automatic one (around the highest and lowest reading of the recording).\n\n"
    "  --out FILE         a PNG picture of the page (150 dots per inch), or a PDF when the name\n"
    "                     ends in .pdf\n"
    "  --range START END  the rows after START up to END (as the dialog's \"Range\"); both are\n"
    "                     held to the recording; default: all readings (\"All Data in a Page\")\n"
    "  --weight N         line width of the trace, 1 to 10 (default 1)\n"
    "  --landscape        a landscape page (default portrait)\n"
    "  -h, --help         this text\n"
    "  --version          the program's version\n\n"
    "Exits with status 1 when the file cannot be read, the range holds no reading or the output\n"
    "cannot be written, 2 on a wrong argument.\n";

constexpr int kPngDpi = 150;
constexpr int kPdfDpi = 600;
constexpr double kMarginMm = 10;

int Usage(const std::string& problem) {
    std::fprintf(stderr, "voltaro-cli graph: %s\n\n%s", problem.c_str(), kHelp);
    return 2;
}

int Fail(const std::string& problem) {
    std::fprintf(stderr, "voltaro-cli graph: %s\n", problem.c_str());
    return 1;
}

bool EndsWith(const std::string& s, const std::string& tail) {
    if (s.size() < tail.size()) return false;
    std::string end = s.substr(s.size() - tail.size());
    for (char& c : end) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return end == tail;
}

}  // namespace

int RunGraph(const std::vector<std::string>& args) {
    std::string file, out, start, end;
    bool range = false, landscape = false;
    int weight = 1;
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
        } else if (a == "--range") {
            if (i + 2 >= args.size()) return Usage("--range needs START and END");
            start = args[++i];
            end = args[++i];
            range = true;
        } else if (a == "--weight") {
            if (i + 1 >= args.size()) return Usage("--weight needs a number");
            const std::string& w = args[++i];
            auto [p, ec] = std::from_chars(w.data(), w.data() + w.size(), weight);
            if (ec != std::errc() || p != w.data() + w.size() || weight < 1 || weight > 10)
                return Usage("--weight is a number from 1 to 10");
        } else if (a == "--landscape") {
            landscape = true;
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

    MeterRange meter;
    GraphRange graphRange;
    graphRange.UpdateGraphRange({.formLoaded = true,
                                 .reading = &h.reading,
                                 .meter = &meter,
                                 .stats = &h.stats,
                                 .recordCount = store.RecordCount,
                                 .decibels = false,
                                 .dBm = false});

    std::string message;
    auto chosen = PrintedGraph::ChoosePrintRange(!range, start, end, store.RecordCount, &message);
    if (!chosen) return Fail(message);

    PrintedGraph print;
    const PrintGraphInput in{.store = store,
                             .range = graphRange,
                             .stats = h.stats,
                             .RangeBottom = meter.RangeBottom,
                             .stamps = &h.formats};
    const QString path = QString::fromLocal8Bit(out.c_str());

    if (EndsWith(out, ".pdf")) {
        QPdfWriter writer(path);
        writer.setResolution(kPdfDpi);
        writer.setTitle(QString::fromLatin1(store.RecordingFile.c_str()));
        QtPrinter printer(writer, true, kMarginMm);
        printer.SetPaperA4();
        printer.SetOrientation(landscape ? PageOrientation::Landscape : PageOrientation::Portrait);
        // The printer's dots are much finer than the screen's.
        print.PrintTrendGraph(printer.Page(), weight * 10, false, chosen->n, chosen->st, in);
        printer.EndDoc();
        if (!printer.Finish()) return Fail("cannot write '" + out + "'");
        return 0;
    }

    // A page of A4 at 150 dots per inch, with the printer's margins.
    const double dotsPerMm = kPngDpi / 25.4;
    int w = static_cast<int>(std::lround(210 * dotsPerMm)),
        hgt = static_cast<int>(std::lround(297 * dotsPerMm));
    if (landscape) std::swap(w, hgt);
    QImage image(w, hgt, QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(std::lround(dotsPerMm * 1000)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(dotsPerMm * 1000)));
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        const double margin = kMarginMm * dotsPerMm;
        QtDrawingSurface page(painter, QRectF(margin, margin, w - 2 * margin, hgt - 2 * margin));
        const int pen = std::max(1, static_cast<int>(std::lround(weight * 10.0 * kPngDpi / kPdfDpi)));
        print.PrintTrendGraph(page, pen, false, chosen->n, chosen->st, in);
    }
    if (!image.save(path, "PNG")) return Fail("cannot write '" + out + "'");
    return 0;
}

}  // namespace voltaro::cli
