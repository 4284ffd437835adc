#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <cstdio>
#include <functional>

#include "ProgramHarness.h"
#include "display/QtDrawingSurface.h"
#include "print/Printers.h"
#include "support/PdfPages.h"
#include "support/PdfPrinters.h"
#include "ui/print/PrintGraphDialog.h"
#include "ui/print/QtPrinters.h"
#include "ui/print/ReportTitleDialog.h"
#include "ui/print/ReportWindow.h"
#include "ui/widgets/PictureBox.h"

namespace voltaro {
namespace {

// The main window over test doubles, printing into one PDF file of its own.
struct Printing : ::testing::Test {
    ProgramHarness h;
    QString pdfPath = h.folder.filePath(QStringLiteral("printed.pdf"));
    PdfPrinters printers{pdfPath};
    WindowUnderTest* f = nullptr;

    void SetUp() override {
        h.store.Save("voltaro", "frmScaling", "Xaxis1", "59");  // a row at every new reading
        h.ctx.printers = &printers;
        ASSERT_TRUE(h.StartWithPort());
        f = h.w.get();
    }
    void Record(int n) {
        f->startButton->click();
        for (int i = 0; i < n; ++i) {
            char frame[10];
            std::snprintf(frame, sizeof frame, "1%04d;008", (i * 397) % 4000);
            h.Receive(frame);
            h.Second();
        }
        f->startButton->click();
    }
    PrintGraphDialog& OpenPrintGraph() {
        f->printGraphAction->trigger();
        return *f->dialogs.printRange;
    }
    // What the preview must show: the printed graph of rows st + 1 .. st + n at weight 1.
    QImage Expected(const QImage& like, int n, int st) {
        QImage image(like.size(), like.format());
        QPainter painter(&image);
        QtDrawingSurface box(painter, QRectF(image.rect()), Qt::white);
        box.Clear();
        PrintedGraph().PrintTrendGraph(box, 1, true, n, st, f->probe.printInput());
        return image;
    }
    int Pages() const { return PdfPageCount(pdfPath); }
};

TEST_F(Printing, PreviewFollowsTheRangeChoice) {
    Record(40);
    PrintGraphDialog& d = OpenPrintGraph();
    EXPECT_FALSE(f->window.isEnabled());
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Printer Graphs"));
    EXPECT_EQ(d.endBox->text(), QStringLiteral("40"));
    EXPECT_FALSE(d.startBox->isEnabled()) << "Start and End only for a range";
    const QImage& shown = d.Picbox->Image();
    const QImage all = Expected(shown, 40, 0);
    EXPECT_EQ(shown, all);

    d.extentOptions[1]->click();
    EXPECT_TRUE(d.startBox->isEnabled());
    d.startBox->setText(QStringLiteral("10"));
    d.endBox->setText(QStringLiteral("20"));
    QTest::keyClick(d.endBox, Qt::Key_Return);
    EXPECT_EQ(shown, Expected(shown, 10, 10)) << "rows 11 to 20";
    EXPECT_NE(shown, all);
    EXPECT_TRUE(f->dialogs.printRange->isVisible()) << "Enter draws, it presses no button";

    // A Start of 0 is put right in its box; the range is then rows 2 to 20.
    d.startBox->setText(QStringLiteral("0"));
    d.previewButton->click();
    EXPECT_EQ(d.startBox->text(), QStringLiteral("1"));
    EXPECT_EQ(shown, Expected(shown, 19, 1));

    // Landscape moves the preview to the left and gives it the dialog's height.
    d.paperOptions[1]->click();
    EXPECT_EQ(d.Picbox->geometry(), QRect(8, 8, 416, 440));
    EXPECT_EQ(d.Picbox->Image(), Expected(d.Picbox->Image(), 19, 1));
    EXPECT_TRUE(h.messages.asked.empty());
}

TEST_F(Printing, PrinterPrintsTheRangeOnOnePageAndRefusesAnEmptyOne) {
    Record(30);
    PrintGraphDialog& d = OpenPrintGraph();
    d.extentOptions[1]->click();
    d.startBox->setText(QStringLiteral("12"));
    d.endBox->setText(QStringLiteral("12"));
    d.cmdStart->click();
    ASSERT_EQ(h.messages.asked.size(), 1u);
    EXPECT_EQ(h.messages.asked[0].message, "No readings to print in this range !");
    EXPECT_EQ(Pages(), -1) << "nothing printed";

    // The printer in hand writes a PDF file: its name is asked for, never written over unasked.
    d.endBox->setText(QStringLiteral("25"));
    h.dialogs.answers = {pdfPath.toStdString()};
    d.cmdStart->click();
    ASSERT_EQ(h.messages.asked.size(), 2u);
    EXPECT_EQ(h.messages.asked[1].message, "Print was completed sucessfully.");
    EXPECT_EQ(Pages(), 1);
    EXPECT_TRUE(d.isEnabled());
    EXPECT_TRUE(d.cmdStart->isEnabled());
    EXPECT_TRUE(printers.asked.empty()) << "the graph goes to the printer in hand";
    ASSERT_EQ(h.dialogs.asked.size(), 1u) << "an empty range asks for no file";
    EXPECT_EQ(h.dialogs.asked[0].initialName, pdfPath.toStdString());
    EXPECT_EQ(f->RecordCount(), 30);
}

// Without a printer the graph goes into a PDF file named in the save dialog; a file that
// cannot be written is named in the failure, with the system's reason.
TEST_F(Printing, PrintGraphWithoutAPrinterAsksForAPdfFile) {
    printers.NoPrinterInstalled();
    Record(30);
    PrintGraphDialog& d = OpenPrintGraph();
    const QString missing = h.folder.filePath(QStringLiteral("missing"));
    h.dialogs.answers = {std::nullopt, pdfPath.toStdString(), (missing + "/graph.pdf").toStdString()};
    d.cmdStart->click();
    EXPECT_EQ(Pages(), -1) << "cancelled: nothing printed";
    EXPECT_TRUE(h.messages.asked.empty()) << "and nothing said";
    d.cmdStart->click();
    EXPECT_EQ(Pages(), 1);
    ASSERT_EQ(h.messages.asked.size(), 1u);
    EXPECT_EQ(h.messages.asked[0].message, kPrintDoneMessage);
    d.cmdStart->click();
    ASSERT_EQ(h.dialogs.asked.size(), 3u);
    ASSERT_EQ(h.messages.asked.size(), 2u);
    EXPECT_EQ(h.messages.asked[1].message,
              kPrintFailedMessage + "\r\nfolder '" + missing.toStdString() + "': No such file or directory");
    EXPECT_TRUE(d.cmdStart->isEnabled());
}

TEST_F(Printing, PrintScreenPrintsTheWindowOnceConfirmed) {
    printers.answers = {std::nullopt, std::pair{1, 1}};
    f->printScreenAction->trigger();
    EXPECT_EQ(Pages(), -1) << "cancelled: nothing printed";
    EXPECT_TRUE(h.messages.asked.empty()) << "and nothing said";
    f->printScreenAction->trigger();
    EXPECT_EQ(Pages(), 1);
    ASSERT_EQ(printers.asked.size(), 2u);
    EXPECT_EQ(printers.asked[1].title, "Print Resport");
    EXPECT_EQ(printers.Device().pageLayout().pageSize().id(), QPageSize::A4);
}

TEST_F(Printing, ReportListsTheRecordingAndPrintsTheChosenPagesWithTheTitles) {
    Record(125);
    f->printReportAction->trigger();
    ReportWindow& r = *f->dialogs.report;
    EXPECT_FALSE(f->window.isEnabled());
    EXPECT_EQ(r.windowTitle(), QStringLiteral("Print Report"));
    const QAbstractItemModel& table = *r.table->model();
    ASSERT_EQ(table.rowCount(), 128) << "125 readings and 3 page markers";
    EXPECT_EQ(table.index(2, 2).data().toString(), QStringLiteral("+   397")) << "the second reading";

    // Titles: OK stores them, Cancel leaves them as stored.
    r.setTitleAction->trigger();
    ASSERT_TRUE(r.title->isVisible());
    r.title->titleBoxes[0]->setText(QStringLiteral("Bench run 7"));
    r.title->okButton->click();
    r.setTitleAction->trigger();
    r.title->titleBoxes[0]->setText(QStringLiteral("not this"));
    r.title->cancelButton->click();
    EXPECT_EQ(h.store.Get("voltaro", "frmTitle", "Title1"), "Bench run 7");
    EXPECT_EQ(r.title->titleBoxes[0]->text(), QStringLiteral("Bench run 7"));
    EXPECT_TRUE(r.isEnabled());

    // The printer dialog offers pages 1 to 3; pages 2 and 3 go out.
    printers.answers = {std::nullopt, std::pair{2, 3}};
    r.printAction->trigger();
    EXPECT_EQ(Pages(), -1) << "cancelled: nothing printed";
    r.printAction->trigger();
    ASSERT_EQ(printers.asked.size(), 2u);
    EXPECT_EQ(printers.asked[0].title, "Print Resport");
    EXPECT_EQ(printers.asked[0].maxPage, 3);
    EXPECT_EQ(printers.asked[0].toPage, 3);
    EXPECT_EQ(Pages(), 2);
    EXPECT_TRUE(h.messages.asked.empty());
}

// In a later chunk the pages are numbered on from the earlier chunks': those are offered, and
// the pages chosen among them are printed.
TEST_F(Printing, ReportOfALaterChunkOffersAndPrintsItsOwnPages) {
    Record(61);
    f->recording->store.ChunkCount = 1;
    f->printReportAction->trigger();
    printers.answers = {std::pair{501, 502}};
    f->dialogs.report->printAction->trigger();
    ASSERT_EQ(printers.asked.size(), 1u);
    EXPECT_EQ(std::pair(printers.asked[0].minPage, printers.asked[0].maxPage), std::pair(501, 502));
    EXPECT_EQ(Pages(), 2);
    EXPECT_TRUE(h.messages.asked.empty());
}

// The platform's printer dialog with the report's request: its title and pages, and a PDF file
// as a printer; Cancel gives nothing to print.
TEST(QtPrinters, DialogOffersThePagesAskedFor) {
    QtPrinters printers;
    PrinterDialogRequest request{
        .title = "Print Resport", .pages = true, .minPage = 1, .maxPage = 3, .fromPage = 1, .toPage = 3};
    QString title;
    int maxPage = 0;
    bool toPdf = false;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        if (auto* d = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
            title = d->windowTitle();
            maxPage = d->maxPage();
            for (const QComboBox* c : d->findChildren<QComboBox*>())
                toPdf = toPdf || c->findText(QStringLiteral("Print to File (PDF)")) >= 0;
            d->reject();
        }
    });
    answer.start(10);
    EXPECT_FALSE(printers.ChoosePrinter(request, nullptr));
    EXPECT_EQ(title, QStringLiteral("Print Resport"));
    EXPECT_EQ(maxPage, 3);
    EXPECT_TRUE(toPdf) << "a PDF file is offered, also where no printer is installed";
}

// Every way of closing a printing window gives the main window its commands back and keeps
// the window's placement.
TEST_F(Printing, EveryClosePathEnablesTheMainWindow) {
    Record(3);
    const std::function<QWidget*()> open[] = {
        [this] { return static_cast<QWidget*>(&OpenPrintGraph()); },
        [this] {
            f->printReportAction->trigger();
            return static_cast<QWidget*>(f->dialogs.report.get());
        },
    };
    const std::function<void(QWidget*)> close[] = {
        [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); },
        [](QWidget* w) { w->close(); },
        [this](QWidget* w) {
            if (w == f->dialogs.printRange.get())
                f->dialogs.printRange->cancelButton->click();
            else
                f->dialogs.report->exitAction->trigger();
        },
    };
    for (const auto& opener : open) {
        for (const auto& closer : close) {
            QWidget* w = opener();
            SCOPED_TRACE(w->objectName().toStdString());
            ASSERT_TRUE(w->isVisible());
            ASSERT_FALSE(f->window.isEnabled());
            closer(w);
            EXPECT_FALSE(w->isVisible());
            EXPECT_TRUE(f->window.isEnabled());
            EXPECT_TRUE(h.store.Get("voltaro", w->objectName().toStdString(), "Left").has_value());
        }
    }
}

}  // namespace
}  // namespace voltaro
