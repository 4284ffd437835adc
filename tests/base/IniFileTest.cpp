#include "base/IniFile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include <gtest/gtest.h>

using voltaro::IniFile;

namespace {

std::string Slurp(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    const QByteArray b = f.readAll();
    return std::string(b.constData(), static_cast<size_t>(b.size()));
}

void Put(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class IniFileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    const QString path = dir.filePath("Setup.ini");
};

}  // namespace

TEST_F(IniFileTest, MissingFileReadsEmptyAndWritingCreatesIt) {
    IniFile ini(path.toStdString());
    EXPECT_FALSE(ini.Exists());
    EXPECT_EQ(ini.IniReadRaw("Communications", "Port"), "");
    ASSERT_TRUE(ini.IniWriteRaw("Communications", "Port", "3"));
    EXPECT_TRUE(ini.Exists());
    EXPECT_EQ(ini.IniReadRaw("communications", "PORT"), "3");
}

TEST_F(IniFileTest, WritingOneSectionKeepsEveryOtherLine) {
    Put(path, "; made by hand\r\n[Ports]\r\nCOM3=/dev/pts/7\r\n\r\n[Communications]\r\nPort=2\r\nBaud=0\r\n");
    IniFile ini(path.toStdString());
    ASSERT_TRUE(ini.IniWriteRaw("Communications", "Port", "5"));
    ASSERT_TRUE(ini.IniWriteRaw("Communications", "Data", "3"));
    ASSERT_TRUE(ini.IniWriteRaw("Ports", "COM4", "/dev/ttyUSB9"));
    EXPECT_EQ(Slurp(path),
              "; made by hand\r\n[Ports]\r\nCOM3=/dev/pts/7\r\nCOM4=/dev/ttyUSB9\r\n\r\n"
              "[Communications]\r\nPort=5\r\nBaud=0\r\nData=3\r\n");
    const auto ports = ini.Section("ports");
    ASSERT_EQ(ports.size(), 2u);
    EXPECT_EQ(ports[1].first, "COM4");
    EXPECT_EQ(ports[1].second, "/dev/ttyUSB9");
}

TEST_F(IniFileTest, ValuesAreCutAtNulAnd1024CharactersAndTrimmed) {
    QByteArray content("[S]\nA=  12  \nB=ab");
    content.append('\0');
    content.append("cd\nC=");
    content.append(QByteArray(3000, 'x'));
    content.append("\n");
    Put(path, content);
    IniFile ini(path.toStdString());
    EXPECT_EQ(ini.IniReadRaw("S", "A"), "12");
    EXPECT_EQ(ini.IniReadRaw("S", "B"), "ab");
    EXPECT_EQ(ini.IniReadRaw("S", "C").size(), 1024u);
}

TEST_F(IniFileTest, BinaryOrTruncatedFileNeverCrashesAndCanBeRewritten) {
    QByteArray junk;
    for (int i = 0; i < 4096; ++i) junk.append(static_cast<char>((i * 7919) & 0xFF));
    junk.append("\n[Communications]\nPo");  // cut in the middle of a key
    Put(path, junk);
    IniFile ini(path.toStdString());
    EXPECT_EQ(ini.IniReadRaw("Communications", "Port"), "");
    ASSERT_TRUE(ini.IniWriteRaw("Communications", "Port", "2"));
    EXPECT_EQ(ini.IniReadRaw("Communications", "Port"), "2");
}

TEST(IniFile, UnwritableFolderReportsFailure) {
    EXPECT_FALSE(IniFile("/nonexistent-folder-for-voltaro/Setup.ini").IniWriteRaw("Communications", "Port", "2"));
}

// A file that is there but cannot be opened for reading (here a socket, which even the
// superuser cannot open) is not replaced by a file of one key.
TEST_F(IniFileTest, UnreadableFileIsNotRewritten) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    ASSERT_LT(static_cast<size_t>(name.size()), sizeof address.sun_path);
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
    ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    close(fd);
    IniFile ini(path.toStdString());
    ASSERT_TRUE(ini.Exists());
    EXPECT_FALSE(ini.IniWriteRaw("Communications", "Port", "2"));
    EXPECT_FALSE(QFileInfo(path).isFile());
}
