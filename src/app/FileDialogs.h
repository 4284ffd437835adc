#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace voltaro {

// What a save dialog is opened with. The filter is written as description and pattern pairs
// joined by "|" ("Recording Files (*.dmm)|*.dmm").
struct SaveDialogRequest {
    std::string title;
    std::string filter;
    int filterIndex = 0;
    std::string folder;
    std::string initialName;
};

// The open and save dialogs. Paths are UTF-8, as the file system takes them.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen path, or nothing when the dialog was cancelled.
    virtual std::optional<std::string> AskSaveName(const SaveDialogRequest& request) = 0;
};

// The platform's dialog (Qt's own, so that a test can drive it like a person).
class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    std::optional<std::string> AskSaveName(const SaveDialogRequest& request) override;

private:
    QWidget* parent_;
};

// Answers from a script: each answer a path, or nothing for Cancel. Records every request.
class ScriptedFileDialogs : public FileDialogs {
public:
    std::optional<std::string> AskSaveName(const SaveDialogRequest& request) override {
        asked.push_back(request);
        if (answers.empty()) return std::nullopt;
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
    std::deque<std::optional<std::string>> answers;
    std::vector<SaveDialogRequest> asked;
};

// "A (*.a)|*.a|B (*.b)|*.b" as the dialog's name filters ("A (*.a)", "B (*.b)").
std::vector<std::string> NameFiltersOf(const std::string& filter);

}  // namespace voltaro
