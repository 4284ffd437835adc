#pragma once

#include <QPrinter>
#include <QString>
#include <deque>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "print/Printers.h"

namespace voltaro {

// Printers that print into one PDF file, the dialog answered from a script: each answer the
// pages chosen (from, to), or nothing for Cancel. Records every request.
class PdfPrinters : public Printers {
public:
    explicit PdfPrinters(const QString& pdfPath) : printer_(QPrinter::HighResolution) {
        printer_.setOutputFormat(QPrinter::PdfFormat);
        printer_.setOutputFileName(pdfPath);
    }
    bool ChoosePrinter(PrinterDialogRequest& request, QWidget*) override {
        asked.push_back(request);
        if (answers.empty() || !answers.front()) {
            if (!answers.empty()) answers.pop_front();
            return false;
        }
        std::tie(request.fromPage, request.toPage) = *answers.front();
        answers.pop_front();
        return true;
    }
    QPrinter& Device() override { return printer_; }
    // As the system's printer on a machine without any: a PDF printer with no file named.
    void NoPrinterInstalled() {
        printer_.setOutputFileName(QString());
        printer_.setOutputFormat(QPrinter::PdfFormat);
    }

    std::deque<std::optional<std::pair<int, int>>> answers;
    std::vector<PrinterDialogRequest> asked;

private:
    QPrinter printer_;
};

}  // namespace voltaro
