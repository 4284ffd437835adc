#include <gtest/gtest.h>

#include <QPdfWriter>
#include <QTemporaryDir>

#include "PdfPages.h"
#include "print/QtPrinter.h"

namespace voltaro {
namespace {

void DrawSomething(Printer& printer) {
    DrawingSurface& page = printer.Page();
    page.SetScale(0, 0, 120, 130);
    page.SetPos(10, 10);
    page.Print("page");
}

TEST(QtPrinter, EndedDocumentsOfAPdfFileBecomePagesOfThatFile) {
    QTemporaryDir dir;
    QString path = dir.filePath("three.pdf");
    {
        QPdfWriter writer(path);
        QtPrinter printer(writer, true);
        printer.SetPaperA4();
        for (int i = 0; i < 3; ++i) {
            DrawSomething(printer);
            printer.EndDoc();
        }
        EXPECT_EQ(printer.PagesBegun(), 3);
        EXPECT_TRUE(printer.Finish());
    }
    EXPECT_EQ(PdfPageCount(path), 3);
}

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

}  // namespace
}  // namespace voltaro
