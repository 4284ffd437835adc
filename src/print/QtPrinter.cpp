#include "print/QtPrinter.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>

namespace voltaro {

QtPrinter::QtPrinter(QPagedPaintDevice& device, bool documentsShareOneFile, double marginMm)
    : device_(device), oneFile_(documentsShareOneFile), marginMm_(marginMm) {
    ApplyLayout();
}

QtPrinter::~QtPrinter() {
    Finish();
}

void QtPrinter::ApplyLayout() {
    QPageLayout layout = device_.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    layout.setOrientation(orientation_ == PageOrientation::Portrait ? QPageLayout::Portrait
                                                                    : QPageLayout::Landscape);
    layout.setMinimumMargins(QMarginsF());
    layout.setMargins(QMarginsF(marginMm_, marginMm_, marginMm_, marginMm_));
    device_.setPageLayout(layout);
}

void QtPrinter::SetOrientation(PageOrientation orientation) {
    orientation_ = orientation;
    if (!pageOpen_) ApplyLayout();
}

void QtPrinter::SetPaperA4() {
    if (!pageOpen_) device_.setPageSize(QPageSize(QPageSize::A4));
}

DrawingSurface& QtPrinter::Page() {
    if (!pageOpen_) {
        if (!painter_.isActive()) {
            ok_ = painter_.begin(&device_) && ok_;
        } else {
            ApplyLayout();
            ok_ = device_.newPage() && ok_;
        }
        surface_.reset();
        QRectF area(0, 0, device_.width(), device_.height());
        surface_ = std::make_unique<QtDrawingSurface>(painter_, area, Qt::white);
        pageOpen_ = true;
        ++pages_;
    }
    return *surface_;
}

void QtPrinter::NewPage() {
    pageOpen_ = false;
}

void QtPrinter::EndDoc() {
    if (!pageOpen_ && !painter_.isActive()) return;
    pageOpen_ = false;
    if (!oneFile_) {
        surface_.reset();
        ok_ = painter_.end() && ok_;
    }
}

bool QtPrinter::Finish() {
    surface_.reset();
    pageOpen_ = false;
    if (painter_.isActive()) ok_ = painter_.end() && ok_;
    return ok_;
}

}  // namespace voltaro
