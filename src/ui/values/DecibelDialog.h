#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QPlainTextEdit;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace voltaro {

// "Decibels": dBV, dBm into a line impedance, or decibels of the difference from REL.
class DecibelDialog : public QDialog {
    Q_OBJECT
public:
    explicit DecibelDialog(QWidget* parent = nullptr);

    std::array<QRadioButton*, 3> OptdB{};
    QLineEdit* Text1 = nullptr;  // line impedance, for dBm only
    QLabel* Label1 = nullptr;
    QPushButton* Command1 = nullptr;  // confirm
    QPushButton* Command2 = nullptr;  // "Cancel"

    // Selects the option without running its click.
    void Select(int index);

    // Escape and the close box end as Cancel does.
    void reject() override;

signals:
    void optionClicked(int index);
    void confirmed();
    void cancelled();
};

// "Db Test": the table of test conversions, printed by its button.
class DecibelTableDialog : public QDialog {
    Q_OBJECT
public:
    explicit DecibelTableDialog(QWidget* parent = nullptr);

    QPlainTextEdit* Output = nullptr;
    QPushButton* Command1 = nullptr;  // prints the table

    void Command1_Click();
};

}  // namespace voltaro
