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
        OptdB[i] = new QRadioButton(QString::fromLatin1(captions[i]), this);
        all->addWidget(OptdB[i]);
        connect(OptdB[i], &QRadioButton::clicked, this, [this, i] {
            Text1->setEnabled(i == 1);
            emit optionClicked(i);
        });
    }
    Label1 = new QLabel(QStringLiteral("dBm requires line impedance entry"), this);
    Text1 = new QLineEdit(this);
    all->addWidget(Label1);
    all->addWidget(Text1);
    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command2 = new QPushButton(QStringLiteral("Cancel"), this);
    connect(Command1, &QPushButton::clicked, this, &DecibelDialog::confirmed);
    connect(Command2, &QPushButton::clicked, this, &DecibelDialog::reject);
    QHBoxLayout* buttons = ButtonRow(Command1, Command2);
    all->addLayout(buttons);
}

void DecibelDialog::Select(int index) {
    QSignalBlocker quiet(OptdB[index]);
    OptdB[index]->setChecked(true);
    Text1->setEnabled(index == 1);
}

void DecibelDialog::reject() {
    emit cancelled();
}

DecibelTableDialog::DecibelTableDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmDbTest"));
    setWindowTitle(QStringLiteral("Db Test"));
    setModal(false);
    Output = new QPlainTextEdit(this);
    Output->setReadOnly(true);
    Output->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Output->setMinimumSize(320, 360);
    Command1 = new QPushButton(QStringLiteral("Test"), this);
    connect(Command1, &QPushButton::clicked, this, &DecibelTableDialog::Command1_Click);
    auto* all = new QVBoxLayout(this);
    all->addWidget(Output);
    all->addWidget(Command1);
}

void DecibelTableDialog::Command1_Click() {
    for (const std::string& line : DbTestLines()) Output->appendPlainText(QString::fromLatin1(line.c_str()));
}

}  // namespace voltaro
