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
    std::array<PictureBox*, 4> Picture1{};
    QLabel* LabType0 = nullptr;
    QLabel* LabVolts = nullptr;
    QLabel* LabType = nullptr;
    QLabel* labDC = nullptr;
    QLabel* labAUTO = nullptr;
    QLabel* Image2 = nullptr;
    QLabel* labRs232 = nullptr;
    QLabel* LabERROR = nullptr;
    PictureBox* PicPro = nullptr;
    std::array<QLabel*, 4> LabStatTitle{};  // "MAX", "MIN", "AVG", "REL" beside the sub-display
    std::array<QLabel*, 4> Label2{};
    std::array<QLabel*, 4> Label3{};
};

}  // namespace voltaro
