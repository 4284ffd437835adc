#include "print/QtPrinter.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>

namespace voltaro {

namespace {

// The page of a printer that refused it: draws nothing, measures nothing.
class DiscardSurface : public DrawingSurface {
public:
    void Clear() override { cx_ = cy_ = 0; }
    void SetScale(double, double, double, double) override {}
    void SetPixelScale() override {}
    double ScaleWidth() const override { return 0; }
    double ScaleHeight() const override { return 0; }
    Colour BackColour() const override { return kWhite; }
    void SetPenWidth(int) override {}
    void SetLineStyle(LineStyle) override {}
    void Line(double, double, double, double, Colour) override {}
    void LineTo(double x, double y, Colour) override { SetPos(x, y); }
    void Dot(double x, double y, Colour) override { SetPos(x, y); }
    void FillBox(double, double, double, double, Colour) override {}
    void OutlineBox(double, double, double, double, Colour) override {}
    void SetPos(double x, double y) override { cx_ = x, cy_ = y; }
    double CurrentX() const override { return cx_; }
    double CurrentY() const override { return cy_; }
    double TextWidth(const std::string&) const override { return 0; }
    double TextHeight(const std::string&) const override { return 0; }
    void Print(const std::string&) override {}
    void NewLine() override { cx_ = 0; }
    void SetTypeface(const std::string&) override {}
    void SetFontSize(double) override {}
    void SetBold(bool) override {}
    void SetTextColour(Colour) override {}

private:
    double cx_ = 0, cy_ = 0;
};

}  // namespace

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
        surface_.reset();
        if (ok_) {
            if (!painter_.isActive()) {
                ok_ = painter_.begin(&device_);
            } else {
                ApplyLayout();
                ok_ = device_.newPage();
            }
        }
        pageOpen_ = true;
        ++pages_;
        if (ok_ && painter_.isActive()) {
            QRectF area(0, 0, device_.width(), device_.height());
            surface_ = std::make_unique<QtDrawingSurface>(painter_, area, Qt::white);
        } else {
            ok_ = false;
        }
    }
    if (surface_) return *surface_;
    if (!discard_) discard_ = std::make_unique<DiscardSurface>();
    return *discard_;
}

void QtPrinter::NewPage() {
    pageOpen_ = false;
}

void QtPrinter::EndDoc() {
    if (!pageOpen_ && !painter_.isActive()) return;
    pageOpen_ = false;
    if (!oneFile_) {
        surface_.reset();
        if (painter_.isActive()) ok_ = painter_.end() && ok_;
    }
}

bool QtPrinter::Finish() {
    surface_.reset();
    pageOpen_ = false;
    if (painter_.isActive()) ok_ = painter_.end() && ok_;
    return ok_;
}

}  // namespace voltaro
