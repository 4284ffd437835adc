#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "display/ScalingSettings.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace voltaro {

class GraphRange;

// "GRAPH SCALING": the graph's vertical range rule and limits, the recording interval and
// "Stop Record on OL input". Hidden, never destroyed, between uses.
class GraphScalingDialog : public QDialog {
    Q_OBJECT
public:
    explicit GraphScalingDialog(GraphRange& range, QWidget* parent = nullptr);

    QGroupBox* Frame3 = nullptr;  // "Graph Range"
    std::array<QLabel*, 2> LabelMax{};
    std::array<QLabel*, 2> LabelMin{};
    QGroupBox* Frame1 = nullptr;  // "Y axis"
    std::array<QRadioButton*, 3> chkYaxis{};
    QLineEdit* TextHigh = nullptr;
    QLineEdit* TextLow = nullptr;
    QCheckBox* chkGraphdB = nullptr;
    QLabel* LabeldB = nullptr;
    QGroupBox* Frame2 = nullptr;  // "X axis"
    std::array<QLineEdit*, 2> TextXaxis{};
    std::array<QScrollBar*, 2> VScroll1{};
    QCheckBox* chkStop = nullptr;
    QPushButton* Command1 = nullptr;  // "OK"
    QPushButton* Command2 = nullptr;  // "Cancel"

    // Recomputes the graph's range from the main window's state; set by the main window.
    std::function<void()> UpdateGraphRange;
    // The main window's "Decibels" box is ticked.
    std::function<bool()> DecibelsOn;

    // Every control from the store; the range follows.
    void ReadVal(const ScalingSettings& stored);
    // The controls as they would be stored.
    ScalingSettings Current() const;
    // The typed minutes and seconds onto their spinners. False, with the first box at fault
    // selected, when one holds no whole number in its spinner's range.
    bool TakeTypedInterval();
    void ShowScalingLabels();
    // The decibel dialog was confirmed: "Meter Range" is no choice any more.
    void DecibelsConfirmed();
    // The main window's decibels were switched off: "Meter Range" is offered again.
    void DecibelsCleared();

    void chkYaxis_Click(int index);
    void chkGraphdB_Click();

    // Escape and the close box end as Cancel does.
    void reject() override;

signals:
    void okClicked();
    void cancelled();

private:
    void ApplyChoices(const YaxisChoices& c);
    void RangeInputsChanged();
    void TextXaxis_Change(int index);
    void VScroll1_Change(int index);

    GraphRange& range_;
};

}  // namespace voltaro
