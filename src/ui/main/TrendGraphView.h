#pragma once

#include <QPointF>
#include <array>

#include "ui/widgets/PictureBox.h"

class QFrame;
class QLabel;
class QScrollBar;

namespace voltaro {

class TrendGraph;
struct TrendGraphInput;

// The trend graph's box, with its cursor bar below and the two read-out boxes that a click on
// the graph shows over it. The bar and the boxes are the window's children beside the box, as
// the window's proportional layout places them.
class TrendGraphView : public PictureBox {
public:
    explicit TrendGraphView(QWidget* window);

    void Draw(TrendGraph& graph, const TrendGraphInput& in);
    // A click at a point of the box (pixels): the read-out of the reading there, and the cursor
    // moved to it.
    void ShowReadout(QPointF at, TrendGraph& graph, const TrendGraphInput& in);
    void HideReadout();

    std::array<QFrame*, 2> readoutBoxes{};  // the read-out boxes
    std::array<QLabel*, 6> readoutLines{};    // three lines in each
    QScrollBar* graphCursor = nullptr;     // the cursor
};

}  // namespace voltaro
