#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/Settings.h"

using namespace voltaro;

TEST(Settings, IniGetNeedsTheFileAndAValue) {
    QTemporaryDir dir;
    MemorySettingsStore store;
    IniFile ini(dir.filePath("Setup.ini").toStdString());
    Settings s(store, ini);
    EXPECT_EQ(s.IniGet("Communications", "Port", "2"), "2");
    ASSERT_TRUE(s.IniSet("Communications", "Port", ""));
    EXPECT_EQ(s.IniGet("Communications", "Port", "2"), "2");
    ASSERT_TRUE(s.IniSet("Communications", "Port", "7"));
    EXPECT_EQ(s.IniGet("Communications", "Port", "2"), "7");
    EXPECT_EQ(s.IniGetInt("Communications", "Port", 2), 7);
}

TEST(Settings, PerUserStoreKeepsAnEmptyTextApartFromAMissingOne) {
    MemorySettingsStore store;
    IniFile ini("");
    Settings s(store, ini);
    EXPECT_EQ(s.SettingGet("frmMain", "TimeF", "HH:MM:SS"), "HH:MM:SS");
    s.SettingSave("frmMain", "TimeF", "");
    EXPECT_EQ(s.SettingGet("frmMain", "TimeF", "HH:MM:SS"), "");
    EXPECT_EQ(s.SettingGetText("frmMain", "TimeF", "HH:MM:SS"), "HH:MM:SS");
    EXPECT_EQ(store.values.begin()->first,
              std::make_tuple(std::string("voltaro"), std::string("frmMain"), std::string("TimeF")));
}

TEST(Settings, TypedTexts) {
    EXPECT_EQ(ParseInteger(" 12 "), 12);
    EXPECT_EQ(ParseInteger("+3"), 3);
    EXPECT_EQ(ParseInteger("-3"), -3);
    EXPECT_FALSE(ParseInteger("3x"));
    EXPECT_FALSE(ParseInteger("1.5"));
    EXPECT_FALSE(ParseInteger(""));
    EXPECT_FALSE(ParseInteger("99999999999"));
    EXPECT_EQ(ParseBoolean("True"), true);
    EXPECT_EQ(ParseBoolean("-1"), true);
    EXPECT_EQ(ParseBoolean("FALSE"), false);
    EXPECT_EQ(ParseBoolean("0"), false);
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
