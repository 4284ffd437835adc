#include "print/QtPrinters.h"

#include <QPrintDialog>

namespace voltaro {

bool QtPrinters::ChoosePrinter(PrinterDialogRequest& request, QWidget* parent) {
    QPrintDialog dialog(&printer_, parent);
    dialog.setWindowTitle(QString::fromLatin1(request.title.c_str()));
    // No selection and no printing to a file: only printers are offered.
    QAbstractPrintDialog::PrintDialogOptions options =
        QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintCollateCopies;
    if (request.pages) {
        options |= QAbstractPrintDialog::PrintPageRange;
        dialog.setMinMax(request.minPage, request.maxPage);
        dialog.setFromTo(request.fromPage, request.toPage);
        printer_.setPrintRange(QPrinter::PageRange);
    }
    dialog.setOptions(options);
    if (dialog.exec() != QDialog::Accepted) return false;
    if (request.pages && printer_.printRange() == QPrinter::PageRange && printer_.fromPage() > 0) {
        request.fromPage = printer_.fromPage();
        request.toPage = printer_.toPage();
    } else {
        request.fromPage = request.minPage;
        request.toPage = request.maxPage;
    }
    request.copies = printer_.copyCount();
    return true;
}

}  // namespace voltaro
