#pragma once

#include <string>

namespace voltaro {

enum class MessageIcon { Critical, Information, Exclamation, Question };
enum class MessageButtons { Ok, YesNo, YesNoCancel };

// What the caller means by a message; each selects the box's icon, buttons and title.
enum class MessageKind { Error, Info, Exclamation, YesNo, YesNoCancel };

// The button that was pressed.
enum class MessageAnswer { Ok, Cancel, Yes, No };

struct MessageStyle {
    MessageIcon icon;
    MessageButtons buttons;
    std::string title;
};
MessageStyle StyleOf(MessageKind kind);

// Every message and question of the program goes through this seam. The text is single-byte
// (Latin-1); lines break at CR LF.
class MessageSeam {
public:
    virtual ~MessageSeam() = default;
    virtual MessageAnswer ShowMessage(const std::string& message, MessageKind kind) = 0;
};

// Writes every message to standard error and answers OK/Yes; for the command-line tools.
class ConsoleMessages : public MessageSeam {
public:
    MessageAnswer ShowMessage(const std::string& message, MessageKind kind) override;
};

}  // namespace voltaro
