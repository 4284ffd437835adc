#include <gtest/gtest.h>

#include <QPdfWriter>
#include <QTemporaryDir>

#include "print/QtPrinter.h"

namespace voltaro {
namespace {

TEST(QtPrinter, PageSurfaceFillsThePrintableArea) {
    QTemporaryDir dir;
    QPdfWriter writer(dir.filePath("one.pdf"));
    writer.setResolution(600);
    QtPrinter printer(writer, true, 10);
    printer.SetPaperA4();
    printer.SetOrientation(PageOrientation::Landscape);
    DrawingSurface& page = printer.Page();
    page.SetPixelScale();
    // A4 landscape less 10 mm each side is 277 x 190 mm, at 600 dots per inch.
    EXPECT_NEAR(page.ScaleWidth(), 277 / 25.4 * 600, 12);
    EXPECT_NEAR(page.ScaleHeight(), 190 / 25.4 * 600, 12);
    EXPECT_TRUE(printer.Finish());
}

// A device that refuses the document: every page is reported failed, and nothing is drawn into
// the inactive painter (which Qt would answer with a warning for every stroke).
TEST(QtPrinter, RefusedDeviceFailsAndDrawsNothing) {
    QTemporaryDir dir;
    QPdfWriter writer(dir.filePath("missing/one.pdf"));
    static QStringList inactive;
    inactive.clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) {
            if (m.contains("not active")) inactive << m;
        });
    bool finished = true;
    {
        QtPrinter printer(writer, false, 10);
        for (int page = 0; page < 2; ++page) {
            DrawingSurface& surface = printer.Page();
            surface.SetScale(0, 0, 120, 130);
            surface.Line(0, 0, 120, 130, kBlack);
            surface.Print("Page");
            printer.EndDoc();
            EXPECT_TRUE(printer.Failed()) << page;
        }
        finished = printer.Finish();
    }
    qInstallMessageHandler(previous);
    EXPECT_FALSE(finished);
    EXPECT_TRUE(inactive.isEmpty()) << inactive.join('\n').toStdString();
}

}  // namespace
}  // namespace voltaro
