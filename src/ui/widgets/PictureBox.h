#pragma once

#include <QImage>
#include <QLabel>
#include <QWidget>
#include <functional>

namespace voltaro {

// A picture box that keeps its drawing: the drawing routines paint into the image, and the
// widget shows the image whenever it is exposed, so nothing is redrawn on every expose.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The backing image, sized to the widget. Call Refresh() after drawing into it.
    QImage& Image() { return image_; }
    void Refresh() { update(); }

    // Runs after every change of size, once the image has its new size.
    std::function<void()> onResized;

signals:
    void mouseDown(Qt::MouseButton button, QPointF pos);

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    QImage image_;
};

// A label that reports clicks (the logo opens the communications test).
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent*) override { emit clicked(); }
};

}  // namespace voltaro
