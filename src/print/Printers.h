#pragma once

#include <QFile>
#include <QPrinter>
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "print/OutputFile.h"

class QWidget;

namespace voltaro {

// What a printer dialog offers; the user's choice comes back in it.
struct PrinterDialogRequest {
    std::string title;
    bool pages = false;  // page numbers minPage .. maxPage are offered
    int minPage = 1, maxPage = 1;
    int fromPage = 1, toPage = 1;
    int copies = 1;
};

// The printers the program prints on: the platform's printer dialog, and the printer that the
// printouts draw on.
class Printers {
public:
    virtual ~Printers() = default;
    // Shows the printer dialog; false when it was cancelled.
    virtual bool ChoosePrinter(PrinterDialogRequest& request, QWidget* parent) = 0;
    // The printer chosen last, or the system's default printer before any choice.
    virtual QPrinter& Device() = 0;
    // Every ended document lands in one file: a PDF file takes all pages, a printer takes
    // each document as a job of its own.
    bool DocumentsShareOneFile() {
        return Device().outputFormat() == QPrinter::PdfFormat && !Device().outputFileName().isEmpty();
    }
    // The printer in hand writes a PDF file: the one chosen in the dialog, or none yet where
    // no printer is installed.
    bool PrintsToFile() { return Device().outputFormat() == QPrinter::PdfFormat; }
    // Why the printer in hand cannot take a printout ("" when it can): its PDF file cannot be
    // written, or no file is named.
    std::string OutputProblem() {
        if (!PrintsToFile()) return "";
        return OutputFileProblem(QFile::encodeName(Device().outputFileName()).toStdString());
    }
};

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
