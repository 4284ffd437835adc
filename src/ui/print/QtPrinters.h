#pragma once

#include <memory>

#include "print/Printers.h"

namespace voltaro {

// The system's printers through the platform's printer dialog. The printer is looked up on
// first use, so that a slow print service never delays the program's start.
class QtPrinters : public Printers {
public:
    bool ChoosePrinter(PrinterDialogRequest& request, QWidget* parent) override;
    QPrinter& Device() override;

private:
    std::unique_ptr<QPrinter> printer_;
};

}  // namespace voltaro
