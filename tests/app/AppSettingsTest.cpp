#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "app/AppSettings.h"
#include "app/QtSettingsStore.h"
#include "app/Settings.h"

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
    bool Has(const std::string& key) const { return store.values.count({"voltaro", "frmMain", key}) > 0; }
    std::string Stored(const std::string& key) const {
        return store.Get("voltaro", "frmMain", key).value_or("?");
    }
};

void ExpectDefaults(const AppSettings& a) {
    EXPECT_EQ(a.Port, 2);
    EXPECT_EQ(a.Baud, 0);
    EXPECT_EQ(a.Parity, 0);
    EXPECT_EQ(a.Data, 3);
    EXPECT_EQ(a.Stop, 0);
    EXPECT_EQ(a.PortText, "2");
    EXPECT_EQ(a.LineSettings, "2400,O,7,1");
    EXPECT_EQ(a.DateF, "YY/MM/DD");
    EXPECT_EQ(a.TimeF, "HH:MM:SS");
    EXPECT_TRUE(a.DateofTime);
    EXPECT_EQ(a.MaxBar, 4000);
    EXPECT_EQ(a.BarProgress, 0);
    EXPECT_EQ(a.ListFormat, 0);
    EXPECT_TRUE(a.Format);
    EXPECT_EQ(a.ExtDim, ".");
    EXPECT_EQ(a.ExtDimF, 0);
    EXPECT_EQ(a.SeleDim, 0);
    EXPECT_EQ(a.AutoSave, 1);
    EXPECT_EQ(a.Path, kFolder);
    EXPECT_EQ(a.UnType, "");
    for (const std::string& f : a.RecentFiles) EXPECT_EQ(f, "");
}

}  // namespace

TEST(AppSettings, EmptyStoresGiveTheDefaults) {
    Stores s;
    const AppSettings a = LoadSettings(s.settings, kFolder);
    ExpectDefaults(a);
    EXPECT_EQ(a.Version, RunningVersion());
    EXPECT_FALSE(s.Has("Parity"));
}

TEST(AppSettings, AnotherVersionMarksParity) {
    Stores s;
    s.Put("Version", "0.9.1");
    LoadSettings(s.settings, kFolder);
    EXPECT_EQ(s.Stored("Parity"), "2");
}

TEST(AppSettings, EmptyIniKeyAndPortZero) {
    Stores s;
    s.PutIni("[Communications]\r\nPort=0\r\nBaud=\r\nData=9\r\nStop=2\r\n");
    const AppSettings a = LoadSettings(s.settings, kFolder);
    EXPECT_EQ(a.Baud, 0);
    EXPECT_EQ(a.PortText, "1");
    EXPECT_EQ(a.LineSettings, "2400,O,4,2");
    SaveSettings(a, s.settings);
    EXPECT_EQ(s.ini.IniReadRaw("Communications", "Port"), "1");
}

TEST(AppSettings, BadValuesFallBackToDefaults) {
    Stores s;
    s.PutIni("[Communications]\r\nPort=-3\r\nBaud=7\r\nParity=two\r\nData=1\r\nStop=1.5\r\n");
    s.Put("ListFormat", "99");
    s.Put("DateofTime", "maybe");
    s.Put("TimeF", "\x01\xfe\xff");
    s.Put("DateF", "");
    s.Put("MaxBar", "-5");
    s.Put("BarProgress", "lots");
    s.Put("ExtDimF", "7");
    s.Put("AutoSave", "abc");  // read by its leading digits: none, so 0
    s.Put("SeleDim", "1 please");
    s.Put("ExtDim", ";");
    AppSettings a = LoadSettings(s.settings, kFolder);
    EXPECT_EQ(a.Port, 2);
    EXPECT_EQ(a.Baud, 0);
    EXPECT_EQ(a.Parity, 0);
    EXPECT_EQ(a.Data, 3);
    EXPECT_EQ(a.Stop, 0);
    EXPECT_EQ(a.ListFormat, 0);
    EXPECT_TRUE(a.DateofTime);
    EXPECT_EQ(a.TimeF, "HH:MM:SS");
    EXPECT_EQ(a.DateF, "YY/MM/DD");
    EXPECT_EQ(a.MaxBar, 4000);
    EXPECT_EQ(a.BarProgress, 0);
    EXPECT_EQ(a.ExtDimF, 0);
    EXPECT_EQ(a.ExtDim, ".");
    EXPECT_EQ(a.AutoSave, 0);
    EXPECT_EQ(a.SeleDim, 1);

    // Saving afterwards writes sound values, which load as they were saved.
    SaveSettings(a, s.settings);
    EXPECT_EQ(s.ini.IniReadRaw("Communications", "Baud"), "0");
    EXPECT_EQ(s.Stored("ListFormat"), "0");
    const AppSettings again = LoadSettings(s.settings, kFolder);
    EXPECT_EQ(again.LineSettings, "2400,O,7,1");
    EXPECT_EQ(again.TimeF, "HH:MM:SS");
}

TEST(AppSettings, BinarySetupIniGivesDefaultsAndIsRewritten) {
    Stores s;
    QByteArray junk;
    for (int i = 0; i < 3000; ++i) junk.append(static_cast<char>((i * 131 + 7) & 0xFF));
    junk.append("\n[Communications]\nBaud=");
    s.PutIni(junk);
    AppSettings a = LoadSettings(s.settings, kFolder);
    ExpectDefaults(a);
    a.Parity = 2;
    SaveSettings(a, s.settings);
    EXPECT_EQ(LoadSettings(s.settings, kFolder).LineSettings, "2400,N,7,1");
}

TEST(AppSettings, PortScanMayMoveThePort) {
    Stores s;
    s.PutIni("[Communications]\r\nPort=5\r\n");
    const AppSettings a = LoadSettings(s.settings, kFolder, [](AppSettings& app) {
        EXPECT_EQ(app.Port, 5);
        app.Port = 3;
    });
    EXPECT_EQ(a.PortText, "3");
}

TEST(AppSettings, SavesInTheProgramsOrder) {
    struct LoggingStore : MemorySettingsStore {
        void Save(const std::string& a, const std::string& s, const std::string& k,
                  const std::string& v) override {
            keys.push_back(k);
            MemorySettingsStore::Save(a, s, k, v);
        }
        std::vector<std::string> keys;
    };
    QTemporaryDir dir;
    LoggingStore store;
    IniFile ini(dir.filePath("Setup.ini").toStdString());
    Settings settings(store, ini);
    SaveSettings(LoadSettings(settings, kFolder), settings);
    const std::vector<std::string> expected{"Version",     "file1",   "file2",      "file3",  "file4",
                                            "file5",       "file6",   "DateofTime", "Format", "Format1",
                                            "ListFormat",  "TimeF",   "DateF",      "MaxBar", "Path",
                                            "BarProgress", "ExtDimF", "AutoSave"};
    EXPECT_EQ(store.keys, expected);
}

// The real stores: QSettings files and "Setup.ini" in a folder of the test's own.
class RealStores : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    }
    QTemporaryDir dir;
};

TEST_F(RealStores, RoundTripThroughFiles) {
    {
        QtSettingsStore store(QStringLiteral("voltaro-test"));
        IniFile ini(dir.filePath("Setup.ini").toStdString());
        ini.IniWriteRaw("Ports", "COM3", "/dev/pts/7");
        Settings settings(store, ini);
        AppSettings a = LoadSettings(settings, kFolder);
        a.Port = 5;
        a.Baud = 1;
        a.Data = 4;
        a.Stop = 2;
        a.MakeSerialTexts();
        a.RecentFiles[0] = "runs/caf\xe9.dmm";
        a.DateofTime = false;
        a.TimeF = "HH:MM   AMPM";
        a.DateF = "DD/MM/YYYY";
        a.ListFormat = 19;
        a.Format = false;
        a.Format1 = true;
        a.ExtDimF = 1;
        a.AutoSave = 0;
        a.MaxBar = 2000;
        a.BarProgress = 255;
        a.Path = "/data/readings";
        SaveSettings(a, settings);
    }
    QtSettingsStore store(QStringLiteral("voltaro-test"));
    IniFile ini(dir.filePath("Setup.ini").toStdString());
    Settings settings(store, ini);
    const AppSettings b = LoadSettings(settings, kFolder);
    EXPECT_EQ(b.LineSettings, "4800,O,8,2");
    EXPECT_EQ(b.PortText, "5");
    EXPECT_EQ(b.RecentFiles[0], "runs/caf\xe9.dmm");
    EXPECT_FALSE(b.RecentVisible(1));
    EXPECT_FALSE(b.DateofTime);
    EXPECT_EQ(b.TimeF, "HH:MM   AMPM");
    EXPECT_EQ(b.DateF, "DD/MM/YYYY");
    EXPECT_EQ(b.ListFormat, 19);
    EXPECT_FALSE(b.Format);
    EXPECT_TRUE(b.Format1);
    EXPECT_EQ(b.ExtDim, ",");
    EXPECT_EQ(b.AutoSave, 0);
    EXPECT_EQ(b.MaxBar, 2000);
    EXPECT_EQ(b.BarProgress, 255);
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
    IniFile ini(dir.filePath("Setup.ini").toStdString());
    Settings settings(store, ini);
    AppSettings a = LoadSettings(settings, kFolder);
    ExpectDefaults(a);
    a.ListFormat = 7;
    SaveSettings(a, settings);
    EXPECT_EQ(LoadSettings(settings, kFolder).ListFormat, 7);
}
