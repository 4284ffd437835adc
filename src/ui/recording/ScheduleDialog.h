#pragma once

#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <array>
#include <string>

#include "recording/Schedule.h"

class QLineEdit;
class QPushButton;

namespace voltaro {

// A row's label: a double-click fills the row with a test schedule.
class RowLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent*) override { emit doubleClicked(); }
};

// "Auto Start/Stop": five start and stop date-time rows. Not modal: the main window waits,
// disabled, until it closes, and its timers go on. Shows and edits the schedule that its
// Timer2 checks while armed.
class ScheduleDialog : public QDialog {
    Q_OBJECT
public:
    ScheduleDialog(const Clock& clock, Schedule& schedule, QWidget* parent = nullptr);

    std::array<QLineEdit*, Schedule::kRows> Text1{};  // start date
    std::array<QLineEdit*, Schedule::kRows> Text2{};  // start time
    std::array<QLineEdit*, Schedule::kRows> Text3{};  // stop date
    std::array<QLineEdit*, Schedule::kRows> Text4{};  // stop time
    std::array<RowLabel*, Schedule::kRows> Label6{};
    std::array<QLabel*, 6> Label1{};
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QPushButton* Command1 = nullptr;  // "OK"
    QPushButton* cmdCancel = nullptr;
    QTimer Timer1;  // refreshes Label5
    QTimer Timer2;  // the schedule check, while armed

    Schedule& schedule;

    // The boxes show the schedule's rows, and the rows take what the boxes hold.
    void ShowRows();
    void ReadRows();
    void RefreshNow();
    // Cancel, Escape and the close box all end here; OK ends here once the schedule is armed.
    void done(int result) override;

signals:
    void okClicked();
    // A row was filled with a test schedule: the main window's title to show.
    void testRowFilled(const std::string& title);
    void closed(bool armed);

private:
    const Clock& clock_;
};

}  // namespace voltaro
