#include "ui/widgets/MessageBoxQt.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <algorithm>
#include <memory>

namespace voltaro {

MessageAnswer MessageBoxQt::ShowMessage(const std::string& message, MessageKind kind) {
    const MessageStyle k = StyleOf(kind);
    auto owned = std::make_unique<QMessageBox>(parent_);
    QMessageBox& box = *owned;
    box.setWindowTitle(QString::fromStdString(k.title));
    QString text = QString::fromLatin1(message.data(), static_cast<qsizetype>(message.size()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box.setText(text);
    switch (k.icon) {
        case MessageIcon::Critical: box.setIcon(QMessageBox::Critical); break;
        case MessageIcon::Information: box.setIcon(QMessageBox::Information); break;
        case MessageIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
        case MessageIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    switch (k.buttons) {
        case MessageButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case MessageButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        case MessageButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
    }
    if (k.buttons == MessageButtons::Ok) {
        // The answer is known: no nested event loop holds the caller (a tick, a save) until
        // someone comes to the screen.
        box.setAttribute(Qt::WA_DeleteOnClose);
        box.setWindowModality(Qt::ApplicationModal);
        box.show();
        shown_.erase(std::remove_if(shown_.begin(), shown_.end(), [](const auto& b) { return !b; }),
                     shown_.end());
        shown_.emplace_back(owned.release());
        return MessageAnswer::Ok;
    }
    const int pressed = box.exec();
    switch (pressed) {
        case QMessageBox::Yes: return MessageAnswer::Yes;
        case QMessageBox::No: return MessageAnswer::No;
        case QMessageBox::Cancel: return MessageAnswer::Cancel;
        default: return k.buttons == MessageButtons::YesNoCancel ? MessageAnswer::Cancel : MessageAnswer::Ok;
    }
}

void MessageBoxQt::WaitUntilPressed() {
    const auto open = [this] {
        return std::any_of(shown_.begin(), shown_.end(),
                           [](const QPointer<QMessageBox>& b) { return b && b->isVisible(); });
    };
    while (open()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    shown_.clear();
}

}  // namespace voltaro
