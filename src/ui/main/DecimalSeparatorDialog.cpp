#include "ui/main/DecimalSeparatorDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/widgets/DialogButtons.h"

namespace voltaro {

DecimalSeparatorDialog::DecimalSeparatorDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmSeleDim"));
    setWindowTitle(QStringLiteral("Select Decimal"));
    promptLabel = new QLabel(QStringLiteral("Please select a decimal point for a number"), this);
    Option1[0] = new QRadioButton(QStringLiteral("' . '  (Period)"), this);
    Option1[1] = new QRadioButton(QStringLiteral("' , '  (Comma)"), this);
    Option1[0]->setChecked(true);
    Check1 = new QCheckBox(QStringLiteral("Don't show me this again"), this);
    okButton = new QPushButton(QStringLiteral("OK"), this);
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    QHBoxLayout* buttons = ButtonRow(okButton, cancelButton);
    auto* all = new QVBoxLayout(this);
    all->addWidget(promptLabel);
    all->addWidget(Option1[0]);
    all->addWidget(Option1[1]);
    all->addWidget(Check1);
    all->addLayout(buttons);
}

void DecimalSeparatorDialog::done(int result) {
    // Escape hides a dialog without a close event; the main window must still get its
    // commands back.
    QDialog::done(result);
    emit closed(result == Accepted);
}

}  // namespace voltaro
