#pragma once

#include <QFile>
#include <QPrinter>
#include <string>

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

}  // namespace voltaro
