#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

namespace voltaro {

// "AutoSave": whether recording data is saved automatically.
class AutoSaveDialog : public QDialog {
    Q_OBJECT
public:
    explicit AutoSaveDialog(QWidget* parent = nullptr);

    QCheckBox* Check1 = nullptr;
    QLabel* promptLabel = nullptr;
    QPushButton* okButton = nullptr;  // "OK"
    QPushButton* cancelButton = nullptr;  // "Cancel"

    void reject() override;

signals:
    void confirmed();
    void cancelled();
};

}  // namespace voltaro
