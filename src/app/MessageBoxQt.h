#pragma once

#include "app/Messages.h"

class QWidget;

namespace voltaro {

// The real message box: modal, with the icon, buttons and title of its kind.
class MessageBoxQt : public MessageSeam {
public:
    explicit MessageBoxQt(QWidget* parent = nullptr) : parent_(parent) {}
    std::string ShowMessage(const std::string& message, const std::string& kind) override;

private:
    QWidget* parent_;
};

}  // namespace voltaro
