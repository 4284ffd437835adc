#include "values/frmDateTime.h"

#include <QFontDatabase>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/DialogButtons.h"
#include "values/DateTimeFormat.h"

namespace voltaro {

frmDateTime::frmDateTime(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmDateTime"));
    setWindowTitle(QStringLiteral("Date/Time Format"));
    setModal(false);
    List1 = new QListWidget(this);
    // The entries line up their date and time parts.
    List1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    for (const char* entry : kDateTimeEntries) List1->addItem(QString::fromLatin1(entry));
    List1->setMinimumHeight(260);
    Option1[0] = new QRadioButton(QStringLiteral("12 Hour Clock"), this);
    Option1[1] = new QRadioButton(QStringLiteral("24 Hour Clock"), this);
    Command2 = new QPushButton(QStringLiteral("OK"), this);
    Command1 = new QPushButton(QStringLiteral("Cancel"), this);
    connect(List1, &QListWidget::currentRowChanged, this, &frmDateTime::choiceClicked);
    for (QRadioButton* o : Option1) connect(o, &QRadioButton::clicked, this, &frmDateTime::choiceClicked);
    connect(Command2, &QPushButton::clicked, this, &frmDateTime::confirmed);
    connect(Command1, &QPushButton::clicked, this, &frmDateTime::reject);

    auto* clock = new QHBoxLayout;
    clock->addWidget(Option1[0]);
    clock->addWidget(Option1[1]);
    QHBoxLayout* buttons = ButtonRow(Command2, Command1);
    auto* all = new QVBoxLayout(this);
    all->addWidget(List1);
    all->addLayout(clock);
    all->addLayout(buttons);
}

int frmDateTime::SelectedEntry() const {
    const int row = List1->currentRow();
    return row < 0 ? 0 : row;
}

bool frmDateTime::TwelveHour() const {
    return Option1[0]->isChecked();
}

void frmDateTime::Select(int entry, bool twelveHour) {
    QSignalBlocker quiet(List1);
    List1->setCurrentRow(entry >= 0 && entry < List1->count() ? entry : 0);
    Option1[twelveHour ? 0 : 1]->setChecked(true);
}

void frmDateTime::reject() {
    emit cancelled();
}

}  // namespace voltaro
