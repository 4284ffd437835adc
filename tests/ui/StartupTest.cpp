#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

#include "ProgramHarness.h"
#include "ui/main/AboutDialog.h"

namespace voltaro {
namespace {

TEST(Startup, PortOpensOnlyWhenTimer3FiresTwoSecondsAfterLoad) {
    ProgramHarness h;
    ASSERT_TRUE(h.Start());
    WindowUnderTest& f = *h.w;
    EXPECT_FALSE(h.MainPort().PortOpen());
    EXPECT_TRUE(f.portOpenDelay.isActive());
    EXPECT_EQ(f.portOpenDelay.interval(), 2000);
    EXPECT_TRUE(f.pollTimer.isActive());
    EXPECT_EQ(f.pollTimer.interval(), 500);

    Fire(f.portOpenDelay);
    EXPECT_TRUE(h.MainPort().PortOpen());
    EXPECT_EQ(h.MainPort().openedPort, 2);
    EXPECT_EQ(h.MainPort().openedSettings, "2400,O,7,1");
    EXPECT_FALSE(f.portOpenDelay.isActive()) << "Timer3 fires once";
    EXPECT_EQ(f.portEdit->text(), "COM2");
}

TEST(Startup, TestBoxIsShownOnlyInDebugMode) {
    for (bool debug : {false, true}) {
        ProgramHarness h(debug);
        ASSERT_TRUE(h.Start());
        EXPECT_EQ(h.w->testModeBox->isVisibleTo(h.form.get()), debug);
    }
}

TEST(Startup, ProductTitleDropsTheLastSixCharacters) {
    ProgramHarness h;
    h.store.Save("voltaro", "voltaro", "voltaro", "Bench Meter 2000 x86-64");
    ASSERT_TRUE(h.Start());
    h.w->aboutAction->trigger();
    EXPECT_EQ(static_cast<AboutDialog&>(*h.w->dialogs.about).titleLabel->text(), "Bench Meter 2000 ");

    ProgramHarness shortTitle;
    shortTitle.store.Save("voltaro", "voltaro", "voltaro", "abc");
    ASSERT_TRUE(shortTitle.Start());
    shortTitle.w->aboutAction->trigger();
    EXPECT_EQ(static_cast<AboutDialog&>(*shortTitle.w->dialogs.about).titleLabel->text(), "");
}

TEST(PortSpinner, OneStepReopensTheNextPortAndStopsAtTheEnds) {
    ProgramHarness h;
    ASSERT_TRUE(h.Start());
    WindowUnderTest& f = *h.w;
    f.portSpinner->setValue(-2);
    Fire(f.portOpenDelay);
    ASSERT_EQ(h.MainPort().openedPort, 2);

    f.portSpinner->setValue(-3);  // one step up
    EXPECT_TRUE(h.MainPort().PortOpen());
    EXPECT_EQ(h.MainPort().openedPort, 3);
    EXPECT_EQ(f.portEdit->text(), "COM3");
    EXPECT_TRUE(f.portSpinner->isEnabled());

    f.portSpinner->setValue(-9);
    EXPECT_EQ(f.portSpinner->value(), -8) << "no port beyond COM8";
    EXPECT_EQ(h.MainPort().openedPort, 8);
    f.portSpinner->setValue(0);
    EXPECT_EQ(f.portSpinner->value(), -1) << "no port below COM1";
    EXPECT_EQ(h.MainPort().openedPort, 1);
}

TEST(Help, ContentsOpensTheHelpFileBesideTheProgramOrSaysThereIsNoBrowser) {
    for (const char* browser : {"/bin/sh", "/nonexistent/browser"}) {  // any existing program file, none
        SCOPED_TRACE(browser);
        ProgramHarness h;
        h.ctx.htmlBrowser = browser;
        std::vector<std::vector<std::string>> started;
        h.ctx.startProgram = [&](const std::string&, const std::vector<std::string>& a) {
            started.push_back(a);
        };
        ASSERT_TRUE(h.Start());
        QFile page(QString::fromStdString(h.ctx.programFolder + "/DMM-Help.htm"));
        ASSERT_TRUE(page.open(QIODevice::WriteOnly));
        page.close();
        h.w->contentsAction->trigger();
        if (QFile::exists(browser)) {
            EXPECT_TRUE(h.messages.asked.empty());
            EXPECT_EQ(started,
                      (std::vector<std::vector<std::string>>{{h.ctx.programFolder + "/DMM-Help.htm"}}));
            continue;
        }
        ASSERT_EQ(h.messages.asked.size(), 1u);
        EXPECT_EQ(h.messages.asked[0].message,
                  "Can'nt Find Htm File Explorer!\r\n" + h.ctx.programFolder + "/DMM-Help.htm");
        EXPECT_EQ(h.messages.asked[0].kind, MessageKind::Error);
        EXPECT_TRUE(started.empty());
    }
}

}  // namespace
}  // namespace voltaro
