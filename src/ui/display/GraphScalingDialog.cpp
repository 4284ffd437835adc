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

    Frame3 = new QGroupBox(QStringLiteral("Graph Range"), this);
    auto* g3 = new QGridLayout(Frame3);
    const char* captions[] = {"Reading Max", "Reading Min", "Graph High Limit", "Graph Low Limit"};
    for (int i = 0; i < 2; ++i) {
        LabelMax[i] = new QLabel(Frame3);
        LabelMin[i] = new QLabel(Frame3);
        for (QLabel* l : {LabelMax[i], LabelMin[i]}) l->setFrameShape(QFrame::Panel);
        g3->addWidget(new QLabel(QString::fromLatin1(captions[2 * i]), Frame3), 2 * i, 0);
        g3->addWidget(LabelMax[i], 2 * i, 1);
        g3->addWidget(new QLabel(QString::fromLatin1(captions[2 * i + 1]), Frame3), 2 * i + 1, 0);
        g3->addWidget(LabelMin[i], 2 * i + 1, 1);
    }

    Frame1 = new QGroupBox(QStringLiteral("Y axis"), this);
    auto* g1 = new QGridLayout(Frame1);
    const char* rules[] = {"Meter Range", "Auto Range", "Range"};
    for (int i = 0; i < 3; ++i) {
        chkYaxis[i] = new QRadioButton(QString::fromLatin1(rules[i]), Frame1);
        g1->addWidget(chkYaxis[i], i, 0);
        connect(chkYaxis[i], &QRadioButton::clicked, this, [this, i] { chkYaxis_Click(i); });
    }
    TextHigh = new QLineEdit(Frame1);
    TextLow = new QLineEdit(Frame1);
    g1->addWidget(new QLabel(QStringLiteral("or High Limit"), Frame1), 3, 0);
    g1->addWidget(TextHigh, 3, 1);
    g1->addWidget(new QLabel(QStringLiteral("and Low Limit"), Frame1), 4, 0);
    g1->addWidget(TextLow, 4, 1);
    chkGraphdB = new QCheckBox(QStringLiteral("Change Graph to dB Scale using limits above"), Frame1);
    g1->addWidget(chkGraphdB, 5, 0, 1, 2);
    LabeldB = new QLabel(Frame1);
    g1->addWidget(LabeldB, 6, 0, 1, 2);
    connect(TextHigh, &QLineEdit::textChanged, this, &GraphScalingDialog::RangeInputsChanged);
    connect(TextLow, &QLineEdit::textChanged, this, &GraphScalingDialog::RangeInputsChanged);
    connect(chkGraphdB, &QCheckBox::clicked, this, &GraphScalingDialog::chkGraphdB_Click);

    Frame2 = new QGroupBox(QStringLiteral("X axis"), this);
    auto* g2 = new QGridLayout(Frame2);
    const char* units[] = {"MIN", "SEC"};
    for (int i = 0; i < 2; ++i) {
        TextXaxis[i] = new QLineEdit(Frame2);
        VScroll1[i] = new QScrollBar(Qt::Vertical, Frame2);
        VScroll1[i]->setRange(0, kSpinnerMax[i]);
        VScroll1[i]->setFixedHeight(TextXaxis[i]->sizeHint().height());
        g2->addWidget(TextXaxis[i], 0, 3 * i);
        g2->addWidget(VScroll1[i], 0, 3 * i + 1);
        g2->addWidget(new QLabel(QString::fromLatin1(units[i]), Frame2), 0, 3 * i + 2);
        connect(TextXaxis[i], &QLineEdit::textEdited, this, [this, i] { TextXaxis_Change(i); });
        connect(VScroll1[i], &QScrollBar::valueChanged, this, [this, i] { VScroll1_Change(i); });
    }
    chkStop = new QCheckBox(QStringLiteral("Stop Record on OL input"), Frame2);
    g2->addWidget(chkStop, 1, 0, 1, 6);

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command2 = new QPushButton(QStringLiteral("Cancel"), this);
    connect(Command1, &QPushButton::clicked, this, &GraphScalingDialog::okClicked);
    connect(Command2, &QPushButton::clicked, this, &GraphScalingDialog::reject);

    auto* all = new QGridLayout(this);
    all->addWidget(Frame3, 0, 0);
    all->addWidget(Frame1, 0, 1, 2, 1);
    all->addWidget(Frame2, 1, 0);
    QHBoxLayout* buttons = ButtonRow(Command1, Command2);
    all->addLayout(buttons, 2, 0, 1, 2);
}

void GraphScalingDialog::ReadVal(const ScalingSettings& stored) {
    {
        QSignalBlocker quietHigh(TextHigh), quietLow(TextLow);
        TextHigh->setText(Latin1(stored.RangeMax));
        TextLow->setText(Latin1(stored.RangeMin));
    }
    range_.TextHigh = stored.RangeMax;
    range_.TextLow = stored.RangeMin;
    chkYaxis[stored.SelectedYaxis()]->setChecked(true);
    TextHigh->setEnabled(stored.SelectedYaxis() == GraphRange::kRange);
    TextLow->setEnabled(stored.SelectedYaxis() == GraphRange::kRange);
    chkGraphdB->setChecked(stored.GraphdB != 0);
    chkStop->setChecked(stored.StopLO != 0);
    VScroll1[0]->setValue(stored.Xaxis0);
    VScroll1[1]->setValue(stored.Xaxis1);
    for (int i = 0; i < 2; ++i) VScroll1_Change(i);
    // The option and the dB box as stored decide which choices are offered.
    chkGraphdB_Click();
}

ScalingSettings GraphScalingDialog::Current() const {
    ScalingSettings s;
    s.RangeMax = Latin1Text(TextHigh);
    s.RangeMin = Latin1Text(TextLow);
    for (int i = 0; i < 3; ++i) s.Yaxis[i] = chkYaxis[i]->isChecked();
    s.GraphdB = chkGraphdB->isChecked() ? 1 : 0;
    s.Xaxis0 = VScroll1[0]->value();
    s.Xaxis1 = VScroll1[1]->value();
    s.StopLO = chkStop->isChecked() ? 1 : 0;
    return s;
}

bool GraphScalingDialog::TakeTypedInterval() {
    std::array<int, 2> typed{};
    for (int i = 0; i < 2; ++i) {
        const auto value = TypedIntervalValue(Latin1Text(TextXaxis[i]), kSpinnerMax[i]);
        if (!value) {
            TextXaxis[i]->setFocus();
            TextXaxis[i]->selectAll();
            return false;
        }
        typed[i] = *value;
    }
    for (int i = 0; i < 2; ++i) {
        VScroll1[i]->setValue(kSpinnerMax[i] - typed[i]);
        VScroll1_Change(i);  // the box shows the number taken ("007" as 7, empty as 0)
    }
    return true;
}

void GraphScalingDialog::ShowScalingLabels() {
    LabelMax[0]->setText(Latin1(range_.Labels[0]));
    LabelMin[0]->setText(Latin1(range_.Labels[1]));
    LabelMax[1]->setText(Latin1(range_.Labels[2]));
    LabelMin[1]->setText(Latin1(range_.Labels[3]));
    LabeldB->setText(Latin1(range_.LabeldB));
}

void GraphScalingDialog::ApplyChoices(const YaxisChoices& c) {
    for (int i = 0; i < 3; ++i) chkYaxis[i]->setEnabled(c.enabled[i]);
    chkYaxis[c.selected]->setChecked(true);
    TextHigh->setEnabled(c.selected == GraphRange::kRange);
    TextLow->setEnabled(c.selected == GraphRange::kRange);
    range_.Yaxis = c.selected;
}

static int SelectedOf(const std::array<QRadioButton*, 3>& options) {
    for (int i = 0; i < 3; ++i)
        if (options[i]->isChecked()) return i;
    return GraphRange::kAutoRange;
}

void GraphScalingDialog::chkYaxis_Click(int index) {
    TextHigh->setEnabled(index == GraphRange::kRange);
    TextLow->setEnabled(index == GraphRange::kRange);
    range_.Yaxis = index;
    RangeInputsChanged();
}

void GraphScalingDialog::chkGraphdB_Click() {
    const bool decibels = DecibelsOn && DecibelsOn();
    ApplyChoices(GraphdBChoices(chkGraphdB->isChecked(), decibels, SelectedOf(chkYaxis)));
    RangeInputsChanged();
}

void GraphScalingDialog::DecibelsConfirmed() {
    YaxisChoices now;
    for (int i = 0; i < 3; ++i) now.enabled[i] = chkYaxis[i]->isEnabled();
    now.selected = SelectedOf(chkYaxis);
    ApplyChoices(DecibelsConfirmedChoices(now));
}

void GraphScalingDialog::DecibelsCleared() {
    chkYaxis[GraphRange::kMeterRange]->setEnabled(!chkGraphdB->isChecked());
}

void GraphScalingDialog::RangeInputsChanged() {
    range_.TextHigh = Latin1Text(TextHigh);
    range_.TextLow = Latin1Text(TextLow);
    if (UpdateGraphRange) UpdateGraphRange();
    ShowScalingLabels();
}

void GraphScalingDialog::TextXaxis_Change(int index) {
    const auto value = SpinnerValueFor(Latin1Text(TextXaxis[index]), kSpinnerMax[index]);
    if (!value) return;
    QSignalBlocker quiet(VScroll1[index]);  // the text stays as typed
    VScroll1[index]->setValue(*value);
}

void GraphScalingDialog::VScroll1_Change(int index) {
    TextXaxis[index]->setText(Latin1(SpinnerText(kSpinnerMax[index], VScroll1[index]->value())));
}

void GraphScalingDialog::reject() {
    emit cancelled();
}

}  // namespace voltaro
