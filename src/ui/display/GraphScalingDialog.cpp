#include "ui/display/GraphScalingDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

#include "ui/widgets/DialogButtons.h"
#include "display/GraphRange.h"

namespace voltaro {

namespace {

constexpr std::array<int, 2> kSpinnerMax{kMinutesMax, kSecondsMax};

QString Latin1(const std::string& s) {
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

std::string Latin1Text(const QLineEdit* box) {
    return box->text().toLatin1().toStdString();
}

}  // namespace

GraphScalingDialog::GraphScalingDialog(GraphRange& range, QWidget* parent) : QDialog(parent), range_(range) {
    setObjectName(QStringLiteral("frmScaling"));
    setWindowTitle(QStringLiteral("GRAPH SCALING"));
    setModal(false);

    rangeGroup = new QGroupBox(QStringLiteral("Graph Range"), this);
    auto* g3 = new QGridLayout(rangeGroup);
    const char* captions[] = {"Reading Max", "Reading Min", "Graph High Limit", "Graph Low Limit"};
    for (int i = 0; i < 2; ++i) {
        maxLabels[i] = new QLabel(rangeGroup);
        minLabels[i] = new QLabel(rangeGroup);
        for (QLabel* l : {maxLabels[i], minLabels[i]}) l->setFrameShape(QFrame::Panel);
        g3->addWidget(new QLabel(QString::fromLatin1(captions[2 * i]), rangeGroup), 2 * i, 0);
        g3->addWidget(maxLabels[i], 2 * i, 1);
        g3->addWidget(new QLabel(QString::fromLatin1(captions[2 * i + 1]), rangeGroup), 2 * i + 1, 0);
        g3->addWidget(minLabels[i], 2 * i + 1, 1);
    }

    yAxisGroup = new QGroupBox(QStringLiteral("Y axis"), this);
    auto* g1 = new QGridLayout(yAxisGroup);
    const char* rules[] = {"Meter Range", "Auto Range", "Range"};
    for (int i = 0; i < 3; ++i) {
        yAxisOptions[i] = new QRadioButton(QString::fromLatin1(rules[i]), yAxisGroup);
        g1->addWidget(yAxisOptions[i], i, 0);
        connect(yAxisOptions[i], &QRadioButton::clicked, this, [this, i] { YaxisChosen(i); });
    }
    highLimitBox = new QLineEdit(yAxisGroup);
    lowLimitBox = new QLineEdit(yAxisGroup);
    g1->addWidget(new QLabel(QStringLiteral("or High Limit"), yAxisGroup), 3, 0);
    g1->addWidget(highLimitBox, 3, 1);
    g1->addWidget(new QLabel(QStringLiteral("and Low Limit"), yAxisGroup), 4, 0);
    g1->addWidget(lowLimitBox, 4, 1);
    decibelScaleBox = new QCheckBox(QStringLiteral("Change Graph to dB Scale using limits above"), yAxisGroup);
    g1->addWidget(decibelScaleBox, 5, 0, 1, 2);
    decibelLimitsLabel = new QLabel(yAxisGroup);
    g1->addWidget(decibelLimitsLabel, 6, 0, 1, 2);
    connect(highLimitBox, &QLineEdit::textChanged, this, &GraphScalingDialog::RangeInputsChanged);
    connect(lowLimitBox, &QLineEdit::textChanged, this, &GraphScalingDialog::RangeInputsChanged);
    connect(decibelScaleBox, &QCheckBox::clicked, this, &GraphScalingDialog::DecibelScaleToggled);

    xAxisGroup = new QGroupBox(QStringLiteral("X axis"), this);
    auto* g2 = new QGridLayout(xAxisGroup);
    const char* units[] = {"MIN", "SEC"};
    for (int i = 0; i < 2; ++i) {
        intervalBoxes[i] = new QLineEdit(xAxisGroup);
        intervalSpinners[i] = new QScrollBar(Qt::Vertical, xAxisGroup);
        intervalSpinners[i]->setRange(0, kSpinnerMax[i]);
        intervalSpinners[i]->setFixedHeight(intervalBoxes[i]->sizeHint().height());
        g2->addWidget(intervalBoxes[i], 0, 3 * i);
        g2->addWidget(intervalSpinners[i], 0, 3 * i + 1);
        g2->addWidget(new QLabel(QString::fromLatin1(units[i]), xAxisGroup), 0, 3 * i + 2);
        connect(intervalBoxes[i], &QLineEdit::textEdited, this, [this, i] { IntervalTyped(i); });
        connect(intervalSpinners[i], &QScrollBar::valueChanged, this, [this, i] { IntervalScrolled(i); });
    }
    stopOnOverloadBox = new QCheckBox(QStringLiteral("Stop Record on OL input"), xAxisGroup);
    g2->addWidget(stopOnOverloadBox, 1, 0, 1, 6);

    okButton = new QPushButton(QStringLiteral("OK"), this);
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    connect(okButton, &QPushButton::clicked, this, &GraphScalingDialog::okClicked);
    connect(cancelButton, &QPushButton::clicked, this, &GraphScalingDialog::reject);

    auto* all = new QGridLayout(this);
    all->addWidget(rangeGroup, 0, 0);
    all->addWidget(yAxisGroup, 0, 1, 2, 1);
    all->addWidget(xAxisGroup, 1, 0);
    QHBoxLayout* buttons = ButtonRow(okButton, cancelButton);
    all->addLayout(buttons, 2, 0, 1, 2);
}

void GraphScalingDialog::ReadVal(const ScalingSettings& stored) {
    {
        QSignalBlocker quietHigh(highLimitBox), quietLow(lowLimitBox);
        highLimitBox->setText(Latin1(stored.RangeMax));
        lowLimitBox->setText(Latin1(stored.RangeMin));
    }
    range_.TextHigh = stored.RangeMax;
    range_.TextLow = stored.RangeMin;
    yAxisOptions[stored.SelectedYaxis()]->setChecked(true);
    highLimitBox->setEnabled(stored.SelectedYaxis() == GraphRange::kRange);
    lowLimitBox->setEnabled(stored.SelectedYaxis() == GraphRange::kRange);
    decibelScaleBox->setChecked(stored.GraphdB != 0);
    stopOnOverloadBox->setChecked(stored.StopLO != 0);
    intervalSpinners[0]->setValue(stored.Xaxis0);
    intervalSpinners[1]->setValue(stored.Xaxis1);
    for (int i = 0; i < 2; ++i) IntervalScrolled(i);
    // The option and the dB box as stored decide which choices are offered.
    DecibelScaleToggled();
}

ScalingSettings GraphScalingDialog::Current() const {
    ScalingSettings s;
    s.RangeMax = Latin1Text(highLimitBox);
    s.RangeMin = Latin1Text(lowLimitBox);
    for (int i = 0; i < 3; ++i) s.Yaxis[i] = yAxisOptions[i]->isChecked();
    s.GraphdB = decibelScaleBox->isChecked() ? 1 : 0;
    s.Xaxis0 = intervalSpinners[0]->value();
    s.Xaxis1 = intervalSpinners[1]->value();
    s.StopLO = stopOnOverloadBox->isChecked() ? 1 : 0;
    return s;
}

bool GraphScalingDialog::TakeTypedInterval() {
    std::array<int, 2> typed{};
    for (int i = 0; i < 2; ++i) {
        const auto value = TypedIntervalValue(Latin1Text(intervalBoxes[i]), kSpinnerMax[i]);
        if (!value) {
            intervalBoxes[i]->setFocus();
            intervalBoxes[i]->selectAll();
            return false;
        }
        typed[i] = *value;
    }
    for (int i = 0; i < 2; ++i) {
        intervalSpinners[i]->setValue(kSpinnerMax[i] - typed[i]);
        IntervalScrolled(i);  // the box shows the number taken ("007" as 7, empty as 0)
    }
    return true;
}

void GraphScalingDialog::ShowScalingLabels() {
    maxLabels[0]->setText(Latin1(range_.Labels[0]));
    minLabels[0]->setText(Latin1(range_.Labels[1]));
    maxLabels[1]->setText(Latin1(range_.Labels[2]));
    minLabels[1]->setText(Latin1(range_.Labels[3]));
    decibelLimitsLabel->setText(Latin1(range_.LabeldB));
}

void GraphScalingDialog::ApplyChoices(const YaxisChoices& c) {
    for (int i = 0; i < 3; ++i) yAxisOptions[i]->setEnabled(c.enabled[i]);
    yAxisOptions[c.selected]->setChecked(true);
    highLimitBox->setEnabled(c.selected == GraphRange::kRange);
    lowLimitBox->setEnabled(c.selected == GraphRange::kRange);
    range_.Yaxis = c.selected;
}

static int SelectedOf(const std::array<QRadioButton*, 3>& options) {
    for (int i = 0; i < 3; ++i)
        if (options[i]->isChecked()) return i;
    return GraphRange::kAutoRange;
}

void GraphScalingDialog::YaxisChosen(int index) {
    highLimitBox->setEnabled(index == GraphRange::kRange);
    lowLimitBox->setEnabled(index == GraphRange::kRange);
    range_.Yaxis = index;
    RangeInputsChanged();
}

void GraphScalingDialog::DecibelScaleToggled() {
    const bool decibels = DecibelsOn && DecibelsOn();
    ApplyChoices(GraphdBChoices(decibelScaleBox->isChecked(), decibels, SelectedOf(yAxisOptions)));
    RangeInputsChanged();
}

void GraphScalingDialog::DecibelsConfirmed() {
    YaxisChoices now;
    for (int i = 0; i < 3; ++i) now.enabled[i] = yAxisOptions[i]->isEnabled();
    now.selected = SelectedOf(yAxisOptions);
    ApplyChoices(DecibelsConfirmedChoices(now));
}

void GraphScalingDialog::DecibelsCleared() {
    yAxisOptions[GraphRange::kMeterRange]->setEnabled(!decibelScaleBox->isChecked());
}

void GraphScalingDialog::RangeInputsChanged() {
    range_.TextHigh = Latin1Text(highLimitBox);
    range_.TextLow = Latin1Text(lowLimitBox);
    if (UpdateGraphRange) UpdateGraphRange();
    ShowScalingLabels();
}

void GraphScalingDialog::IntervalTyped(int index) {
    const auto value = SpinnerValueFor(Latin1Text(intervalBoxes[index]), kSpinnerMax[index]);
    if (!value) return;
    QSignalBlocker quiet(intervalSpinners[index]);  // the text stays as typed
    intervalSpinners[index]->setValue(*value);
}

void GraphScalingDialog::IntervalScrolled(int index) {
    intervalBoxes[index]->setText(Latin1(SpinnerText(kSpinnerMax[index], intervalSpinners[index]->value())));
}

void GraphScalingDialog::reject() {
    emit cancelled();
}

}  // namespace voltaro
