#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <functional>

#include "ui/widgets/MessageBoxQt.h"

using namespace voltaro;

namespace {

// Acts on the box once it is up, as a person would.
MessageAnswer Answer(const std::string& message, MessageKind kind,
                   std::function<void(QMessageBox*)> act) {
    QTimer::singleShot(0, [act] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        act(box);
    });
    MessageBoxQt boxes(nullptr);
    return boxes.ShowMessage(message, kind);
}

}  // namespace

// A box with only OK has its answer already: it stays up, modal, until it is pressed, while the
// caller (a recording tick, a save) goes on.
TEST(MessageBoxQt, ABoxWithOnlyOkIsShownAndWaitsForNothing) {
    const struct {
        MessageKind kind;
        const char* title;
        QMessageBox::Icon icon;
    } kinds[] = {{MessageKind::Error, "Error Message", QMessageBox::Critical},
                 {MessageKind::Info, "Message", QMessageBox::Information},
                 {MessageKind::Exclamation, "Exclamation", QMessageBox::Warning}};
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.title);
        // Presses OK once the event loop runs: inside the box, were it to wait.
        QTimer::singleShot(0, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->button(QMessageBox::Ok)->click();
        });
        MessageBoxQt boxes(nullptr);
        EXPECT_EQ(boxes.ShowMessage("All Ports in Use!", k.kind), MessageAnswer::Ok);
        QPointer<QMessageBox> box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr) << "still up when the answer is back";
        EXPECT_EQ(box->windowTitle(), QString::fromLatin1(k.title));
        EXPECT_EQ(box->icon(), k.icon);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        EXPECT_EQ(box->text(), QStringLiteral("All Ports in Use!"));
        boxes.WaitUntilPressed();
        EXPECT_TRUE(!box || !box->isVisible());
    }
}

TEST(MessageBoxQt, YesNoCancelAnswers) {
    EXPECT_EQ(Answer("Current file has been changed !", MessageKind::YesNoCancel,
                     [](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); }),
              MessageAnswer::Yes);
    EXPECT_EQ(Answer("Current file has been changed !", MessageKind::YesNoCancel,
                     [](QMessageBox* box) { box->button(QMessageBox::No)->click(); }),
              MessageAnswer::No);
    // The window's close box answers as Cancel.
    EXPECT_EQ(Answer("Current file has been changed !", MessageKind::YesNoCancel,
                     [](QMessageBox* box) {
                         EXPECT_EQ(box->windowTitle(), QStringLiteral("Question"));
                         box->close();
                     }),
              MessageAnswer::Cancel);
}
