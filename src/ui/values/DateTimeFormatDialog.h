#pragma once

#include <QDialog>
#include <array>

class QListWidget;
class QPushButton;
class QRadioButton;

namespace voltaro {

// "Date/Time Format": the 24 layouts of recorded dates and times and the 12/24-hour clock.
class DateTimeFormatDialog : public QDialog {
    Q_OBJECT
public:
    explicit DateTimeFormatDialog(QWidget* parent = nullptr);

    QListWidget* formatList = nullptr;
    std::array<QRadioButton*, 2> Option1{};  // "12 Hour Clock", "24 Hour Clock"
    QPushButton* okButton = nullptr;         // confirm
    QPushButton* cancelButton = nullptr;         // "Cancel"

    int SelectedEntry() const;
    bool TwelveHour() const;
    // The stored choice, without running the clicks.
    void Select(int entry, bool twelveHour);

    // Escape and the close box end as Cancel does.
    void reject() override;

signals:
    // A click on the list or a clock option: the sample in the title is due.
    void choiceClicked();
    void confirmed();
    void cancelled();
};

}  // namespace voltaro
