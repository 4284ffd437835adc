#include "ui/widgets/Icons.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace voltaro {

namespace {

void DrawDiode(QPainter& p, const QRectF& r) {
    const double midY = r.center().y();
    const double h = r.height() * 0.7;
    const double x0 = r.left() + r.width() * 0.3;
    const double x1 = r.left() + r.width() * 0.62;
    p.drawLine(QPointF(r.left() + 2, midY), QPointF(r.right() - 2, midY));
    QPainterPath tri;
    tri.moveTo(x0, midY - h / 2);
    tri.lineTo(x0, midY + h / 2);
    tri.lineTo(x1, midY);
    tri.closeSubpath();
    p.fillPath(tri, Qt::black);
    p.drawLine(QPointF(x1, midY - h / 2), QPointF(x1, midY + h / 2));
}

void DrawContinuity(QPainter& p, const QRectF& r) {
    const double h = r.height();
    const double midY = r.center().y();
    const double x = r.left() + r.width() * 0.12;
    QPainterPath speaker;
    speaker.moveTo(x, midY - h * 0.15);
    speaker.lineTo(x + h * 0.25, midY - h * 0.15);
    speaker.lineTo(x + h * 0.5, midY - h * 0.4);
    speaker.lineTo(x + h * 0.5, midY + h * 0.4);
    speaker.lineTo(x + h * 0.25, midY + h * 0.15);
    speaker.lineTo(x, midY + h * 0.15);
    speaker.closeSubpath();
    p.fillPath(speaker, Qt::black);
    for (int i = 1; i <= 3; ++i) {
        const double rad = h * 0.18 * i;
        p.drawArc(QRectF(x + h * 0.5 - rad, midY - rad, 2 * rad, 2 * rad), -45 * 16, 90 * 16);
    }
}

}  // namespace

QPixmap FunctionPicture(int number, QSize size) {
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    if (number != 1 && number != 2) return pm;
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    const QRectF r(0, 0, size.width(), size.height());
    if (number == 1)
        DrawDiode(p, r);
    else
        DrawContinuity(p, r);
    return pm;
}

QPixmap LogoPicture(QSize size) {
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(1, 1, size.width() - 2, size.height() - 2);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(255, 214, 0));
    g.setColorAt(1, QColor(230, 150, 0));
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(g);
    p.drawRoundedRect(r, 6, 6);
    // A lightning stroke for the volt, then the name.
    const double s = r.height();
    QPainterPath bolt;
    bolt.moveTo(r.left() + s * 0.42, r.top() + s * 0.12);
    bolt.lineTo(r.left() + s * 0.18, r.top() + s * 0.55);
    bolt.lineTo(r.left() + s * 0.36, r.top() + s * 0.55);
    bolt.lineTo(r.left() + s * 0.26, r.top() + s * 0.9);
    bolt.lineTo(r.left() + s * 0.58, r.top() + s * 0.42);
    bolt.lineTo(r.left() + s * 0.4, r.top() + s * 0.42);
    bolt.closeSubpath();
    p.fillPath(bolt, QColor(30, 30, 30));
    // The name as large as fits beside the stroke.
    const QRectF room = r.adjusted(s * 0.62, 0, -s * 0.08, 0);
    QFont f(QStringLiteral("Arial"));
    f.setBold(true);
    int px = qMax(6, static_cast<int>(s * 0.4));
    for (; px > 6; --px) {
        f.setPixelSize(px);
        if (QFontMetricsF(f).horizontalAdvance(QStringLiteral("VOLTARO")) <= room.width()) break;
    }
    f.setPixelSize(px);
    p.setFont(f);
    p.setPen(QColor(30, 30, 30));
    p.drawText(room, Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("VOLTARO"));
    return pm;
}

}  // namespace voltaro
