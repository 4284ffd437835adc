#pragma once

#include <QGroupBox>
#include <array>

class QLabel;

namespace voltaro {

class LcdPanel;
class PictureBox;

// The "READING-DIGITAL DISPLAY" box: four digit cells, the indicator labels, the bargraph and
// the MAX/MIN/AVG/REL sub-display, painted from what the LcdPanel holds.
class LcdPanelWidget : public QGroupBox {
public:
    explicit LcdPanelWidget(QWidget* window);

    // Paints the cells, labels and bargraph as the panel routines left them; the bargraph only
    // while the window is shown.
    void Show(LcdPanel& panel, long long barColour);
    // The sub-display's values and times.
    void ShowStats(const LcdPanel& panel);
    // A row of the sub-display (0 MAX, 1 MIN, 2 AVG, 3 REL) shown lit or greyed.
    void EnableStatRow(int row, bool on);

    // The controls, under the names the link's and recording's views know them by.
    std::array<PictureBox*, 4> digitCells{};
    QLabel* signLabel = nullptr;
    QLabel* prefixLabel = nullptr;
    QLabel* unitLabel = nullptr;
    QLabel* couplingLabel = nullptr;
    QLabel* rangeModeLabel = nullptr;
    QLabel* functionPicture = nullptr;
    QLabel* linkLabel = nullptr;
    QLabel* noDataLabel = nullptr;
    PictureBox* bargraph = nullptr;
    std::array<QLabel*, 4> statTitles{};  // "MAX", "MIN", "AVG", "REL" beside the sub-display
    std::array<QLabel*, 4> statValues{};
    std::array<QLabel*, 4> statDetails{};
};

}  // namespace voltaro
