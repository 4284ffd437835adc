#include "app/MessageBoxQt.h"

#include <QMessageBox>

namespace voltaro {

std::string MessageBoxQt::ShowMessage(const std::string& message, const std::string& kind) {
    const MessageKind k = KindOf(kind);
    QMessageBox box(parent_);
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
    const int pressed = box.exec();
    switch (pressed) {
        case QMessageBox::Yes: return kAnswerYes;
        case QMessageBox::No: return kAnswerNo;
        case QMessageBox::Cancel: return kAnswerCancel;
        default: return k.buttons == MessageButtons::YesNoCancel ? kAnswerCancel : kAnswerOk;
    }
}

}  // namespace voltaro
