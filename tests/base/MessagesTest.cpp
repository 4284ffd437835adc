#include "base/Messages.h"

#include <gtest/gtest.h>

using namespace voltaro;

TEST(Messages, KindSelectsIconButtonsAndTitle) {
    const struct {
        MessageKind kind;
        MessageIcon icon;
        MessageButtons buttons;
        const char* title;
    } kinds[] = {
        {MessageKind::Error, MessageIcon::Critical, MessageButtons::Ok, "Error Message"},
        {MessageKind::Info, MessageIcon::Information, MessageButtons::Ok, "Message"},
        {MessageKind::Exclamation, MessageIcon::Exclamation, MessageButtons::Ok, "Exclamation"},
        {MessageKind::YesNo, MessageIcon::Question, MessageButtons::YesNo, "Question"},
        {MessageKind::YesNoCancel, MessageIcon::Question, MessageButtons::YesNoCancel, "Question"},
    };
    for (const auto& k : kinds) {
        SCOPED_TRACE(k.title);
        const MessageStyle style = StyleOf(k.kind);
        EXPECT_EQ(style.icon, k.icon);
        EXPECT_EQ(style.buttons, k.buttons);
        EXPECT_EQ(style.title, k.title);
    }
}
