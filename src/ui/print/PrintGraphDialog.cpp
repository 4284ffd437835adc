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

    Frame1 = new QGroupBox(QStringLiteral("Printer Type"), this);
    Option1[0] = new QRadioButton(QStringLiteral("All Data in a Page"), Frame1);
    Option1[1] = new QRadioButton(QStringLiteral("Range"), Frame1);
    auto* type = new QVBoxLayout(Frame1);
    type->addWidget(Option1[0]);
    type->addWidget(Option1[1]);

    Frame2 = new QGroupBox(QStringLiteral("Range"), this);
    Label1 = new QLabel(QStringLiteral("Start"), Frame2);
    Text1 = new QLineEdit(Frame2);
    Label2 = new QLabel(QStringLiteral("End"), Frame2);
    Text2 = new QLineEdit(Frame2);
    Label3 = new QLabel(QStringLiteral("DrawWeight"), Frame2);
    Combo1 = new QComboBox(Frame2);
    for (int w = 1; w <= 10; ++w) Combo1->addItem(QString::number(w));
    auto* range = new QGridLayout(Frame2);
    range->setContentsMargins(6, 2, 6, 2);
    range->setVerticalSpacing(1);
    range->addWidget(Label1, 0, 0);
    range->addWidget(Text1, 0, 1);
    range->addWidget(Label2, 1, 0);
    range->addWidget(Text2, 1, 1);
    range->addWidget(Label3, 2, 0);
    range->addWidget(Combo1, 2, 1);

    Frame3 = new QGroupBox(QStringLiteral("Paper"), this);
    OptPaper[0] = new QRadioButton(QStringLiteral("Portrait"), Frame3);
    OptPaper[1] = new QRadioButton(QStringLiteral("Landscaps"), Frame3);
    OptPaper[0]->setChecked(true);
    auto* paper = new QVBoxLayout(Frame3);
    paper->addWidget(OptPaper[0]);
    paper->addWidget(OptPaper[1]);

    Picbox = new PictureBox(this);
    cmdPreview = new QPushButton(QStringLiteral("PreView"), this);
    cmdStart = new QPushButton(QStringLiteral("Printer"), this);
    cmdScaling = new QPushButton(QStringLiteral("Scaling"), this);
    cmdCencal = new QPushButton(QStringLiteral("Cancel"), this);
    // Enter in Start or End redraws the preview; it must never press a button.
    for (QPushButton* b : {cmdPreview, cmdStart, cmdScaling, cmdCencal}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    setFixedSize(Twips(0, 0, 9480, 6852).size());
    // The design's small dialog type, so that the captions fit their frames.
    for (QGroupBox* frame : {Frame1, Frame2, Frame3}) {
        QFont small = frame->font();
        small.setPointSizeF(8);
        frame->setFont(small);
        frame->layout()->setContentsMargins(4, 2, 4, 2);
    }

    connect(Option1[0], &QRadioButton::clicked, this, &PrintGraphDialog::Option1_Click);
    connect(Option1[1], &QRadioButton::clicked, this, &PrintGraphDialog::Option1_Click);
    connect(Combo1, &QComboBox::activated, this, [this] { emit previewWanted(); });
    connect(Text1, &QLineEdit::returnPressed, this, [this] { emit previewWanted(); });
    connect(Text2, &QLineEdit::returnPressed, this, [this] { emit previewWanted(); });
    for (QRadioButton* o : OptPaper) connect(o, &QRadioButton::clicked, this, &PrintGraphDialog::OptPaper_Click);
    connect(cmdPreview, &QPushButton::clicked, this, [this] { emit previewWanted(); });
    connect(cmdStart, &QPushButton::clicked, this, [this] { emit printWanted(); });
    connect(cmdScaling, &QPushButton::clicked, this, [this] { emit scalingWanted(); });
    connect(cmdCencal, &QPushButton::clicked, this, &QDialog::reject);

    Form_Load(0);
    const QSignalBlocker quiet(this);
    OptPaper_Click();
}

void PrintGraphDialog::Form_Load(int recordCount) {
    Option1[0]->setChecked(true);
    Text1->setText(QStringLiteral("1"));
    Text2->setText(QString::number(recordCount));
    Combo1->setCurrentIndex(0);
    Option1_Click();
}

PrintGraphChoices PrintGraphDialog::Choices() const {
    PrintGraphChoices c;
    c.allData = !Option1[1]->isChecked();
    c.Text1 = Latin1(Text1->text());
    c.Text2 = Latin1(Text2->text());
    c.weight = static_cast<int>(Val(Latin1(Combo1->currentText())));
    c.portrait = !OptPaper[1]->isChecked();
    return c;
}

void PrintGraphDialog::ShowChoices(const PrintGraphChoices& choices) {
    if (Latin1(Text1->text()) != choices.Text1) Text1->setText(Latin1(choices.Text1));
}

void PrintGraphDialog::Option1_Click() {
    const bool range = Option1[1]->isChecked();
    Text1->setEnabled(range);
    Text2->setEnabled(range);
}

void PrintGraphDialog::OptPaper_Click() {
    const PaperLayout& l = OptPaper[1]->isChecked() ? kLandscape : kPortrait;
    const std::array<QGroupBox*, 3> frames{Frame1, Frame2, Frame3};
    for (size_t i = 0; i < frames.size(); ++i)
        frames[i]->setGeometry(Twips(l.frames[i].x(), l.frames[i].y(), kFrameWidth, kFrameHeight));
    Picbox->setGeometry(Twips(l.preview.x(), l.preview.y(), l.preview.width(), l.preview.height()));
    // The buttons share the band the frames leave free.
    const bool portrait = !OptPaper[1]->isChecked();
    const QPoint at = portrait ? QPoint(6720, 180) : QPoint(6960, 180);
    const std::array<QPushButton*, 4> buttons{cmdPreview, cmdStart, cmdScaling, cmdCencal};
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
