#include "app/ini/ini_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

class IniFileWrite : public testing::Test {
protected:
    QByteArray bytesOnDisk() const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    void putOnDisk(const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir dir;
    QString path = dir.filePath("korvane_tune.ini");
};

TEST_F(IniFileWrite, NewFileIsWindows1251WithCrLf) {
    IniFile ini(path);
    ASSERT_TRUE(ini.writeBool("Control plombs", "IsControlPlombs", true));
    ASSERT_TRUE(ini.writeString("Values plombs", "1", "АБ№5"));
    ASSERT_TRUE(ini.writeString("Values plombs", "2", "Пломба"));
    EXPECT_EQ(bytesOnDisk(), QByteArray("[Control plombs]\r\nIsControlPlombs=1\r\n"
                                        "[Values plombs]\r\n1=\xC0\xC1\xB9"
                                        "5\r\n2=\xCF\xEB\xEE\xEC\xE1\xE0\r\n"));
    EXPECT_EQ(IniFile(path).sectionLines("Values plombs"), QStringList({"1=АБ№5", "2=Пломба"}));
}

TEST_F(IniFileWrite, EditsKeepTheRestOfTheFile) {
    putOnDisk("; kept\n[A]\nk=1\n\n[B]\nx=\xC0\n");
    IniFile ini(path);
    ASSERT_TRUE(ini.writeString("a", "j", "3"));
    EXPECT_EQ(bytesOnDisk(), QByteArray("; kept\r\n[A]\r\nk=1\r\nj=3\r\n\r\n[B]\r\nx=\xC0\r\n"));
    ASSERT_TRUE(ini.writeInteger("B", "X", 4));
    ASSERT_TRUE(ini.eraseSection("A"));
    EXPECT_EQ(bytesOnDisk(), QByteArray("; kept\r\n[B]\r\nX=4\r\n"));
    EXPECT_EQ(ini.readInteger("B", "x", 0), 4);
}

TEST_F(IniFileWrite, EraseRemovesEveryDuplicate) {
    putOnDisk("[S]\r\n1=a\r\n[T]\r\nk=v\r\n[s]\r\n1=b\r\n");
    IniFile ini(path);
    ASSERT_TRUE(ini.eraseSection("S"));
    EXPECT_EQ(bytesOnDisk(), QByteArray("[T]\r\nk=v\r\n"));
    EXPECT_TRUE(ini.eraseSection("absent"));
}

TEST_F(IniFileWrite, ReplacedSectionKeepsItsPlace) {
    putOnDisk("[Values plombs]\r\n1=a\r\n2=b\r\n3=c\r\n[NVed Cast]\r\nNVedCastValue=1\r\n");
    IniFile ini(path);
    ASSERT_TRUE(ini.replaceSection("values plombs", {{"1", "a"}, {"2", "c"}}));
    EXPECT_EQ(bytesOnDisk(), QByteArray("[values plombs]\r\n1=a\r\n2=c\r\n"
                                        "[NVed Cast]\r\nNVedCastValue=1\r\n"));
    ASSERT_TRUE(ini.replaceSection("New", {{"k", "v"}}));
    EXPECT_EQ(ini.sectionLines("New"), QStringList({"k=v"}));
    EXPECT_FALSE(ini.replaceSection("New", {{"k", "v"}, {"bad", "x\ny"}}));
    EXPECT_EQ(IniFile(path).sectionLines("New"), QStringList({"k=v"}));
}

TEST_F(IniFileWrite, RefusesTextsThatWouldCorruptTheFile) {
    putOnDisk("[S]\r\nk=old\r\n");
    IniFile ini(path);
    const struct {
        const char* section;
        const char* key;
        const char* value;
    } cases[] = {{"S", "k", "new\r\n[Control plombs]\r\nIsControlPlombs=0"},
                 {"S", "k", "\xe4\xb8\xad"}, // no Windows-1251 code
                 {"S", "a=b", "v"},
                 {"S]x", "k", "v"},
                 {"", "k", "v"},
                 {"S", " ", "v"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_FALSE(ini.writeString(c.section, c.key, QString::fromUtf8(c.value)));
    }
    EXPECT_EQ(bytesOnDisk(), QByteArray("[S]\r\nk=old\r\n"));
    EXPECT_EQ(ini.readString("S", "k", ""), "old");
}

// Writes past this size fail, the way a full disk or a crash mid-write cuts a file short.
void limitFileSize(rlim_t bytes) {
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

TEST_F(IniFileWrite, WriteKilledBeforeRenameLeavesOldFile) {
    putOnDisk("[S]\r\nk=old\r\n");
    EXPECT_EXIT(
        {
            IniFile ini(path);
            limitFileSize(64);
            ini.writeString("S", "k", QString(4096, u'x'));
        },
        testing::KilledBySignal(SIGXFSZ), "");
    EXPECT_EQ(bytesOnDisk(), QByteArray("[S]\r\nk=old\r\n"));
}

TEST_F(IniFileWrite, FailedWriteReportsAndLeavesNoTrace) {
    putOnDisk("[S]\r\nk=old\r\n");
    IniFile ini(path);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    limitFileSize(64);
    const bool written = ini.writeString("S", "k", QString(4096, u'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(ini.readString("S", "k", ""), "old");
    EXPECT_EQ(bytesOnDisk(), QByteArray("[S]\r\nk=old\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"korvane_tune.ini"}));
}

} // namespace
