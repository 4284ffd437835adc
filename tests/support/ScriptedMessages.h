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
        std::string kind;
    };
    std::string ShowMessage(const std::string& message, const std::string& kind) override;

    std::deque<std::string> answers;
    std::vector<Asked> asked;
};

}  // namespace voltaro
