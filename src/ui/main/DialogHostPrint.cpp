// The print commands' dialogs: the printed graph with its preview, and the report.
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPushButton>

#include "base/FileDialogs.h"
#include "base/Messages.h"
#include "display/QtDrawingSurface.h"
#include "print/QtPrinter.h"
#include "ui/main/DialogHost.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MainWindowViews.h"
#include "ui/print/PrintGraphDialog.h"
#include "ui/print/QtPrinters.h"
#include "ui/print/ReportTitleDialog.h"
#include "ui/print/ReportWindow.h"
#include "ui/widgets/PictureBox.h"

namespace voltaro {

namespace {

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

void DialogHost::ShowPrintGraph() {
    if (!printRange) {
        printRange = std::make_unique<PrintGraphDialog>();
        printRange->Form_Load(w_.RecordCount());
        Place(printRange.get(), "frmPrintRange");
        connect(printRange.get(), &PrintGraphDialog::scalingWanted, this, [this] {
            printRange->setEnabled(false);
            ShowScaling();
        });
        printRange->Picbox->onResized = [this] { DrawPrintPreview(); };
        connect(printRange.get(), &PrintGraphDialog::previewWanted, this, &DialogHost::DrawPrintPreview);
        connect(printRange.get(), &PrintGraphDialog::printWanted, this, &DialogHost::PrintGraphOnPrinter);
        connect(printRange.get(), &PrintGraphDialog::closed, this, [this](bool closeBox) {
            // Printing left the recording, statistics and graph range as they were; the main
            // window is only drawn afresh.
            if (closeBox) {
                w_.ShowPanel();
                w_.RefreshCounters();
                w_.DrawTrendGraph();
            }
            Close(printRange.get(), "frmPrintRange");
        });
    }
    w_.setEnabled(false);
    printRange->show();
    printRange->raise();
    DrawPrintPreview();
}

void DialogHost::DrawPrintPreview() {
    if (!printRange || !printRange->isVisible()) return;
    PrintGraphChoices choices = printRange->Choices();
    QImage& image = printRange->Picbox->Image();
    if (image.isNull()) return;
    {
        QPainter painter(&image);
        QtDrawingSurface box(painter, QRectF(image.rect()), Qt::white);
        // A range without readings leaves the preview empty.
        box.Clear();
        printedGraph.DrawPrintGraph(box, choices.weight, true, choices, w_.PrintInput(), nullptr);
    }
    printRange->ShowChoices(choices);
    printRange->Picbox->Refresh();
}

void DialogHost::PrintGraphOnPrinter() {
    PrintGraphChoices choices = printRange->Choices();
    Printers& printers = w_.PrinterSet();
    std::string start = choices.Text1;
    const bool anything =
        PrintedGraph::ChoosePrintRange(choices.allData, start, choices.Text2, w_.RecordCount(), nullptr)
            .has_value();
    if (anything) {
        // Without a printer, or with a PDF file as the printer in hand, the graph goes into a
        // file named here, so that no file is written over unasked.
        if (printers.PrintsToFile() &&
            !ChoosePrintFile(*w_.ctx.fileDialogs, printers, w_.recording->store.RecordingFile))
            return;
        const std::string problem = printers.OutputProblem();
        if (!problem.empty()) {
            w_.ctx.messages->ShowMessage(kPrintFailedMessage + "\r\n" + problem, MessageKind::Error);
            return;
        }
    }
    printRange->setEnabled(false);
    printRange->cmdStart->setEnabled(false);
    {
        QtPrinter printer(printers.Device(), printers.DocumentsShareOneFile());
        printedGraph.PrintOnPrinter(printer, choices, w_.PrintInput(), *w_.ctx.messages);
    }
    printRange->ShowChoices(choices);
    printRange->setEnabled(true);
    printRange->cmdStart->setEnabled(true);
}

void DialogHost::ShowReport() {
    if (!report) {
        report = std::make_unique<ReportWindow>(w_.stores, w_.PrinterSet(), *w_.ctx.messages, *w_.ctx.clock);
        Place(report.get(), "frmReport");
        Place(report->title, "frmTitle");
        report->progressShown = [this](const std::string& caption) {
            w_.recording->StartProgress(caption, w_.recording->store.RecordingFile, true);
        };
        report->progress = [this](int done, int total) { w_.recording->ShowFileProgress(done, total); };
        report->progressEnded = [this] { w_.recordingView->HideProgress(); };
        connect(report->title, &ReportTitleDialog::closed, this,
                [this] { SavePlacement(report->title, "frmTitle"); });
        connect(report.get(), &ReportWindow::closed, this, [this] { Close(report.get(), "frmReport"); });
    }
    w_.setEnabled(false);
    report->ReadListData(w_.recording->report, w_.recording->store, w_.formats, w_.stats.Vmax, w_.stats.Vmin);
    report->show();
    report->raise();
}

}  // namespace voltaro
