#include "support/ScriptedMessages.h"

namespace voltaro {

MessageAnswer ScriptedMessages::ShowMessage(const std::string& message, MessageKind kind) {
    asked.push_back({message, kind});
    if (!answers.empty()) {
        const MessageAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    return StyleOf(kind).buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
}

}  // namespace voltaro
