#include "app/FileCommands.h"

#include <algorithm>
#include <cctype>

#include "base/Messages.h"

namespace voltaro {

std::string CheckFileName(const std::string& name) {
    if (name.size() >= 4 && name[name.size() - 4] == '.') return name;
    return name + ".dmm";
}

int FilterIndexFor(const std::string& extension) {
    std::string e = extension;
    std::transform(e.begin(), e.end(), e.begin(), [](unsigned char c) { return std::tolower(c); });
    if (e == "csv") return 1;
    if (e == "txt") return 2;
    if (e == "xls") return 3;
    return 0;
}

void AddRecentFile(std::array<std::string, 6>& list, const std::string& path) {
    std::array<std::string, 6> next;
    size_t j = 0;
    next[j++] = path;
    for (const std::string& entry : list) {
        if (j == next.size()) break;
        if (entry != path) next[j++] = entry;
    }
    list = next;
}

std::string TypePattern(const std::string& type) {
    const size_t open = type.find('(');
    const size_t close = type.find(')');
    if (open == std::string::npos || close == std::string::npos || close < open) return "";
    return type.substr(open + 1, close - open - 1);
}

std::string DeleteQuestion(const std::string& fullName) {
    return "'" + fullName + "'\r\nDo you want Delete it ?";
}

MessageAnswer CheckSave(int recordCount, MessageSeam& messages, const std::function<bool()>& saveAs) {
    if (recordCount == 0) return MessageAnswer::Ok;
    const MessageAnswer answer = messages.ShowMessage(kChangedQuestion, MessageKind::YesNoCancel);
    if (answer == MessageAnswer::Yes && !saveAs()) return MessageAnswer::Cancel;
    return answer;
}

}  // namespace voltaro
