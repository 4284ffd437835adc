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
    Label2 = new QLabel(QStringLiteral("Please set Autosave for the data being recorded."), this);
    Check1 = new QCheckBox(QStringLiteral("AutoSave Recording Data "), this);
    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command2 = new QPushButton(QStringLiteral("Cancel"), this);
    connect(Command1, &QPushButton::clicked, this, &AutoSaveDialog::confirmed);
    connect(Command2, &QPushButton::clicked, this, &AutoSaveDialog::reject);
    QHBoxLayout* buttons = ButtonRow(Command1, Command2);
    auto* all = new QVBoxLayout(this);
    all->addWidget(Label2);
    all->addWidget(Check1);
    all->addLayout(buttons);
}

void AutoSaveDialog::reject() {
    emit cancelled();
}

}  // namespace voltaro
