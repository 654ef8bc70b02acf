#include "app/formats/cp1251.h"
#include "app/platform/ini_defaults_store.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class IniDefaultsStoreTest : public testing::Test {
protected:
    void write(const QString& text) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(toCp1251(text));
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("default_settings.ini"));
};

TEST_F(IniDefaultsStoreTest, ReadsTheSectionInWindows1251) {
    write(QStringLiteral("[Other]\r\nKODYPIN=9\r\n"
                         "[defaultsettings]\r\n; comment\r\nBankName = АО «Банк Кедровая Падь»\r\n"
                         "KODYPIN=1501\r\nkodypin=7\r\nSKP=\r\n"));
    const std::optional<DefaultValues> key = IniDefaultsStore(path).readKey();
    ASSERT_TRUE(key);
    EXPECT_EQ(key->value(QStringLiteral("BANKNAME")), QStringLiteral("АО «Банк Кедровая Падь»"));
    EXPECT_EQ(key->value(QStringLiteral("KODYPIN")), QStringLiteral("1501"));
    EXPECT_TRUE(key->contains(QStringLiteral("SKP")));
    EXPECT_EQ(key->value(QStringLiteral("SKP")), QString());
    EXPECT_FALSE(key->contains(QStringLiteral("CUSFROM")));
}

TEST_F(IniDefaultsStoreTest, AMissingFileOrSectionIsAMissingKey) {
    EXPECT_FALSE(IniDefaultsStore(path).readKey());
    write(QStringLiteral("[Other]\r\nKODYPIN=1\r\n[DefaultSettings]\r\n"));
    EXPECT_FALSE(IniDefaultsStore(path).readKey());
}

} // namespace
