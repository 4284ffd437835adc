#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPdfWriter>
#include <QTemporaryDir>

#include "print/OutputFile.h"
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

// What keeps an output from being written, in the system's words; the check leaves no file
// of its own and keeps one that was there.
TEST(OutputFileProblem, NamesTheReasonAndLeavesTheFolderAsItWas) {
    QTemporaryDir dir;
    const std::string folder = dir.path().toStdString();
    QFile kept(dir.filePath("kept.pdf"));
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly) && kept.write("%PDF") == 4);
    kept.close();
    EXPECT_EQ(OutputFileProblem(folder + "/missing/out.pdf"),
              "folder '" + folder + "/missing': No such file or directory");
    EXPECT_EQ(OutputFileProblem(folder + "/kept.pdf/out.pdf"),
              "folder '" + folder + "/kept.pdf': Not a directory");
    EXPECT_EQ(OutputFileProblem(folder), "'" + folder + "': Is a directory");
    EXPECT_EQ(OutputFileProblem(folder + "/new.pdf"), "");
    EXPECT_EQ(OutputFileProblem(folder + "/kept.pdf"), "");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"kept.pdf"});
    EXPECT_EQ(QFileInfo(kept).size(), 4);
}

}  // namespace
}  // namespace voltaro
