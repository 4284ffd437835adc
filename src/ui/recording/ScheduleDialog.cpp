#include "ui/recording/ScheduleDialog.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

#include "ui/widgets/DialogButtons.h"
#include "ui/widgets/LabelCaption.h"

namespace voltaro {

ScheduleDialog::ScheduleDialog(const Clock& clock, Schedule& edited, QWidget* parent)
    : QDialog(parent), schedule(edited), clock_(clock) {
    setObjectName(QStringLiteral("frmAuto"));
    setWindowTitle(QStringLiteral("Auto Start/Stop"));
    setModal(false);
    const char* titles[6] = {"Start", "Date", "Time", "Time", "Date", "Stop"};
    for (size_t i = 0; i < headings.size(); ++i) headings[i] = new QLabel(QString::fromLatin1(titles[i]), this);
    formatNote = new QLabel(QStringLiteral("Note: Must be like this Date/Time format(24 Hour Clock)"), this);
    nowLabel = new QLabel(this);
    okButton = new QPushButton(QStringLiteral("OK"), this);
    cancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    // Return in a box must not arm the schedule behind the user's back.
    for (QPushButton* b : {okButton, cancelButton}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    auto* grid = new QGridLayout(this);
    grid->addWidget(headings[0], 0, 1, 1, 2, Qt::AlignCenter);
    grid->addWidget(headings[5], 0, 3, 1, 2, Qt::AlignCenter);
    grid->addWidget(headings[1], 1, 1);
    grid->addWidget(headings[2], 1, 2);
    grid->addWidget(headings[4], 1, 3);
    grid->addWidget(headings[3], 1, 4);
    for (int i = 0; i < Schedule::kRows; ++i) {
        const size_t r = static_cast<size_t>(i);
        rowLabels[r] = new RowLabel(QString::number(i + 1), this);
        startDateBoxes[r] = new QLineEdit(this);
        startTimeBoxes[r] = new QLineEdit(this);
        stopDateBoxes[r] = new QLineEdit(this);
        stopTimeBoxes[r] = new QLineEdit(this);
        grid->addWidget(rowLabels[r], i + 2, 0);
        grid->addWidget(startDateBoxes[r], i + 2, 1);
        grid->addWidget(startTimeBoxes[r], i + 2, 2);
        grid->addWidget(stopDateBoxes[r], i + 2, 3);
        grid->addWidget(stopTimeBoxes[r], i + 2, 4);
        connect(rowLabels[r], &RowLabel::doubleClicked, this, [this, i] {
            ReadRows();
            const std::string title = schedule.FillTestRow(i);
            ShowRows();
            emit testRowFilled(title);
        });
    }
    grid->addWidget(nowLabel, 7, 1, 1, 4);
    grid->addWidget(formatNote, 8, 0, 1, 5);
    QHBoxLayout* buttons = ButtonRow(okButton, cancelButton);
    grid->addLayout(buttons, 9, 0, 1, 5);

    Timer1.setInterval(500);
    Timer2.setInterval(500);
    connect(&Timer1, &QTimer::timeout, this, &ScheduleDialog::RefreshNow);
    connect(okButton, &QPushButton::clicked, this, &ScheduleDialog::okClicked);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void ScheduleDialog::ShowRows() {
    for (size_t i = 0; i < schedule.Rows.size(); ++i) {
        const Schedule::Row& r = schedule.Rows[i];
        startDateBoxes[i]->setText(Latin1(r.StartDate));
        startTimeBoxes[i]->setText(Latin1(r.StartTime));
        stopDateBoxes[i]->setText(Latin1(r.StopDate));
        stopTimeBoxes[i]->setText(Latin1(r.StopTime));
    }
}

void ScheduleDialog::ReadRows() {
    for (size_t i = 0; i < schedule.Rows.size(); ++i) {
        Schedule::Row& r = schedule.Rows[i];
        r.StartDate = Latin1(startDateBoxes[i]->text());
        r.StartTime = Latin1(startTimeBoxes[i]->text());
        r.StopDate = Latin1(stopDateBoxes[i]->text());
        r.StopTime = Latin1(stopTimeBoxes[i]->text());
    }
}

void ScheduleDialog::RefreshNow() {
    nowLabel->setText(Latin1(DateTimeStd(clock_.Now())));
}

void ScheduleDialog::done(int result) {
    // Escape hides a dialog without a close event; the main window must still get its
    // commands back.
    Timer1.stop();
    QDialog::done(result);
    emit closed(result == Accepted);
}

}  // namespace voltaro
