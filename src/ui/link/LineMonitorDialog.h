#pragma once

#include <QWidget>
#include <array>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace voltaro {

// "CommPort Revice Data": shows the raw frames of the line while the main window's port is
// closed, on the window's own port.
class LineMonitorDialog : public QWidget {
    Q_OBJECT
public:
    explicit LineMonitorDialog(QWidget* parent = nullptr);

    std::array<QLabel*, 2> labCount{};  // 0: polls that found a frame's worth of characters
    QLabel* labDigits = nullptr;
    QPlainTextEdit* Text1 = nullptr;  // the latest frames, at most 176 characters
    QLabel* labText = nullptr;
    QLabel* labDC = nullptr;
    QLabel* labPort = nullptr;  // port number and the device behind it
    QPushButton* cmdStart = nullptr;
    QPushButton* cmdStop = nullptr;
    QPushButton* cmdExit = nullptr;

signals:
    void activated();
    void closing();

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
};

}  // namespace voltaro
