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

}  // namespace
}  // namespace voltaro
