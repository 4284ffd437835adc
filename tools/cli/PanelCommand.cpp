#include <QImage>
#include <QPainter>
#include <cstdio>

#include "CommandLine.h"
#include "Subcommands.h"
#include "display/Glyphs.h"
#include "display/LcdPanel.h"
#include "display/QtDrawingSurface.h"
#include "link/Decoder.h"
#include "print/OutputFile.h"
#include "values/Decibels.h"
#include "values/Formatting.h"
#include "values/Statistics.h"

namespace voltaro::cli {

namespace {

const char kHelp[] =
    "usage: voltaro-cli panel FRAME --out panel.png\n"
    "Draws the meter's display panel for one frame (the nine data characters, as \"13999;008\"):\n"
    "the four digit cells, sign, prefix and unit, coupling and range mode, and the 40-segment\n"
    "bargraph, as the main window shows them.\n\n"
    "  --out FILE   the picture to write (PNG)\n"
    "  -h, --help   this text\n"
    "  --version    the program's version\n\n"
    "Exits with status 1 when the picture cannot be written, 2 on a wrong argument.\n";

const QColor kLcd(214, 222, 206);

int Usage(const std::string& problem) {
    std::fprintf(stderr, "voltaro-cli panel: %s\n\n%s", problem.c_str(), kHelp);
    return 2;
}

// Text in a typeface at a size, its top left corner at (x, y) pixels; returns where it ends.
double Text(DrawingSurface& s, double x, double y, const std::string& text, const std::string& face,
            double points, bool bold) {
    s.SetTypeface(face);
    s.SetFontSize(points);
    s.SetBold(bold);
    s.SetPos(x, y);
    s.Print(text);
    return s.CurrentX();
}

}  // namespace

int RunPanel(const std::vector<std::string>& args) {
    CommandLine line("panel", kHelp, {"out"}, {});
    if (auto status = line.Parse(args, true)) return *status;
    const std::vector<std::string> frames = line.Positional();
    if (frames.size() > 1) return Usage("one frame only");
    if (frames.empty()) return Usage("no frame given");
    const std::string frame = frames[0], out = line.Text("out");
    if (out.empty()) return Usage("--out is needed");

    // Said before anything is drawn, with the system's reason.
    if (const std::string problem = OutputFileProblem(out); !problem.empty()) {
        std::fprintf(stderr, "voltaro-cli panel: cannot write '%s': %s\n", out.c_str(), problem.c_str());
        return 1;
    }

    Reading reading = DecodeFrameText(frame);
    LcdPanel panel;
    Statistics stats;
    Decibels db;
    MeterRange range;
    panel.UpdatePanel(reading, reading.value, reading.digits, {}, stats, db, range, 0);

    QImage image(720, 300, QImage::Format_RGB32);
    image.fill(kLcd);
    QPainter painter(&image);
    {
        QtDrawingSurface all(painter, image.rect(), kLcd);
        all.SetPixelScale();
        Text(all, 12, 6, "READING-DIGITAL DISPLAY", "Arial", 9, true);
        Text(all, 470, 40, reading.acDc, "Arial", 14, true);
        Text(all, 540, 40, reading.rangeMode, "Arial", 14, true);
        Text(all, 18, 88, panel.signText, "Arial", 48, true);
        double x = Text(all, 470, 120, panel.prefixText, "Times New Roman", 40, true);
        Text(all, x + 4, 120, panel.unitText, panel.LabTypeFace, 40, true);
    }
    for (int i = 0; i < 4; ++i) {
        QtDrawingSurface cell(painter, QRectF(60 + i * 98, 40, 90, 153), kLcd);
        DrawGlyph(cell, panel.digitGlyphs[static_cast<size_t>(i)]);
    }
    {
        QtDrawingSurface bar(painter, QRectF(20, 215, 680, 70), kLcd);
        bar.SetFontSize(9);
        panel.DrawBargraph(bar, kBlack);
    }
    painter.end();
    if (!image.save(QString::fromLocal8Bit(out.c_str()), "PNG")) {
        std::fprintf(stderr, "voltaro-cli panel: cannot write '%s'\n", out.c_str());
        return 1;
    }
    return 0;
}

}  // namespace voltaro::cli
