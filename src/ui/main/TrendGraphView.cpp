#include "ui/main/TrendGraphView.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>

#include "display/QtDrawingSurface.h"
#include "display/TrendGraph.h"
#include "ui/main/DesignPlacement.h"
#include "ui/widgets/LabelCaption.h"

namespace voltaro {

namespace {

// Around the white plot area of the trend graph.
const QColor kGraphBackground(236, 236, 236);

}  // namespace

TrendGraphView::TrendGraphView(QWidget* window) : PictureBox(window) {
    Place(this, "PicBox", 60, 3180, 9390, 3585, 8);
    setToolTip(QStringLiteral("Click here"));
    setEnabled(false);
    const int picture2Left[2] = {2670, 720};
    for (int k = 0; k < 2; ++k) {
        auto* box = new QFrame(window);
        box->setFrameShape(QFrame::Box);
        box->setAutoFillBackground(true);
        QPalette pal = box->palette();
        pal.setColor(QPalette::Window, QColor(255, 255, 225));
        box->setPalette(pal);
        readoutBoxes[k] = Place(box, "Picture2", picture2Left[k], 3240, 1932, 1035, 8);
        readoutBoxes[k]->setProperty("index", k);
        for (int j = 0; j < 3; ++j) {
            QLabel*& l = readoutLines[3 * k + j];
            l = Place(NewLabel(box), "Label1", 60, 45 + j * 315, 1812, 300, 8, kSansFace, j == 0);
            l->setProperty("index", 3 * k + j);
        }
        box->setVisible(false);
    }
    graphCursor = Place(new QScrollBar(Qt::Horizontal, window), "HScroll1", 60, 6780, 9390, 240, 8);
    graphCursor->setRange(0, 100);
    graphCursor->setValue(1);
}

void TrendGraphView::Draw(TrendGraph& graph, const TrendGraphInput& in) {
    QImage& image = Image();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QtDrawingSurface box(p, QRectF(image.rect()), kGraphBackground);
    box.SetFontSize(font().pointSizeF());
    graph.DrawTrendGraph(box, 2, true, in);
    Refresh();
}

void TrendGraphView::ShowReadout(QPointF at, TrendGraph& graph, const TrendGraphInput& in) {
    // The graph's logical units: 0 .. 120 across the box.
    const double X = width() > 0 ? at.x() * 120.0 / width() : 0;
    const GraphClick click = graph.GraphClicked(X, in, graphCursor->minimum(), graphCursor->maximum());
    if (click.box >= 0) {
        HideReadout();
        for (int j = 0; j < 3; ++j) readoutLines[3 * click.box + j]->setText(Latin1(click.readoutLines[j]));
        readoutBoxes[click.box]->setVisible(true);
        readoutBoxes[click.box]->raise();
    }
    if (click.cursor) graphCursor->setValue(*click.cursor);
}

void TrendGraphView::HideReadout() {
    readoutBoxes[0]->setVisible(false);
    readoutBoxes[1]->setVisible(false);
}

}  // namespace voltaro
