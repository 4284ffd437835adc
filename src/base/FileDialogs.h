#pragma once

#include <optional>
#include <string>
#include <vector>

namespace voltaro {

// What an open or save dialog is opened with. The filter is written as description and pattern
// pairs joined by "|" ("Recording Files (*.dmm)|*.dmm"); the filter index counts from 1 (0: the
// first).
struct FileDialogRequest {
    std::string title;
    std::string filter;
    int filterIndex = 0;
    std::string folder;
    std::string initialName;
    bool operator==(const FileDialogRequest&) const = default;
};

// The open and save dialogs. Paths are UTF-8, as the file system takes them.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen path, or nothing when the dialog was cancelled. A save dialog asks before it
    // names a file that exists; an open dialog offers only files that exist.
    virtual std::optional<std::string> AskSaveName(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> AskOpenName(const FileDialogRequest& request) = 0;
};

// "A (*.a)|*.a|B (*.b)|*.b" as the dialog's name filters ("A (*.a)", "B (*.b)").
std::vector<std::string> NameFiltersOf(const std::string& filter);

}  // namespace voltaro
