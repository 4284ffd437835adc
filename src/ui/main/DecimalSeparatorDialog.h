#pragma once

#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace voltaro {

// "Select Decimal": the separator between a file name and its extension, offered at start-up
// until "Don't show me this again" is ticked.
class DecimalSeparatorDialog : public QDialog {
    Q_OBJECT
public:
    explicit DecimalSeparatorDialog(QWidget* parent = nullptr);

    std::array<QRadioButton*, 2> Option1{};
    QCheckBox* Check1 = nullptr;
    QLabel* promptLabel = nullptr;
    QPushButton* okButton = nullptr;  // confirm
    QPushButton* cancelButton = nullptr;  // "Cancel"

    // OK, Cancel, Escape and the close box all end here.
    void done(int result) override;

signals:
    // The dialog closed: confirmed or cancelled.
    void closed(bool confirmed);
};

}  // namespace voltaro
