#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace voltaro {

class Settings;

// "Set Title": the three titles printed at the top of every report page.
class ReportTitleDialog : public QDialog {
    Q_OBJECT
public:
    explicit ReportTitleDialog(Settings& stores, QWidget* parent = nullptr);

    std::array<QLabel*, 3> lineLabels{};
    std::array<QLineEdit*, 3> titleBoxes{};
    QPushButton* okButton = nullptr;  // OK
    QPushButton* cancelButton = nullptr;  // "Cancel"

    void ReadTitle();
    void SaveTitle();
    // The titles as stored.
    std::array<std::string, 3> Titles() const;

    // OK stores the titles; Cancel, Escape and the close box leave them as stored.
    void done(int result) override;

signals:
    void closed();

private:
    Settings& stores_;
};

}  // namespace voltaro
