#pragma once

#include <string>

namespace voltaro {

enum class MessageIcon { Critical, Information, Exclamation, Question };
enum class MessageButtons { Ok, YesNo, YesNoCancel };

// What a kind keyword ("error", "info", "exc", "yesno", "yesnoc", any letter case) selects.
struct MessageKind {
    MessageIcon icon;
    MessageButtons buttons;
    std::string title;
};
MessageKind KindOf(const std::string& kind);

// Answers as the pressed button's number written as text.
inline const std::string kAnswerOk = "1";
inline const std::string kAnswerCancel = "2";
inline const std::string kAnswerYes = "6";
inline const std::string kAnswerNo = "7";

// Every message and question of the program goes through this seam. The text is single-byte
// (Latin-1); lines break at CR LF.
class MessageSeam {
public:
    virtual ~MessageSeam() = default;
    virtual std::string ShowMessage(const std::string& message, const std::string& kind) = 0;
};

// Writes every message to standard error and answers OK/Yes; for the command-line tools.
class ConsoleMessages : public MessageSeam {
public:
    std::string ShowMessage(const std::string& message, const std::string& kind) override;
};

}  // namespace voltaro
