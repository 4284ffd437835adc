#pragma once

#include <string>
#include <vector>

#include "display/DrawingSurface.h"

namespace voltaro {

enum class SurfaceOp { Clear, Line, LineTo, Dot, FillBox, OutlineBox, Print, NewLine };

// One drawing operation as it was asked for, with the pen, style and type in force.
struct DrawnOp {
    SurfaceOp op = SurfaceOp::Clear;
    double x1 = 0, y1 = 0;  // Line, LineTo: start; Dot, Print: position; boxes: a corner
    double x2 = 0, y2 = 0;  // Line, LineTo: end; boxes: the opposite corner
    Colour colour;          // Print: the text colour
    int pen = 1;
    LineStyle style = LineStyle::Solid;
    std::string text;
    std::string typeface;
    double points = 0;
    bool bold = false;
};

// A surface that draws nothing and logs every operation, for checks of geometry and colour.
// Text is measured as a fixed number of pixels per character and per line, so that tests can
// compute where a text must stand.
class RecordingSurface : public DrawingSurface {
public:
    RecordingSurface(double widthPixels = 1200, double heightPixels = 1200, Colour back = kWhite,
                     double charPixels = 6, double linePixels = 12);

    void Clear() override;
    void SetScale(double x1, double y1, double x2, double y2) override;
    void SetPixelScale() override;
    double ScaleWidth() const override { return x2_ - x1_; }
    double ScaleHeight() const override { return y2_ - y1_; }
    Colour BackColour() const override { return back_; }

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

    void SetTypeface(const std::string& name) override { typeface_ = name; }
    void SetFontSize(double points) override { points_ = points; }
    void SetBold(bool bold) override { bold_ = bold; }
    void SetTextColour(Colour colour) override { textColour_ = colour; }

    // Operations of one kind, in the order they were drawn.
    std::vector<DrawnOp> Of(SurfaceOp op) const;
    // The printed texts, in order.
    std::vector<std::string> Texts() const;

    std::vector<DrawnOp> ops;

private:
    DrawnOp Make(SurfaceOp op, Colour colour) const;

    double widthPixels_, heightPixels_;
    Colour back_;
    double charPixels_, linePixels_;
    double x1_ = 0, y1_ = 0, x2_, y2_;
    double cx_ = 0, cy_ = 0;
    int pen_ = 1;
    LineStyle style_ = LineStyle::Solid;
    std::string typeface_ = "Arial";
    double points_ = 8;
    bool bold_ = false;
    Colour textColour_ = kBlack;
};

}  // namespace voltaro
