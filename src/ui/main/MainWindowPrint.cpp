#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPushButton>

#include "base/FileDialogs.h"
#include "base/Messages.h"
#include "ui/widgets/PictureBox.h"
#include "ui/main/DialogHost.h"
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
                           .decibels = decibelsBox->isChecked(),
                           .db = const_cast<Decibels*>(&decibels),
                           .impedanceText = stores.SettingGet("frmDeciBels", "dBm", ""),
                           .stamps = &formats};
}

void MainWindow::PrintScreen() {
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

void MainWindow::PrintReport() {
    // Only a running recording is stopped: stopping an idle one would mark its rows unsaved.
    if (acquisition->IsRecording()) StopClicked();
    dialogs->ShowReport();
}

}  // namespace voltaro
