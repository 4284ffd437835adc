#include "ui/recording/AutoSaveDialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/widgets/DialogButtons.h"

namespace voltaro {

AutoSaveDialog::AutoSaveDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAutoSave"));
    setWindowTitle(QStringLiteral("AutoSave"));
    setModal(false);
    promptLabel = new QLabel(QStringLiteral("Please set Autosave for the data being recorded."), this);
    Check1 = new QCheckBox(QStringLiteral("AutoSave Recording Data "), this);
    okButton = new QPushButton(QStringLiteral("OK"), this);
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    connect(okButton, &QPushButton::clicked, this, &AutoSaveDialog::confirmed);
    connect(cancelButton, &QPushButton::clicked, this, &AutoSaveDialog::reject);
    QHBoxLayout* buttons = ButtonRow(okButton, cancelButton);
    auto* all = new QVBoxLayout(this);
    all->addWidget(promptLabel);
    all->addWidget(Check1);
    all->addLayout(buttons);
}

void AutoSaveDialog::reject() {
    emit cancelled();
}

}  // namespace voltaro
