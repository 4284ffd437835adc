#include "ui/values/DecibelDialog.h"

#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/widgets/DialogButtons.h"
#include "values/Decibels.h"

namespace voltaro {

DecibelDialog::DecibelDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmDeciBels"));
    setWindowTitle(QStringLiteral("Decibels"));
    setModal(false);
    const char* captions[] = {"dBV", "dBm", "Relative Mode"};
    auto* all = new QVBoxLayout(this);
    for (int i = 0; i < 3; ++i) {
        modeOptions[i] = new QRadioButton(QString::fromLatin1(captions[i]), this);
        all->addWidget(modeOptions[i]);
        connect(modeOptions[i], &QRadioButton::clicked, this, [this, i] {
            Text1->setEnabled(i == 1);
            emit optionClicked(i);
        });
    }
    impedanceNote = new QLabel(QStringLiteral("dBm requires line impedance entry"), this);
    Text1 = new QLineEdit(this);
    all->addWidget(impedanceNote);
    all->addWidget(Text1);
    okButton = new QPushButton(QStringLiteral("OK"), this);
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    connect(okButton, &QPushButton::clicked, this, &DecibelDialog::confirmed);
    connect(cancelButton, &QPushButton::clicked, this, &DecibelDialog::reject);
    QHBoxLayout* buttons = ButtonRow(okButton, cancelButton);
    all->addLayout(buttons);
}

void DecibelDialog::Select(int index) {
    QSignalBlocker quiet(modeOptions[index]);
    modeOptions[index]->setChecked(true);
    Text1->setEnabled(index == 1);
}

void DecibelDialog::reject() {
    emit cancelled();
}

DecibelTableDialog::DecibelTableDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmDbTest"));
    setWindowTitle(QStringLiteral("Db Test"));
    setModal(false);
    tableText = new QPlainTextEdit(this);
    tableText->setReadOnly(true);
    tableText->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    tableText->setMinimumSize(320, 360);
    testButton = new QPushButton(QStringLiteral("Test"), this);
    connect(testButton, &QPushButton::clicked, this, &DecibelTableDialog::PrintTable);
    auto* all = new QVBoxLayout(this);
    all->addWidget(tableText);
    all->addWidget(testButton);
}

void DecibelTableDialog::PrintTable() {
    for (const std::string& line : DbTestLines()) tableText->appendPlainText(QString::fromLatin1(line.c_str()));
}

}  // namespace voltaro
