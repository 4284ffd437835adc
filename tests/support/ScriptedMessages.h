#pragma once

#include <deque>
#include <string>
#include <vector>

#include "base/Messages.h"

namespace voltaro {

// Answers from a script and records every question. With the script used up it answers as the
// box's first button would.
class ScriptedMessages : public MessageSeam {
public:
    struct Asked {
        std::string message;
        MessageKind kind;
    };
    MessageAnswer ShowMessage(const std::string& message, MessageKind kind) override;

    std::deque<MessageAnswer> answers;
    std::vector<Asked> asked;
};

}  // namespace voltaro
