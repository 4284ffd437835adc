#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "base/FileDialogs.h"

namespace voltaro {

// Answers from a script: each answer a path, or nothing for Cancel. Records every request, and
// whether it was an open dialog.
class ScriptedFileDialogs : public FileDialogs {
public:
    std::optional<std::string> AskSaveName(const FileDialogRequest& request) override {
        return Answer(request, false);
    }
    std::optional<std::string> AskOpenName(const FileDialogRequest& request) override {
        return Answer(request, true);
    }
    std::deque<std::optional<std::string>> answers;
    std::vector<FileDialogRequest> asked;
    std::vector<bool> openDialog;

private:
    std::optional<std::string> Answer(const FileDialogRequest& request, bool open) {
        asked.push_back(request);
        openDialog.push_back(open);
        if (answers.empty()) return std::nullopt;
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
};

}  // namespace voltaro
