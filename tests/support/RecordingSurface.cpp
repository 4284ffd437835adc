#include "support/RecordingSurface.h"

namespace voltaro {

RecordingSurface::RecordingSurface(double widthPixels, double heightPixels, Colour back, double charPixels,
                                   double linePixels)
    : widthPixels_(widthPixels),
      heightPixels_(heightPixels),
      back_(back),
      charPixels_(charPixels),
      linePixels_(linePixels),
      x2_(widthPixels),
      y2_(heightPixels) {}

DrawnOp RecordingSurface::Make(SurfaceOp op, Colour colour) const {
    DrawnOp d;
    d.op = op;
    d.colour = colour;
    d.pen = pen_;
    d.style = style_;
    d.typeface = typeface_;
    d.points = points_;
    d.bold = bold_;
    return d;
}

void RecordingSurface::Clear() {
    ops.push_back(Make(SurfaceOp::Clear, back_));
    cx_ = x1_;
    cy_ = y1_;
}

void RecordingSurface::SetScale(double x1, double y1, double x2, double y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
}

void RecordingSurface::SetPixelScale() {
    SetScale(0, 0, widthPixels_, heightPixels_);
}

void RecordingSurface::Line(double x1, double y1, double x2, double y2, Colour colour) {
    DrawnOp d = Make(SurfaceOp::Line, colour);
    d.x1 = x1, d.y1 = y1, d.x2 = x2, d.y2 = y2;
    ops.push_back(d);
    cx_ = x2;
    cy_ = y2;
}

void RecordingSurface::LineTo(double x, double y, Colour colour) {
    DrawnOp d = Make(SurfaceOp::LineTo, colour);
    d.x1 = cx_, d.y1 = cy_, d.x2 = x, d.y2 = y;
    ops.push_back(d);
    cx_ = x;
    cy_ = y;
}

void RecordingSurface::Dot(double x, double y, Colour colour) {
    DrawnOp d = Make(SurfaceOp::Dot, colour);
    d.x1 = x, d.y1 = y;
    ops.push_back(d);
    cx_ = x;
    cy_ = y;
}

void RecordingSurface::FillBox(double x1, double y1, double x2, double y2, Colour colour) {
    DrawnOp d = Make(SurfaceOp::FillBox, colour);
    d.x1 = x1, d.y1 = y1, d.x2 = x2, d.y2 = y2;
    ops.push_back(d);
    cx_ = x2;
    cy_ = y2;
}

void RecordingSurface::OutlineBox(double x1, double y1, double x2, double y2, Colour colour) {
    DrawnOp d = Make(SurfaceOp::OutlineBox, colour);
    d.x1 = x1, d.y1 = y1, d.x2 = x2, d.y2 = y2;
    ops.push_back(d);
    cx_ = x2;
    cy_ = y2;
}

void RecordingSurface::SetPos(double x, double y) {
    cx_ = x;
    cy_ = y;
}

double RecordingSurface::TextWidth(const std::string& text) const {
    return static_cast<double>(text.size()) * charPixels_ * (x2_ - x1_) / widthPixels_;
}

double RecordingSurface::TextHeight(const std::string&) const {
    return linePixels_ * (y2_ - y1_) / heightPixels_;
}

void RecordingSurface::Print(const std::string& text) {
    DrawnOp d = Make(SurfaceOp::Print, textColour_);
    d.x1 = cx_, d.y1 = cy_;
    d.text = text;
    ops.push_back(d);
    cx_ += TextWidth(text);
}

void RecordingSurface::NewLine() {
    ops.push_back(Make(SurfaceOp::NewLine, textColour_));
    cx_ = x1_;
    cy_ += TextHeight("0");
}

std::vector<DrawnOp> RecordingSurface::Of(SurfaceOp op) const {
    std::vector<DrawnOp> out;
    for (const DrawnOp& d : ops)
        if (d.op == op) out.push_back(d);
    return out;
}

std::vector<std::string> RecordingSurface::Texts() const {
    std::vector<std::string> out;
    for (const DrawnOp& d : ops)
        if (d.op == SurfaceOp::Print) out.push_back(d.text);
    return out;
}

}  // namespace voltaro
