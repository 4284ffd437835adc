#include "base/Messages.h"

#include <QString>

#include <cstdio>

namespace voltaro {

MessageStyle StyleOf(MessageKind kind) {
    switch (kind) {
        case MessageKind::Error: return {MessageIcon::Critical, MessageButtons::Ok, "Error Message"};
        case MessageKind::Exclamation: return {MessageIcon::Exclamation, MessageButtons::Ok, "Exclamation"};
        case MessageKind::YesNo: return {MessageIcon::Question, MessageButtons::YesNo, "Question"};
        case MessageKind::YesNoCancel: return {MessageIcon::Question, MessageButtons::YesNoCancel, "Question"};
        case MessageKind::Info: break;
    }
    return {MessageIcon::Information, MessageButtons::Ok, "Message"};
}

MessageAnswer ConsoleMessages::ShowMessage(const std::string& message, MessageKind kind) {
    const MessageStyle style = StyleOf(kind);
    QString text = QString::fromLatin1(message.data(), static_cast<qsizetype>(message.size()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    std::fprintf(stderr, "%s: %s\n", style.title.c_str(), text.toUtf8().constData());
    return style.buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
}

}  // namespace voltaro
