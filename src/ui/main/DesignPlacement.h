#pragma once

#include <QFont>
#include <QLabel>
#include <QRect>
#include <QString>
#include <QVariant>
#include <QWidget>

#include "app/Layout.h"

namespace voltaro {

// Twips per pixel of the design (96 dots per inch).
inline constexpr int kTwipsPerPixel = 15;

// The pixel rectangle of a design rectangle given in twips.
inline QRect TwipsToPixels(int left, int top, int width, int height) {
    auto px = [](int t) { return (t + kTwipsPerPixel / 2) / kTwipsPerPixel; };
    return QRect(px(left), px(top), px(width), px(height));
}

inline const char* const kSansFace = "Arial";
inline const char* const kSerifFace = "Times New Roman";

// Puts a control at its design place (twips) with its design font size (points).
template <typename W>
W* Place(W* w, const char* name, int left, int top, int width, int height, double points,
         const char* face = kSansFace, bool bold = false) {
    w->setObjectName(QString::fromLatin1(name));
    w->setGeometry(TwipsToPixels(left, top, width, height));
    // The design, which the proportional layout always scales from.
    w->setProperty("designTwips", QRect(left, top, width, height));
    w->setProperty("designFont", points);
    QFont f(QString::fromLatin1(face));
    f.setPointSizeF(points);
    f.setBold(bold);
    w->setFont(f);
    return w;
}

inline QLabel* NewLabel(QWidget* parent, const char* caption = "") {
    auto* l = new QLabel(QString::fromLatin1(caption), parent);
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return l;
}

// A window's placement and size in twips.
inline Placement PlacementOf(const QWidget* w) {
    const QRect g = w->geometry();
    return {g.width() * kTwipsPerPixel, g.height() * kTwipsPerPixel, g.y() * kTwipsPerPixel,
            g.x() * kTwipsPerPixel};
}

inline WindowState StateOf(const QWidget* w) {
    if (w->isMinimized()) return WindowState::Minimised;
    if (w->isMaximized()) return WindowState::Maximised;
    return WindowState::Normal;
}

}  // namespace voltaro
