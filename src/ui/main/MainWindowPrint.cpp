#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPushButton>

#include "base/FileDialogs.h"
#include "base/Messages.h"
#include "ui/widgets/PictureBox.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MainWindowViews.h"
#include "display/QtDrawingSurface.h"
#include "print/QtPrinter.h"
#include "ui/print/QtPrinters.h"
#include "ui/print/PrintGraphDialog.h"
#include "ui/print/ReportWindow.h"
#include "ui/print/ReportTitleDialog.h"

namespace voltaro {

namespace {

const std::string kScreenFailedMessage = "The printer could not print the window.";
const std::string kPrintFileTitle = "Print to PDF File";
const std::string kPdfFilter = "PDF Files (*.pdf)|*.pdf";

// The PDF file a printout is proposed to go into: the one chosen last, or one named after the
// recording beside it.
std::string ProposedPdf(QPrinter& device, const std::string& recordingFile) {
    if (!device.outputFileName().isEmpty()) return QFile::encodeName(device.outputFileName()).toStdString();
    const QFileInfo recording(QFile::decodeName(recordingFile.c_str()));
    const QString name =
        recording.completeBaseName().isEmpty() ? QStringLiteral("graph") : recording.completeBaseName();
    return QFile::encodeName(recording.dir().filePath(name + ".pdf")).toStdString();
}

// Asks for the PDF file the printer in hand writes; false when the dialog was cancelled.
bool ChoosePrintFile(FileDialogs& dialogs, Printers& printers, const std::string& recordingFile) {
    QPrinter& device = printers.Device();
    const auto chosen =
        dialogs.AskSaveName({kPrintFileTitle, kPdfFilter, 1, "", ProposedPdf(device, recordingFile)});
    if (!chosen) return false;
    device.setOutputFormat(QPrinter::PdfFormat);
    device.setOutputFileName(QFile::decodeName(chosen->c_str()));
    return true;
}

}  // namespace

Printers& MainWindow::PrinterSet() {
    if (ctx.printers) return *ctx.printers;
    if (!ownPrinters) ownPrinters = std::make_unique<QtPrinters>();
    return *ownPrinters;
}

PrintGraphInput MainWindow::PrintInput() const {
    return PrintGraphInput{.store = recording->store,
                           .range = graphRange,
                           .stats = stats,
                           .RangeBottom = meterRange.RangeBottom,
                           .decibels = ChkdB->isChecked(),
                           .db = const_cast<Decibels*>(&decibels),
                           .impedanceText = stores.SettingGet("frmDeciBels", "dBm", ""),
                           .stamps = &formats};
}

void MainWindow::mPrintGraph_Click() {
    if (!printRange) {
        printRange = std::make_unique<PrintGraphDialog>();
        printRange->Form_Load(RecordCount());
        ApplyDialogPlacement(printRange.get(), "frmPrintRange");
        connect(printRange.get(), &PrintGraphDialog::scalingWanted, this, [this] {
            printRange->setEnabled(false);
            mScaling_Click();
        });
        printRange->Picbox->onResized = [this] { DrawPrintPreview(); };
        connect(printRange.get(), &PrintGraphDialog::previewWanted, this, &MainWindow::DrawPrintPreview);
        connect(printRange.get(), &PrintGraphDialog::printWanted, this, &MainWindow::PrintGraphOnPrinter);
        connect(printRange.get(), &PrintGraphDialog::closed, this, [this](bool closeBox) {
            // Printing left the recording, statistics and graph range as they were; the main
            // window is only drawn afresh.
            if (closeBox) {
                ShowPanel();
                RefreshCounters();
                DrawTrendGraph();
            }
            CloseDialog(printRange.get(), "frmPrintRange");
        });
    }
    setEnabled(false);
    printRange->show();
    printRange->raise();
    DrawPrintPreview();
}

void MainWindow::DrawPrintPreview() {
    if (!printRange || !printRange->isVisible()) return;
    PrintGraphChoices choices = printRange->Choices();
    QImage& image = printRange->Picbox->Image();
    if (image.isNull()) return;
    {
        QPainter painter(&image);
        QtDrawingSurface box(painter, QRectF(image.rect()), Qt::white);
        // A range without readings leaves the preview empty.
        box.Clear();
        printedGraph.DrawPrintGraph(box, choices.weight, true, choices, PrintInput(), nullptr);
    }
    printRange->ShowChoices(choices);
    printRange->Picbox->Refresh();
}

void MainWindow::PrintGraphOnPrinter() {
    PrintGraphChoices choices = printRange->Choices();
    Printers& printers = PrinterSet();
    std::string start = choices.Text1;
    const bool anything =
        PrintedGraph::ChoosePrintRange(choices.allData, start, choices.Text2, RecordCount(), nullptr)
            .has_value();
    if (anything) {
        // Without a printer, or with a PDF file as the printer in hand, the graph goes into a
        // file named here, so that no file is written over unasked.
        if (printers.PrintsToFile() &&
            !ChoosePrintFile(*ctx.fileDialogs, printers, recording->store.RecordingFile))
            return;
        const std::string problem = printers.OutputProblem();
        if (!problem.empty()) {
            ctx.messages->ShowMessage(kPrintFailedMessage + "\r\n" + problem, MessageKind::Error);
            return;
        }
    }
    printRange->setEnabled(false);
    printRange->cmdStart->setEnabled(false);
    {
        QtPrinter printer(printers.Device(), printers.DocumentsShareOneFile());
        printedGraph.PrintOnPrinter(printer, choices, PrintInput(), *ctx.messages);
    }
    printRange->ShowChoices(choices);
    printRange->setEnabled(true);
    printRange->cmdStart->setEnabled(true);
}

void MainWindow::mPrintScreen_Click() {
    Printers& printers = PrinterSet();
    QPrinter& device = printers.Device();
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageOrientation(QPageLayout::Portrait);
    PrinterDialogRequest request;
    request.title = "Print Resport";
    if (!printers.ChoosePrinter(request, this)) return;
    const std::string problem = printers.OutputProblem();
    if (!problem.empty()) {
        ctx.messages->ShowMessage(kScreenFailedMessage + "\r\n" + problem, MessageKind::Error);
        return;
    }

    const QPixmap shot = grab();
    QPainter painter;
    if (!painter.begin(&device)) {
        ctx.messages->ShowMessage(kScreenFailedMessage, MessageKind::Error);
        return;
    }
    // The whole window on the page, as large as it fits, in its own proportions.
    const QRect page = painter.viewport();
    QSize size = shot.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.drawPixmap(QRect(page.topLeft(), size), shot);
    if (!painter.end()) ctx.messages->ShowMessage(kScreenFailedMessage, MessageKind::Error);
}

void MainWindow::mPrtReport_Click() {
    // Only a running recording is stopped: stopping an idle one would mark its rows unsaved.
    if (acquisition->IsRecording()) CmdStop_Click();
    if (!report) {
        report = std::make_unique<ReportWindow>(stores, PrinterSet(), *ctx.messages, *ctx.clock);
        ApplyDialogPlacement(report.get(), "frmReport");
        ApplyDialogPlacement(report->title, "frmTitle");
        report->progressShown = [this](const std::string& caption) {
            recording->StartProgress(caption, recording->store.RecordingFile, true);
        };
        report->progress = [this](int done, int total) { recording->ShowFileProgress(done, total); };
        report->progressEnded = [this] { recordingView->HideProgress(); };
        connect(report->title, &ReportTitleDialog::closed, this,
                [this] { SaveDialogPlacement(report->title, "frmTitle"); });
        connect(report.get(), &ReportWindow::closed, this, [this] { CloseDialog(report.get(), "frmReport"); });
    }
    setEnabled(false);
    report->ReadListData(recording->report, recording->store, formats, stats.Vmax, stats.Vmin);
    report->show();
    report->raise();
}

}  // namespace voltaro
