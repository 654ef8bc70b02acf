#include "app/formats/cp1251.h"
#include "app/ini/ini_file.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class IniFileRead : public testing::Test {
protected:
    IniFile fileWith(const QString& text) {
        const QString path = dir.filePath("tune.ini");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(toCp1251(text));
        file.close();
        return IniFile(path);
    }

    QTemporaryDir dir;
};

TEST_F(IniFileRead, MissingFileReadsAsEmpty) {
    const IniFile ini(dir.filePath("absent.ini"));
    EXPECT_EQ(ini.readString("NVed Cast", "NVedCastValue", "x"), "x");
    EXPECT_EQ(ini.readInteger("NVed Cast", "NVedCastValue", -1), -1);
    EXPECT_FALSE(ini.sectionExists("Values plombs"));
    EXPECT_TRUE(ini.sectionLines("Values plombs").isEmpty());
}

TEST_F(IniFileRead, NamesIgnoreCaseAndBlanks) {
    const IniFile ini = fileWith("[Control Plombs]\r\n  isControlPLOMBS =  1 \r\n"
                                 "[Пломбы]\r\nКлюч=Значение\r\n");
    EXPECT_EQ(ini.readString("control plombs", "IsControlPlombs", ""), "1");
    EXPECT_EQ(ini.readString("ПЛОМБЫ", "ключ", ""), "Значение");
}

TEST_F(IniFileRead, FirstOfDuplicatesWins) {
    const IniFile ini = fileWith("[A]\nk=1\nk=2\n[a]\nk=3\nj=4\n");
    EXPECT_EQ(ini.readString("A", "k", ""), "1");
    EXPECT_EQ(ini.readString("A", "j", "none"), "none");
}

TEST_F(IniFileRead, ValuesLoseEnclosingQuotesOnly) {
    const IniFile ini = fileWith("[S]\na=\"x y\"\nb='z'\nc=\"half\nd=\nе=a=b\n");
    EXPECT_EQ(ini.readString("S", "a", "-"), "x y");
    EXPECT_EQ(ini.readString("S", "b", "-"), "z");
    EXPECT_EQ(ini.readString("S", "c", "-"), "\"half");
    EXPECT_EQ(ini.readString("S", "d", "-"), "");
    EXPECT_EQ(ini.readString("S", "е", "-"), "a=b");
}

TEST_F(IniFileRead, IntegersAndBooleans) {
    const IniFile ini =
        fileWith("[S]\nzero=0\none=1\ntwo=2\nneg=-1\ntext=yes\nempty=\nbig=99999999999\n");
    const struct {
        const char* key;
        int integer;
        bool boolean;
    } cases[] = {{"zero", 0, false}, {"one", 1, true},   {"two", 2, true}, {"neg", -1, true},
                 {"text", 7, true},  {"empty", 7, true}, {"big", 7, true}, {"missing", 7, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(ini.readInteger("S", c.key, 7), c.integer);
        EXPECT_EQ(ini.readBool("S", c.key, true), c.boolean);
    }
    EXPECT_FALSE(ini.readBool("S", "text", false));
}

TEST_F(IniFileRead, SectionLinesInOrderWithoutBlanksAndComments) {
    const IniFile ini = fileWith("[Values plombs]\r\n1=АБ 001\r\n\r\n; note\r\n 2 = Б2 \r\n"
                                 "[Empty]\r\n\r\n[Next]\r\nx=1\r\n");
    EXPECT_EQ(ini.sectionLines("values plombs"), QStringList({"1=АБ 001", "2=Б2"}));
    EXPECT_TRUE(ini.sectionExists("Values plombs"));
    EXPECT_FALSE(ini.sectionExists("Empty"));
}

} // namespace
