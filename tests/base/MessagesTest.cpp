#include "base/Messages.h"

#include <gtest/gtest.h>

using namespace voltaro;

TEST(Messages, KindKeywordSelectsIconButtonsAndTitleInAnyCase) {
    const MessageKind error = KindOf("ERROR");
    EXPECT_EQ(error.icon, MessageIcon::Critical);
    EXPECT_EQ(error.buttons, MessageButtons::Ok);
    EXPECT_EQ(error.title, "Error Message");
    EXPECT_EQ(KindOf("info").title, "Message");
    EXPECT_EQ(KindOf("Exc").icon, MessageIcon::Exclamation);
    EXPECT_EQ(KindOf("exc").title, "Exclamation");
    EXPECT_EQ(KindOf("yesno").buttons, MessageButtons::YesNo);
    EXPECT_EQ(KindOf("YesNoC").buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(KindOf("yesnoc").title, "Question");
}
