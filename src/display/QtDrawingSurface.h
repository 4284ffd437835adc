#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>

#include "display/DrawingSurface.h"

namespace voltaro {

// The text a person should see for single-byte text printed in the typeface "typeface":
// Latin-1 as it is, and in "symbol" the letters as the Greek ones that face shows ("m" is mu,
// "W" is capital omega).
QString ScreenText(const std::string& text, const std::string& typeface);

// The font a named typeface stands for on this machine: "Arial" is Liberation Sans, "Times New
// Roman" Liberation Serif; "symbol" is shown in the sans face with real Greek letters.
QFont FontFor(const std::string& typeface, double points, bool bold);

// Draws through a QPainter on whatever it paints: a widget (inside its paint event), a QImage,
// or a QPrinter / QPdfWriter page. The user coordinate system spans `area`, given in the
// device's own coordinates; for a printer that is its printable page.
class QtDrawingSurface : public DrawingSurface {
public:
    QtDrawingSurface(QPainter& painter, const QRectF& area, QColor background = Qt::white);
    ~QtDrawingSurface() override;
    QtDrawingSurface(const QtDrawingSurface&) = delete;
    QtDrawingSurface& operator=(const QtDrawingSurface&) = delete;

    void Clear() override;
    void SetScale(double x1, double y1, double x2, double y2) override;
    void SetPixelScale() override;
    double ScaleWidth() const override { return x2_ - x1_; }
    double ScaleHeight() const override { return y2_ - y1_; }
    Colour BackColour() const override;

    void SetPenWidth(int pixels) override { pen_ = pixels; }
    void SetLineStyle(LineStyle style) override { style_ = style; }
    void Line(double x1, double y1, double x2, double y2, Colour colour) override;
    void LineTo(double x, double y, Colour colour) override;
    void Dot(double x, double y, Colour colour) override;
    void FillBox(double x1, double y1, double x2, double y2, Colour colour) override;
    void OutlineBox(double x1, double y1, double x2, double y2, Colour colour) override;

    void SetPos(double x, double y) override;
    double CurrentX() const override { return cx_; }
    double CurrentY() const override { return cy_; }
    double TextWidth(const std::string& text) const override;
    double TextHeight(const std::string& text) const override;
    void Print(const std::string& text) override;
    void NewLine() override;

    void SetTypeface(const std::string& name) override;
    void SetFontSize(double points) override;
    void SetBold(bool bold) override;
    void SetTextColour(Colour colour) override { textColour_ = colour; }

private:
    QPointF Map(double x, double y) const;
    QPen PenOf(Colour colour) const;
    void UpdateFont();

    QPainter& painter_;
    QRectF area_;
    QColor background_;
    double x1_ = 0, y1_ = 0, x2_, y2_;
    double cx_ = 0, cy_ = 0;
    int pen_ = 1;
    LineStyle style_ = LineStyle::Solid;
    std::string typeface_ = "Arial";
    double points_ = 8;
    bool bold_ = false;
    QFont font_;
    Colour textColour_ = kBlack;
};

}  // namespace voltaro
