#include "app/FileDialogs.h"

#include <QFileDialog>

namespace voltaro {

std::vector<std::string> NameFiltersOf(const std::string& filter) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= filter.size()) {
        size_t bar = filter.find('|', start);
        if (bar == std::string::npos) bar = filter.size();
        parts.push_back(filter.substr(start, bar - start));
        start = bar + 1;
    }
    std::vector<std::string> out;
    for (size_t i = 0; i + 1 < parts.size(); i += 2) {
        const std::string& description = parts[i];
        const std::string& pattern = parts[i + 1];
        // The dialog reads the patterns from the parentheses of the description.
        if (description.find("(" + pattern + ")") != std::string::npos)
            out.push_back(description);
        else
            out.push_back(description + " (" + pattern + ")");
    }
    return out;
}

std::optional<std::string> QtFileDialogs::AskSaveName(const FileDialogRequest& request) {
    return Ask(request, true);
}

std::optional<std::string> QtFileDialogs::AskOpenName(const FileDialogRequest& request) {
    return Ask(request, false);
}

std::optional<std::string> QtFileDialogs::Ask(const FileDialogRequest& request, bool save) {
    QFileDialog dialog(parent_, QString::fromLatin1(request.title.c_str()),
                       QString::fromStdString(request.folder));
    dialog.setObjectName(save ? QStringLiteral("SaveFileDialog") : QStringLiteral("OpenFileDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    QStringList filters;
    for (const std::string& f : NameFiltersOf(request.filter)) filters << QString::fromLatin1(f.c_str());
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size())
        dialog.selectNameFilter(filters[request.filterIndex - 1]);
    if (!request.initialName.empty()) dialog.selectFile(QString::fromStdString(request.initialName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

}  // namespace voltaro
