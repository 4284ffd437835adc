#include "ui/values/DateTimeFormatDialog.h"

#include <QFontDatabase>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/widgets/DialogButtons.h"
#include "values/DateTimeFormat.h"

namespace voltaro {

DateTimeFormatDialog::DateTimeFormatDialog(QWidget* parent) : QDialog(parent) {
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
    connect(List1, &QListWidget::currentRowChanged, this, &DateTimeFormatDialog::choiceClicked);
    for (QRadioButton* o : Option1) connect(o, &QRadioButton::clicked, this, &DateTimeFormatDialog::choiceClicked);
    connect(Command2, &QPushButton::clicked, this, &DateTimeFormatDialog::confirmed);
    connect(Command1, &QPushButton::clicked, this, &DateTimeFormatDialog::reject);

    auto* clock = new QHBoxLayout;
    clock->addWidget(Option1[0]);
    clock->addWidget(Option1[1]);
    QHBoxLayout* buttons = ButtonRow(Command2, Command1);
    auto* all = new QVBoxLayout(this);
    all->addWidget(List1);
    all->addLayout(clock);
    all->addLayout(buttons);
}

int DateTimeFormatDialog::SelectedEntry() const {
    const int row = List1->currentRow();
    return row < 0 ? 0 : row;
}

bool DateTimeFormatDialog::TwelveHour() const {
    return Option1[0]->isChecked();
}

void DateTimeFormatDialog::Select(int entry, bool twelveHour) {
    QSignalBlocker quiet(List1);
    List1->setCurrentRow(entry >= 0 && entry < List1->count() ? entry : 0);
    Option1[twelveHour ? 0 : 1]->setChecked(true);
}

void DateTimeFormatDialog::reject() {
    emit cancelled();
}

}  // namespace voltaro
