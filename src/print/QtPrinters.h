#pragma once

#include "print/Printers.h"

namespace voltaro {

// The system's printers through the platform's printer dialog.
class QtPrinters : public Printers {
public:
    QtPrinters() : printer_(QPrinter::HighResolution) {}
    bool ChoosePrinter(PrinterDialogRequest& request, QWidget* parent) override;
    QPrinter& Device() override { return printer_; }

private:
    QPrinter printer_;
};

}  // namespace voltaro
