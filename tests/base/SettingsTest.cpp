#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "base/Settings.h"
#include "support/MemorySettingsStore.h"

using namespace voltaro;

TEST(Settings, EmptyAndMissingValues) {
    QTemporaryDir dir;
    MemorySettingsStore store;
    IniFile ini(dir.filePath("Setup.ini").toStdString());
    Settings s(store, ini);
    EXPECT_EQ(s.IniGet("Communications", "Port", "2"), "2");
    ASSERT_TRUE(s.IniSet("Communications", "Port", ""));
    EXPECT_EQ(s.IniGet("Communications", "Port", "2"), "2");
    // The per-user store gives back an empty text that was stored on purpose.
    s.SettingSave("frmDeciBels", "OptdB", "");
    EXPECT_EQ(s.SettingGet("frmDeciBels", "OptdB", "2"), "");
    EXPECT_EQ(s.SettingGetText("frmDeciBels", "OptdB", "2"), "2");
    EXPECT_EQ(ParseInteger(" +12 "), 12);
    EXPECT_FALSE(ParseInteger("3x"));
    EXPECT_FALSE(ParseInteger("99999999999"));
    EXPECT_EQ(ParseBoolean("-1"), true);
    EXPECT_EQ(ParseBoolean("FALSE"), false);
    EXPECT_FALSE(ParseBoolean("1"));
}

TEST(Settings, FileExistsOnlyForFiles) {
    QTemporaryDir dir;
    QFile f(dir.filePath("a.dmm"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_TRUE(FileExists(dir.filePath("a.dmm").toStdString()));
    EXPECT_FALSE(FileExists(dir.filePath("b.dmm").toStdString()));
    EXPECT_FALSE(FileExists(dir.path().toStdString()));
    EXPECT_FALSE(FileExists(""));
}
