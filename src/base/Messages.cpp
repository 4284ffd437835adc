#include "base/Messages.h"

#include <QString>

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace voltaro {

MessageKind KindOf(const std::string& kind) {
    std::string k = kind;
    std::transform(k.begin(), k.end(), k.begin(), [](unsigned char c) { return std::tolower(c); });
    if (k == "error") return {MessageIcon::Critical, MessageButtons::Ok, "Error Message"};
    if (k == "exc") return {MessageIcon::Exclamation, MessageButtons::Ok, "Exclamation"};
    if (k == "yesno") return {MessageIcon::Question, MessageButtons::YesNo, "Question"};
    if (k == "yesnoc") return {MessageIcon::Question, MessageButtons::YesNoCancel, "Question"};
    return {MessageIcon::Information, MessageButtons::Ok, "Message"};  // "info" and the unknown
}

std::string ConsoleMessages::ShowMessage(const std::string& message, const std::string& kind) {
    const MessageKind k = KindOf(kind);
    QString text = QString::fromLatin1(message.data(), static_cast<qsizetype>(message.size()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    std::fprintf(stderr, "%s: %s\n", k.title.c_str(), text.toUtf8().constData());
    return k.buttons == MessageButtons::Ok ? kAnswerOk : kAnswerYes;
}

}  // namespace voltaro
