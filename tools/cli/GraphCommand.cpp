#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

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

// What the command line asks for.
struct GraphOptions {
    std::string file, out, start, end;
    bool range = false, landscape = false;
    int weight = 1;
};

// "--weight N": true when N is a whole number from 1 to 10.
bool ReadWeight(const std::string& w, int& weight) {
    auto [p, ec] = std::from_chars(w.data(), w.data() + w.size(), weight);
    return ec == std::errc() && p == w.data() + w.size() && weight >= 1 && weight <= 10;
}

// The arguments into `o`; the exit status when the command ends here (help, version, a
// wrong argument). "--range" takes two values, which Qt's parser cannot give one option.
std::optional<int> ParseGraphArgs(const std::vector<std::string>& args, GraphOptions& o) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "-h" || a == "--help") {
            std::fputs(kHelp, stdout);
            return 0;
        } else if (a == "--version") {
            return SayVersion();
        } else if (a == "--out") {
            if (i + 1 >= args.size()) return Usage("--out needs a file name");
            o.out = args[++i];
        } else if (a == "--range") {
            if (i + 2 >= args.size()) return Usage("--range needs START and END");
            o.start = args[++i];
            o.end = args[++i];
            o.range = true;
        } else if (a == "--weight") {
            if (i + 1 >= args.size()) return Usage("--weight needs a number");
            if (!ReadWeight(args[++i], o.weight)) return Usage("--weight is a number from 1 to 10");
        } else if (a == "--landscape") {
            o.landscape = true;
        } else if (a.size() > 2 && a.rfind("--", 0) == 0) {
            return Usage("unknown option '" + a + "'");
        } else if (!o.file.empty()) {
            return Usage("one recording file only");
        } else {
            o.file = a;
        }
    }
    if (o.file.empty()) return Usage("no recording file given");
    if (o.out.empty()) return Usage("--out is needed");
    return std::nullopt;
}

// The automatic vertical range: around the highest and lowest reading of the recording.
GraphRange AutomaticRange(HeadlessRecording& h, MeterRange& meter) {
    GraphRange graphRange;
    graphRange.UpdateGraphRange({.formLoaded = true,
                                 .reading = &h.reading,
                                 .meter = &meter,
                                 .stats = &h.stats,
                                 .recordCount = h.rec.store.RecordCount,
                                 .decibels = false,
                                 .dBm = false});
    return graphRange;
}

int WritePdf(const GraphOptions& o, const PrintGraphInput& in, PrintRange chosen) {
    QPdfWriter writer(QString::fromLocal8Bit(o.out.c_str()));
    writer.setResolution(kPdfDpi);
    writer.setTitle(QString::fromLatin1(in.store.RecordingFile.c_str()));
    QtPrinter printer(writer, true, kMarginMm);
    printer.SetPaperA4();
    printer.SetOrientation(o.landscape ? PageOrientation::Landscape : PageOrientation::Portrait);
    // The printer's dots are much finer than the screen's.
    PrintedGraph().PrintTrendGraph(printer.Page(), o.weight * 10, false, chosen.n, chosen.st, in);
    printer.EndDoc();
    if (!printer.Finish()) return Fail("cannot write '" + o.out + "'");
    return 0;
}

// A page of A4 at 150 dots per inch, with the printer's margins.
int WritePng(const GraphOptions& o, const PrintGraphInput& in, PrintRange chosen) {
    const double dotsPerMm = kPngDpi / 25.4;
    int w = static_cast<int>(std::lround(210 * dotsPerMm)), hgt = static_cast<int>(std::lround(297 * dotsPerMm));
    if (o.landscape) std::swap(w, hgt);
    QImage image(w, hgt, QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(std::lround(dotsPerMm * 1000)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(dotsPerMm * 1000)));
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        const double margin = kMarginMm * dotsPerMm;
        QtDrawingSurface page(painter, QRectF(margin, margin, w - 2 * margin, hgt - 2 * margin));
        const int pen = std::max(1, static_cast<int>(std::lround(o.weight * 10.0 * kPngDpi / kPdfDpi)));
        PrintedGraph().PrintTrendGraph(page, pen, false, chosen.n, chosen.st, in);
    }
    if (!image.save(QString::fromLocal8Bit(o.out.c_str()), "PNG")) return Fail("cannot write '" + o.out + "'");
    return 0;
}

}  // namespace

int RunGraph(const std::vector<std::string>& args) {
    GraphOptions o;
    if (auto status = ParseGraphArgs(args, o)) return *status;

    // Said before anything is read or drawn, with the system's reason.
    if (const std::string problem = OutputFileProblem(o.out); !problem.empty())
        return Fail("cannot write '" + o.out + "': " + problem);

    HeadlessRecording h;
    if (!h.rec.OpenFile(o.file).loaded) return 1;
    MeterRange meter;
    const GraphRange graphRange = AutomaticRange(h, meter);

    std::string message;
    auto chosen = PrintedGraph::ChoosePrintRange(!o.range, o.start, o.end, h.rec.store.RecordCount, &message);
    if (!chosen) return Fail(message);

    const PrintGraphInput in{.store = h.rec.store,
                             .range = graphRange,
                             .stats = h.stats,
                             .RangeBottom = meter.RangeBottom,
                             .stamps = &h.formats};
    return EndsWith(o.out, ".pdf") ? WritePdf(o, in, *chosen) : WritePng(o, in, *chosen);
}

}  // namespace voltaro::cli
