#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "app/AppSettings.h"
#include "base/QtSettingsStore.h"
#include "base/Settings.h"
#include "support/MemorySettingsStore.h"

using namespace voltaro;

namespace {

const std::string kFolder = "prog";

struct Stores {
    QTemporaryDir dir;
    MemorySettingsStore store;
    IniFile ini{dir.filePath("Setup.ini").toStdString()};
    Settings settings{store, ini};

    void PutIni(const QByteArray& bytes) {
        QFile f(QString::fromStdString(ini.Path()));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    void Put(const std::string& key, const std::string& value) {
        store.Save("voltaro", "frmMain", key, value);
    }
    std::string Stored(const std::string& key) const {
        return store.Get("voltaro", "frmMain", key).value_or("-");
    }
};

void ExpectDefaults(const AppSettings& a) {
    EXPECT_EQ(a.PortText, "2");
    EXPECT_EQ(a.LineSettings, "2400,O,7,1");  // indices 0, 0, 3, 0
    EXPECT_EQ(a.DateF, "YY/MM/DD");
    EXPECT_EQ(a.TimeF, "HH:MM:SS");
    EXPECT_TRUE(a.DateofTime);
    EXPECT_EQ(a.MaxBar, 4000);
    EXPECT_EQ(a.ListFormat, 0);
    EXPECT_TRUE(a.Format);
    EXPECT_EQ(a.ExtDim, ".");
    EXPECT_EQ(a.AutoSave, 1);
    EXPECT_EQ(a.Path, kFolder);
}

}  // namespace

TEST(AppSettings, EmptyStoresGiveTheDefaults) {
    Stores s;
    ExpectDefaults(LoadSettings(s.settings, kFolder));
    EXPECT_EQ(s.Stored("Parity"), "-");
    s.Put("Version", "0.9.1");  // another version marks the parity
    LoadSettings(s.settings, kFolder);
    EXPECT_EQ(s.Stored("Parity"), "2");
}

TEST(AppSettings, BadValuesFallBackAndSaveSoundly) {
    Stores s;
    s.PutIni("[Communications]\r\nPort=-3\r\nBaud=7\r\nParity=two\r\nData=1\r\nStop=\r\n");
    s.Put("ListFormat", "99");
    s.Put("DateofTime", "maybe");
    s.Put("TimeF", "\x01\xfe\xff");
    s.Put("MaxBar", "-5");
    s.Put("ExtDimF", "7");
    s.Put("AutoSave", "abc");  // read by its leading digits: none, so 0
    AppSettings a = LoadSettings(s.settings, kFolder);
    EXPECT_EQ(a.AutoSave, 0);
    a.AutoSave = 1;
    ExpectDefaults(a);
    SaveSettings(a, s.settings);
    EXPECT_EQ(s.ini.IniReadRaw("Communications", "Baud"), "0");
    EXPECT_EQ(s.Stored("ListFormat"), "0");
    ExpectDefaults(LoadSettings(s.settings, kFolder));
}

TEST(AppSettings, PortZeroAndThePortScan) {
    Stores s;
    // Data 9 is the hidden choice of 4 bits, which no port opens with: the default instead.
    s.PutIni("[Communications]\r\nPort=0\r\nData=9\r\nStop=2\r\n");
    const AppSettings a = LoadSettings(s.settings, kFolder);
    EXPECT_EQ(a.PortText, "1");
    EXPECT_EQ(a.LineSettings, "2400,O,7,2");
    SaveSettings(a, s.settings);
    EXPECT_EQ(s.ini.IniReadRaw("Communications", "Port"), "1");
    const AppSettings moved = LoadSettings(s.settings, kFolder, [](AppSettings& app) { app.Port = 3; });
    EXPECT_EQ(moved.PortText, "3");
}

TEST(AppSettings, SerialTextsFromIndicesWithoutAChoice) {
    AppSettings a;
    a.Baud = 7;
    a.Parity = -1;
    a.Data = 1;  // a gap between the data-bits choices
    a.Stop = 3;
    a.MakeSerialTexts();
    EXPECT_EQ(a.LineSettings, "2400,O,7,1");
    EXPECT_EQ(a.Data, 3);
}

// The real stores: QSettings files and "Setup.ini" in a folder of the test's own.
class RealStores : public ::testing::Test {
protected:
    void SetUp() override { QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path()); }
    QTemporaryDir dir;
    IniFile ini{dir.filePath("Setup.ini").toStdString()};
};

TEST_F(RealStores, RoundTripThroughFiles) {
    ini.IniWriteRaw("Ports", "COM3", "/dev/pts/7");
    {
        QtSettingsStore store(QStringLiteral("voltaro-test"));
        Settings settings(store, ini);
        AppSettings a = LoadSettings(settings, kFolder);
        a.Port = 5;
        a.Baud = 1;
        a.MakeSerialTexts();
        a.RecentFiles[0] = "runs/caf\xe9.dmm";
        a.DateofTime = false;
        a.TimeF = "HH:MM   AMPM";
        a.ListFormat = 19;
        a.ExtDimF = 1;
        a.Path = "/data/readings";
        SaveSettings(a, settings);
    }
    QtSettingsStore store(QStringLiteral("voltaro-test"));
    Settings settings(store, ini);
    const AppSettings b = LoadSettings(settings, kFolder);
    EXPECT_EQ(b.PortText, "5");
    EXPECT_EQ(b.LineSettings, "4800,O,7,1");
    EXPECT_EQ(b.RecentFiles[0], "runs/caf\xe9.dmm");
    EXPECT_FALSE(b.DateofTime);
    EXPECT_EQ(b.TimeF, "HH:MM   AMPM");
    EXPECT_EQ(b.ListFormat, 19);
    EXPECT_EQ(b.ExtDim, ",");
    EXPECT_EQ(b.Path, "/data/readings");
    EXPECT_EQ(ini.IniReadRaw("Ports", "COM3"), "/dev/pts/7");
}

TEST_F(RealStores, MangledPerUserStoreGivesDefaultsAndTakesNewValues) {
    QDir().mkpath(dir.filePath("voltaro-test"));
    {
        QFile f(dir.filePath("voltaro-test/voltaro.conf"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        QByteArray junk("[frmMain]\nListFormat=");
        for (int i = 0; i < 2000; ++i) junk.append(static_cast<char>((i * 97 + 3) & 0xFF));
        f.write(junk);
    }
    QtSettingsStore store(QStringLiteral("voltaro-test"));
    Settings settings(store, ini);
    AppSettings a = LoadSettings(settings, kFolder);
    ExpectDefaults(a);
    a.ListFormat = 7;
    SaveSettings(a, settings);
    EXPECT_EQ(LoadSettings(settings, kFolder).ListFormat, 7);
}
