#include "support/ScriptedMessages.h"

namespace voltaro {

std::string ScriptedMessages::ShowMessage(const std::string& message, const std::string& kind) {
    asked.push_back({message, kind});
    if (!answers.empty()) {
        std::string a = answers.front();
        answers.pop_front();
        return a;
    }
    return KindOf(kind).buttons == MessageButtons::Ok ? kAnswerOk : kAnswerYes;
}

}  // namespace voltaro
