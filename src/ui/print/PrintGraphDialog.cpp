#include "ui/print/PrintGraphDialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/widgets/PictureBox.h"
#include "ui/widgets/LabelCaption.h"
#include "base/Notation.h"

namespace voltaro {

namespace {

constexpr int kTwips = 15;

QRect Twips(int left, int top, int width, int height) {
    return {left / kTwips, top / kTwips, width / kTwips, height / kTwips};
}

constexpr int kFrameWidth = 2100, kFrameHeight = 1500;

struct PaperLayout {
    std::array<QPoint, 3> frames;
    QRect preview;
};

const PaperLayout kPortrait{{QPoint(120, 120), QPoint(2280, 120), QPoint(4440, 120)},
                            QRect(120, 1680, 9240, 5052)};
const PaperLayout kLandscape{{QPoint(6960, 1800), QPoint(6960, 3480), QPoint(6960, 5160)},
                             QRect(120, 120, 6240, 6612)};

}  // namespace

PrintGraphDialog::PrintGraphDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmPrintRange"));
    setWindowTitle(QStringLiteral("Printer Graphs"));
    setModal(false);

    extentGroup = new QGroupBox(QStringLiteral("Printer Type"), this);
    extentOptions[0] = new QRadioButton(QStringLiteral("All Data in a Page"), extentGroup);
    extentOptions[1] = new QRadioButton(QStringLiteral("Range"), extentGroup);
    auto* type = new QVBoxLayout(extentGroup);
    type->addWidget(extentOptions[0]);
    type->addWidget(extentOptions[1]);

    rangeGroup = new QGroupBox(QStringLiteral("Range"), this);
    startLabel = new QLabel(QStringLiteral("Start"), rangeGroup);
    startBox = new QLineEdit(rangeGroup);
    endLabel = new QLabel(QStringLiteral("End"), rangeGroup);
    endBox = new QLineEdit(rangeGroup);
    weightLabel = new QLabel(QStringLiteral("DrawWeight"), rangeGroup);
    weightBox = new QComboBox(rangeGroup);
    for (int w = 1; w <= 10; ++w) weightBox->addItem(QString::number(w));
    auto* range = new QGridLayout(rangeGroup);
    range->setContentsMargins(6, 2, 6, 2);
    range->setVerticalSpacing(1);
    range->addWidget(startLabel, 0, 0);
    range->addWidget(startBox, 0, 1);
    range->addWidget(endLabel, 1, 0);
    range->addWidget(endBox, 1, 1);
    range->addWidget(weightLabel, 2, 0);
    range->addWidget(weightBox, 2, 1);

    paperGroup = new QGroupBox(QStringLiteral("Paper"), this);
    paperOptions[0] = new QRadioButton(QStringLiteral("Portrait"), paperGroup);
    paperOptions[1] = new QRadioButton(QStringLiteral("Landscaps"), paperGroup);
    paperOptions[0]->setChecked(true);
    auto* paper = new QVBoxLayout(paperGroup);
    paper->addWidget(paperOptions[0]);
    paper->addWidget(paperOptions[1]);

    Picbox = new PictureBox(this);
    previewButton = new QPushButton(QStringLiteral("PreView"), this);
    cmdStart = new QPushButton(QStringLiteral("Printer"), this);
    scalingButton = new QPushButton(QStringLiteral("Scaling"), this);
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    // Enter in Start or End redraws the preview; it must never press a button.
    for (QPushButton* b : {previewButton, cmdStart, scalingButton, cancelButton}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    setFixedSize(Twips(0, 0, 9480, 6852).size());
    // The design's small dialog type, so that the captions fit their frames.
    for (QGroupBox* frame : {extentGroup, rangeGroup, paperGroup}) {
        QFont small = frame->font();
        small.setPointSizeF(8);
        frame->setFont(small);
        frame->layout()->setContentsMargins(4, 2, 4, 2);
    }

    connect(extentOptions[0], &QRadioButton::clicked, this, &PrintGraphDialog::ExtentChosen);
    connect(extentOptions[1], &QRadioButton::clicked, this, &PrintGraphDialog::ExtentChosen);
    connect(weightBox, &QComboBox::activated, this, [this] { emit previewWanted(); });
    connect(startBox, &QLineEdit::returnPressed, this, [this] { emit previewWanted(); });
    connect(endBox, &QLineEdit::returnPressed, this, [this] { emit previewWanted(); });
    for (QRadioButton* o : paperOptions) connect(o, &QRadioButton::clicked, this, &PrintGraphDialog::PaperChosen);
    connect(previewButton, &QPushButton::clicked, this, [this] { emit previewWanted(); });
    connect(cmdStart, &QPushButton::clicked, this, [this] { emit printWanted(); });
    connect(scalingButton, &QPushButton::clicked, this, [this] { emit scalingWanted(); });
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    Form_Load(0);
    const QSignalBlocker quiet(this);
    PaperChosen();
}

void PrintGraphDialog::Form_Load(int recordCount) {
    extentOptions[0]->setChecked(true);
    startBox->setText(QStringLiteral("1"));
    endBox->setText(QString::number(recordCount));
    weightBox->setCurrentIndex(0);
    ExtentChosen();
}

PrintGraphChoices PrintGraphDialog::Choices() const {
    PrintGraphChoices c;
    c.allData = !extentOptions[1]->isChecked();
    c.Text1 = Latin1(startBox->text());
    c.Text2 = Latin1(endBox->text());
    c.weight = static_cast<int>(Val(Latin1(weightBox->currentText())));
    c.portrait = !paperOptions[1]->isChecked();
    return c;
}

void PrintGraphDialog::ShowChoices(const PrintGraphChoices& choices) {
    if (Latin1(startBox->text()) != choices.Text1) startBox->setText(Latin1(choices.Text1));
}

void PrintGraphDialog::ExtentChosen() {
    const bool range = extentOptions[1]->isChecked();
    startBox->setEnabled(range);
    endBox->setEnabled(range);
}

void PrintGraphDialog::PaperChosen() {
    const PaperLayout& l = paperOptions[1]->isChecked() ? kLandscape : kPortrait;
    const std::array<QGroupBox*, 3> frames{extentGroup, rangeGroup, paperGroup};
    for (size_t i = 0; i < frames.size(); ++i)
        frames[i]->setGeometry(Twips(l.frames[i].x(), l.frames[i].y(), kFrameWidth, kFrameHeight));
    Picbox->setGeometry(Twips(l.preview.x(), l.preview.y(), l.preview.width(), l.preview.height()));
    // The buttons share the band the frames leave free.
    const bool portrait = !paperOptions[1]->isChecked();
    const QPoint at = portrait ? QPoint(6720, 180) : QPoint(6960, 180);
    const std::array<QPushButton*, 4> buttons{previewButton, cmdStart, scalingButton, cancelButton};
    for (size_t i = 0; i < buttons.size(); ++i) {
        const int column = static_cast<int>(i % 2), row = static_cast<int>(i / 2);
        buttons[i]->setGeometry(Twips(at.x() + column * 1320, at.y() + row * 660, 1200, 540));
    }
    emit previewWanted();
}

void PrintGraphDialog::closeEvent(QCloseEvent* e) {
    closeBox_ = true;
    QDialog::closeEvent(e);
    closeBox_ = false;
}

void PrintGraphDialog::done(int result) {
    const bool closeBox = closeBox_;
    QDialog::done(result);
    emit closed(closeBox);
}

}  // namespace voltaro
