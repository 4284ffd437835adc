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

    QGroupBox* rangeGroup = nullptr;  // "Graph Range"
    std::array<QLabel*, 2> maxLabels{};
    std::array<QLabel*, 2> minLabels{};
    QGroupBox* yAxisGroup = nullptr;  // "Y axis"
    std::array<QRadioButton*, 3> yAxisOptions{};
    QLineEdit* highLimitBox = nullptr;
    QLineEdit* lowLimitBox = nullptr;
    QCheckBox* decibelScaleBox = nullptr;
    QLabel* decibelLimitsLabel = nullptr;
    QGroupBox* xAxisGroup = nullptr;  // "X axis"
    std::array<QLineEdit*, 2> intervalBoxes{};
    std::array<QScrollBar*, 2> intervalSpinners{};
    QCheckBox* stopOnOverloadBox = nullptr;
    QPushButton* okButton = nullptr;  // "OK"
    QPushButton* cancelButton = nullptr;  // "Cancel"

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

    void YaxisChosen(int index);
    void DecibelScaleToggled();

    // Escape and the close box end as Cancel does.
    void reject() override;

signals:
    void okClicked();
    void cancelled();

private:
    void ApplyChoices(const YaxisChoices& c);
    void RangeInputsChanged();
    void IntervalTyped(int index);
    void IntervalScrolled(int index);

    GraphRange& range_;
};

}  // namespace voltaro
