#include "ui/print/QtPrinters.h"

#include <QPrintDialog>

namespace voltaro {

QPrinter& QtPrinters::Device() {
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer_;
}

bool QtPrinters::ChoosePrinter(PrinterDialogRequest& request, QWidget* parent) {
    QPrinter& printer = Device();
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QString::fromLatin1(request.title.c_str()));
    // No selection. Printing to a PDF file is always offered, so that a machine without a
    // printer can print too.
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintShowPageSize |
                                                       QAbstractPrintDialog::PrintCollateCopies |
                                                       QAbstractPrintDialog::PrintToFile;
    if (request.pages) {
        options |= QAbstractPrintDialog::PrintPageRange;
        dialog.setMinMax(request.minPage, request.maxPage);
        dialog.setFromTo(request.fromPage, request.toPage);
        printer.setPrintRange(QPrinter::PageRange);
    }
    dialog.setOptions(options);
    if (dialog.exec() != QDialog::Accepted) return false;
    if (request.pages && printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        request.fromPage = printer.fromPage();
        request.toPage = printer.toPage();
    } else {
        request.fromPage = request.minPage;
        request.toPage = request.maxPage;
    }
    request.copies = printer.copyCount();
    return true;
}

}  // namespace voltaro
