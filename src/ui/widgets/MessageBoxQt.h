#pragma once

#include <QPointer>
#include <vector>

#include "base/Messages.h"

class QMessageBox;
class QWidget;

namespace voltaro {

// The real message box, with the icon, buttons and title of its kind. A question is modal and
// waits for its answer. A box with only OK is modal to the eye but waits for nothing: it stays
// up until it is pressed while the caller, a recording tick or a save among them, goes on.
class MessageBoxQt : public MessageSeam {
public:
    explicit MessageBoxQt(QWidget* parent = nullptr) : parent_(parent) {}
    MessageAnswer ShowMessage(const std::string& message, MessageKind kind) override;
    // Lets the event loop run until every box with only OK has been pressed (before the
    // program ends on a message of its own).
    void WaitUntilPressed();

private:
    QWidget* parent_;
    std::vector<QPointer<QMessageBox>> shown_;
};

}  // namespace voltaro
