#include "ui/widgets/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace voltaro {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    image_ = QImage(QSize(1, 1), QImage::Format_RGB32);
    image_.fill(Qt::white);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, image_);
}

void PictureBox::resizeEvent(QResizeEvent*) {
    const QSize s = size().expandedTo(QSize(1, 1));
    if (image_.size() != s) {
        image_ = QImage(s, QImage::Format_RGB32);
        image_.fill(palette().color(QPalette::Base));
    }
    if (onResized) onResized();
}

void PictureBox::mousePressEvent(QMouseEvent* e) {
    emit mouseDown(e->button(), e->position());
}

}  // namespace voltaro
