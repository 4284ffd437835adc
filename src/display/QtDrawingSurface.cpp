#include "display/QtDrawingSurface.h"

#include <QFontMetricsF>
#include <QPen>
#include <algorithm>
#include <cctype>

namespace voltaro {

namespace {

QColor ToQt(Colour c) {
    return QColor(c.r, c.g, c.b);
}

bool IsSymbolFace(const std::string& typeface) {
    std::string lower = typeface;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return std::tolower(c); });
    return lower == "symbol";
}

// The Greek letters that the symbol face puts on the Latin letter keys.
constexpr char16_t kSymbolUpper[] = u"ΑΒΧΔΕΦΓΗΙϑΚΛΜΝΟΠΘΡΣΤΥςΩΞΨΖ";
constexpr char16_t kSymbolLower[] = u"αβχδεφγηιϕκλμνοπθρστυϖωξψζ";

}  // namespace

QString ScreenText(const std::string& text, const std::string& typeface) {
    QString out = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    if (!IsSymbolFace(typeface)) return out;
    for (QChar& ch : out) {
        char16_t c = ch.unicode();
        if (c >= u'A' && c <= u'Z') ch = QChar(kSymbolUpper[c - u'A']);
        if (c >= u'a' && c <= u'z') ch = QChar(kSymbolLower[c - u'a']);
    }
    return out;
}

QFont FontFor(const std::string& typeface, double points, bool bold) {
    QString family = IsSymbolFace(typeface) ? QStringLiteral("Arial") : QString::fromLatin1(typeface.c_str());
    QFont font(family);
    // The design's faces are metric twins of the Liberation faces; say so, so that a machine
    // without an alias for them still picks the same widths.
    if (family.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0)
        font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    else if (family.compare(QLatin1String("Times New Roman"), Qt::CaseInsensitive) == 0)
        font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    font.setPointSizeF(points > 0 ? points : 1);
    font.setBold(bold);
    return font;
}

QtDrawingSurface::QtDrawingSurface(QPainter& painter, const QRectF& area, QColor background)
    : painter_(painter), area_(area), background_(background), x2_(area.width()), y2_(area.height()) {
    painter_.save();
    painter_.setClipRect(area_);
    // Geometry stays pixel-exact as on the screen; only text is smoothed.
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    UpdateFont();
}

QtDrawingSurface::~QtDrawingSurface() {
    painter_.restore();
}

QPointF QtDrawingSurface::Map(double x, double y) const {
    double w = x2_ - x1_, h = y2_ - y1_;
    double px = w != 0 ? (x - x1_) * area_.width() / w : 0;
    double py = h != 0 ? (y - y1_) * area_.height() / h : 0;
    return {area_.left() + px, area_.top() + py};
}

QPen QtDrawingSurface::PenOf(Colour colour) const {
    // Width 1 is the thinnest line the device can draw, also on a fine printer.
    QPen pen(ToQt(colour), pen_ <= 1 ? 0 : pen_);
    pen.setStyle(style_ == LineStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void QtDrawingSurface::Clear() {
    painter_.fillRect(area_, background_);
    cx_ = x1_;
    cy_ = y1_;
}

void QtDrawingSurface::SetScale(double x1, double y1, double x2, double y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
}

void QtDrawingSurface::SetPixelScale() {
    SetScale(0, 0, area_.width(), area_.height());
}

Colour QtDrawingSurface::BackColour() const {
    return Colour{static_cast<uint8_t>(background_.red()), static_cast<uint8_t>(background_.green()),
                  static_cast<uint8_t>(background_.blue())};
}

void QtDrawingSurface::Line(double x1, double y1, double x2, double y2, Colour colour) {
    painter_.setPen(PenOf(colour));
    painter_.drawLine(Map(x1, y1), Map(x2, y2));
    cx_ = x2;
    cy_ = y2;
}

void QtDrawingSurface::LineTo(double x, double y, Colour colour) {
    Line(cx_, cy_, x, y, colour);
}

void QtDrawingSurface::Dot(double x, double y, Colour colour) {
    QPointF c = Map(x, y);
    if (pen_ <= 1) {
        painter_.setPen(QPen(ToQt(colour), 0));
        painter_.drawPoint(c);
    } else {
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(ToQt(colour));
        painter_.drawEllipse(c, pen_ / 2.0, pen_ / 2.0);
        painter_.setBrush(Qt::NoBrush);
    }
    cx_ = x;
    cy_ = y;
}

void QtDrawingSurface::FillBox(double x1, double y1, double x2, double y2, Colour colour) {
    painter_.fillRect(QRectF(Map(x1, y1), Map(x2, y2)).normalized(), ToQt(colour));
    cx_ = x2;
    cy_ = y2;
}

void QtDrawingSurface::OutlineBox(double x1, double y1, double x2, double y2, Colour colour) {
    painter_.setPen(PenOf(colour));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRectF(Map(x1, y1), Map(x2, y2)).normalized());
    cx_ = x2;
    cy_ = y2;
}

void QtDrawingSurface::SetPos(double x, double y) {
    cx_ = x;
    cy_ = y;
}

double QtDrawingSurface::TextWidth(const std::string& text) const {
    QFontMetricsF fm(font_, painter_.device());
    double w = x2_ - x1_;
    return area_.width() > 0 ? fm.horizontalAdvance(ScreenText(text, typeface_)) * w / area_.width() : 0;
}

double QtDrawingSurface::TextHeight(const std::string&) const {
    QFontMetricsF fm(font_, painter_.device());
    double h = y2_ - y1_;
    return area_.height() > 0 ? fm.height() * h / area_.height() : 0;
}

void QtDrawingSurface::Print(const std::string& text) {
    QFontMetricsF fm(font_, painter_.device());
    QPointF at = Map(cx_, cy_);
    painter_.setFont(font_);
    painter_.setPen(ToQt(textColour_));
    painter_.drawText(QPointF(at.x(), at.y() + fm.ascent()), ScreenText(text, typeface_));
    cx_ += TextWidth(text);
}

void QtDrawingSurface::NewLine() {
    cy_ += TextHeight("0");
    cx_ = x1_;
}

void QtDrawingSurface::SetTypeface(const std::string& name) {
    typeface_ = name;
    UpdateFont();
}

void QtDrawingSurface::SetFontSize(double points) {
    points_ = points;
    UpdateFont();
}

void QtDrawingSurface::SetBold(bool bold) {
    bold_ = bold;
    UpdateFont();
}

void QtDrawingSurface::UpdateFont() {
    font_ = FontFor(typeface_, points_, bold_);
}

}  // namespace voltaro
