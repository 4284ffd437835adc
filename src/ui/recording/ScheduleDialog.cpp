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
    for (size_t i = 0; i < Label1.size(); ++i) Label1[i] = new QLabel(QString::fromLatin1(titles[i]), this);
    Label4 = new QLabel(QStringLiteral("Note: Must be like this Date/Time format(24 Hour Clock)"), this);
    Label5 = new QLabel(this);
    Command1 = new QPushButton(QStringLiteral("OK"), this);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
    // Return in a box must not arm the schedule behind the user's back.
    for (QPushButton* b : {Command1, cmdCancel}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1[0], 0, 1, 1, 2, Qt::AlignCenter);
    grid->addWidget(Label1[5], 0, 3, 1, 2, Qt::AlignCenter);
    grid->addWidget(Label1[1], 1, 1);
    grid->addWidget(Label1[2], 1, 2);
    grid->addWidget(Label1[4], 1, 3);
    grid->addWidget(Label1[3], 1, 4);
    for (int i = 0; i < Schedule::kRows; ++i) {
        const size_t r = static_cast<size_t>(i);
        Label6[r] = new RowLabel(QString::number(i + 1), this);
        Text1[r] = new QLineEdit(this);
        Text2[r] = new QLineEdit(this);
        Text3[r] = new QLineEdit(this);
        Text4[r] = new QLineEdit(this);
        grid->addWidget(Label6[r], i + 2, 0);
        grid->addWidget(Text1[r], i + 2, 1);
        grid->addWidget(Text2[r], i + 2, 2);
        grid->addWidget(Text3[r], i + 2, 3);
        grid->addWidget(Text4[r], i + 2, 4);
        connect(Label6[r], &RowLabel::doubleClicked, this, [this, i] {
            ReadRows();
            const std::string title = schedule.FillTestRow(i);
            ShowRows();
            emit testRowFilled(title);
        });
    }
    grid->addWidget(Label5, 7, 1, 1, 4);
    grid->addWidget(Label4, 8, 0, 1, 5);
    QHBoxLayout* buttons = ButtonRow(Command1, cmdCancel);
    grid->addLayout(buttons, 9, 0, 1, 5);

    Timer1.setInterval(500);
    Timer2.setInterval(500);
    connect(&Timer1, &QTimer::timeout, this, &ScheduleDialog::RefreshNow);
    connect(Command1, &QPushButton::clicked, this, &ScheduleDialog::okClicked);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ScheduleDialog::ShowRows() {
    for (size_t i = 0; i < schedule.Rows.size(); ++i) {
        const Schedule::Row& r = schedule.Rows[i];
        Text1[i]->setText(Latin1(r.StartDate));
        Text2[i]->setText(Latin1(r.StartTime));
        Text3[i]->setText(Latin1(r.StopDate));
        Text4[i]->setText(Latin1(r.StopTime));
    }
}

void ScheduleDialog::ReadRows() {
    for (size_t i = 0; i < schedule.Rows.size(); ++i) {
        Schedule::Row& r = schedule.Rows[i];
        r.StartDate = Latin1(Text1[i]->text());
        r.StartTime = Latin1(Text2[i]->text());
        r.StopDate = Latin1(Text3[i]->text());
        r.StopTime = Latin1(Text4[i]->text());
    }
}

void ScheduleDialog::RefreshNow() {
    Label5->setText(Latin1(DateTimeStd(clock_.Now())));
}

void ScheduleDialog::done(int result) {
    // Escape hides a dialog without a close event; the main window must still get its
    // commands back.
    Timer1.stop();
    QDialog::done(result);
    emit closed(result == Accepted);
}

}  // namespace voltaro
