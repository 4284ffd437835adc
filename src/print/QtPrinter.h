#pragma once

#include <QPagedPaintDevice>
#include <QPainter>
#include <memory>

#include "display/QtDrawingSurface.h"
#include "print/Printer.h"

namespace voltaro {

// The printer seam over a QPrinter or a QPdfWriter. A PDF file is one document whatever the
// caller ends, so `EndDoc` there starts a new page of the same file; on a real printer each
// ended document goes out as a job of its own. Once the device has refused a page, every
// later page is drawn nowhere and the printer stays failed.
class QtPrinter : public Printer {
public:
    // margins in millimetres around the printable page.
    QtPrinter(QPagedPaintDevice& device, bool documentsShareOneFile, double marginMm = 10);
    ~QtPrinter() override;

    void SetOrientation(PageOrientation orientation) override;
    void SetPaperA4() override;
    DrawingSurface& Page() override;
    void NewPage() override;
    void EndDoc() override;
    bool Failed() const override { return !ok_; }

    // Ends the last document; true when the device took every page.
    bool Finish();
    int PagesBegun() const { return pages_; }

private:
    void ApplyLayout();

    QPagedPaintDevice& device_;
    bool oneFile_;
    double marginMm_;
    PageOrientation orientation_ = PageOrientation::Portrait;
    QPainter painter_;
    std::unique_ptr<QtDrawingSurface> surface_;
    // Takes the drawing of a page the device refused, so that nothing is drawn into an
    // inactive painter.
    std::unique_ptr<DrawingSurface> discard_;
    bool pageOpen_ = false;
    bool ok_ = true;
    int pages_ = 0;
};

}  // namespace voltaro
