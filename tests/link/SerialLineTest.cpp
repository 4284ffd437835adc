#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "base/IniFile.h"
#include "link/SerialPort.h"

using namespace voltaro;

TEST(LineSettings, ReadsEveryChoiceOfTheSetupDialog) {
    EXPECT_EQ(ParseLineSettings("2400,O,7,1"), (LineParams{2400, Parity::Odd, 7, StopBits::One}));
    EXPECT_EQ(ParseLineSettings("4800,E,8,1.5"), (LineParams{4800, Parity::Even, 8, StopBits::OneAndHalf}));
    EXPECT_EQ(ParseLineSettings("22800,N,5,2"), (LineParams{22800, Parity::None, 5, StopBits::Two}));
    EXPECT_EQ(ParseLineSettings("9600,M,6,1")->parity, Parity::Mark);
    EXPECT_EQ(ParseLineSettings(" 9600 , s , 8 , 1 ")->parity, Parity::Space);
}

TEST(LineSettings, RefusesTextsOfTheWrongShape) {
    for (const char* bad :
         {"", "2400", "2400,O,7", "2400,O,7,1,1", "2400,X,7,1", "2400,OO,7,1", "0,O,7,1", "-2400,O,7,1",
          "2400,O,4,1", "2400,O,9,1", "2400,O,7,3", "2400,O,7,1.0", "24k,O,7,1", "99999999999999,O,7,1"}) {
        EXPECT_FALSE(ParseLineSettings(bad).has_value()) << bad;
    }
}

TEST(PortTable, DefaultsAndSetupIniOverrides) {
    PortTable defaults;
    std::string devices;  // COM0 to COM11
    for (int n = 0; n <= 11; ++n) devices += defaults.Device(n) + "|";
    EXPECT_EQ(
        devices,
        "|/dev/ttyS0|/dev/ttyS1|/dev/ttyS2|/dev/ttyS3|/dev/ttyUSB0|/dev/ttyUSB1|/dev/ttyUSB2|/dev/ttyUSB3|"
        "/dev/ttyACM0|/dev/ttyACM1||");

    QTemporaryDir dir;
    const QString path = dir.filePath("Setup.ini");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(
        "[Communications]\r\nPort=3\r\n[Ports]\r\nCOM3=/dev/pts/7\r\ncom5 = /dev/ttyAMA0 \r\nCOM2=\r\n"
        "LPT1=/dev/lp0\r\nCOMX=/dev/null\r\nCOM0=/dev/zero\r\nCOM12=/dev/ttyS12\r\n");
    f.close();
    const PortTable table = PortTable::FromIni(IniFile(path.toStdString()));
    EXPECT_EQ(table.Device(3), "/dev/pts/7");
    EXPECT_EQ(table.Device(5), "/dev/ttyAMA0");
    EXPECT_EQ(table.Device(2), "/dev/ttyS1");  // empty value: the default stays
    EXPECT_EQ(table.Device(0), "");
    EXPECT_EQ(table.Device(12), "/dev/ttyS12");
    EXPECT_EQ(table.Device(1), "/dev/ttyS0");

    // Missing file: the defaults.
    EXPECT_EQ(PortTable::FromIni(IniFile(dir.filePath("none.ini").toStdString())).Device(3), "/dev/ttyS2");
}
