#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>

#include "app/MessageBoxQt.h"

using namespace voltaro;

namespace {

// Acts on the box once it is up, as a person would.
std::string Answer(const std::string& message, const std::string& kind,
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

TEST(MessageBoxQt, ErrorBoxHasOneOkButton) {
    const std::string answer = Answer("All Ports in Use!", "ERROR", [](QMessageBox* box) {
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Error Message"));
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        EXPECT_EQ(box->text(), QStringLiteral("All Ports in Use!"));
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(answer, "1");
}

TEST(MessageBoxQt, YesNoCancelAnswers) {
    EXPECT_EQ(Answer("Current file has been changed !", "yesnoc",
                     [](QMessageBox* box) { box->button(QMessageBox::Yes)->click(); }),
              "6");
    EXPECT_EQ(Answer("Current file has been changed !", "yesnoc",
                     [](QMessageBox* box) { box->button(QMessageBox::No)->click(); }),
              "7");
    // The window's close box answers as Cancel.
    EXPECT_EQ(Answer("Current file has been changed !", "YesNoC",
                     [](QMessageBox* box) {
                         EXPECT_EQ(box->windowTitle(), QStringLiteral("Question"));
                         box->close();
                     }),
              "2");
}
