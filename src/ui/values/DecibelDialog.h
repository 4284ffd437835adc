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

    std::array<QRadioButton*, 3> modeOptions{};
    QLineEdit* Text1 = nullptr;  // line impedance, for dBm only
    QLabel* impedanceNote = nullptr;
    QPushButton* okButton = nullptr;  // confirm
    QPushButton* cancelButton = nullptr;  // "Cancel"

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

    QPlainTextEdit* tableText = nullptr;
    QPushButton* testButton = nullptr;  // prints the table

    void PrintTable();
};

}  // namespace voltaro
