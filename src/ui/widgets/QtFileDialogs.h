#pragma once

#include "base/FileDialogs.h"

class QWidget;

namespace voltaro {

// The platform's dialog (Qt's own, so that a test can drive it like a person).
class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    std::optional<std::string> AskSaveName(const FileDialogRequest& request) override;
    std::optional<std::string> AskOpenName(const FileDialogRequest& request) override;

private:
    std::optional<std::string> Ask(const FileDialogRequest& request, bool save);
    QWidget* parent_;
};

}  // namespace voltaro
