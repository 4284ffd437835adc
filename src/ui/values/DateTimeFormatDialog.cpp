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
    formatList = new QListWidget(this);
    // The entries line up their date and time parts.
    formatList->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    for (const char* entry : kDateTimeEntries) formatList->addItem(QString::fromLatin1(entry));
    formatList->setMinimumHeight(260);
    Option1[0] = new QRadioButton(QStringLiteral("12 Hour Clock"), this);
    Option1[1] = new QRadioButton(QStringLiteral("24 Hour Clock"), this);
    okButton = new QPushButton(QStringLiteral("OK"), this);
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    connect(formatList, &QListWidget::currentRowChanged, this, &DateTimeFormatDialog::choiceClicked);
    for (QRadioButton* o : Option1) connect(o, &QRadioButton::clicked, this, &DateTimeFormatDialog::choiceClicked);
    connect(okButton, &QPushButton::clicked, this, &DateTimeFormatDialog::confirmed);
    connect(cancelButton, &QPushButton::clicked, this, &DateTimeFormatDialog::reject);

    auto* clock = new QHBoxLayout;
    clock->addWidget(Option1[0]);
    clock->addWidget(Option1[1]);
    QHBoxLayout* buttons = ButtonRow(okButton, cancelButton);
    auto* all = new QVBoxLayout(this);
    all->addWidget(formatList);
    all->addLayout(clock);
    all->addLayout(buttons);
}

int DateTimeFormatDialog::SelectedEntry() const {
    const int row = formatList->currentRow();
    return row < 0 ? 0 : row;
}

bool DateTimeFormatDialog::TwelveHour() const {
    return Option1[0]->isChecked();
}

void DateTimeFormatDialog::Select(int entry, bool twelveHour) {
    QSignalBlocker quiet(formatList);
    formatList->setCurrentRow(entry >= 0 && entry < formatList->count() ? entry : 0);
    Option1[twelveHour ? 0 : 1]->setChecked(true);
}

void DateTimeFormatDialog::reject() {
    emit cancelled();
}

}  // namespace voltaro
