#include "app/formats/cp1251.h"
#include "app/reference_data/data_entries.h"
#include "app/reference_data/data_folder.h"
#include "app/reference_data/read_data_entry.h"
#include "tests/reference_data/fixture_files.h"
#include "tests/support/qt_print.h"

#include <QStringConverter>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

class DataFolderTest : public testing::Test {
protected:
    QStringList fileNames() const {
        QStringList names;
        for (const DataFile& file : folder.files()) names.append(file.name);
        return names;
    }

    std::optional<XmlDocument> readFile(const QString& fileName) const {
        return folder.read({QString(), dir.filePath(fileName)});
    }

    QTemporaryDir dir;
    DataFolder folder{dir.path(), testProgram};
};

TEST_F(DataFolderTest, CandidatesAreXmlFilesOfAnyCaseSortedByName) {
    for (const char* name : {"b.xml", "a.XML", "c.txt", "d.Xml", "e.xml.bak", "f.xmlx"})
        writeFile(dir.path(), QString::fromLatin1(name), dataXml(QString()));
    // Opening a FIFO would wait for a writer.
    QDir(dir.path()).mkdir(QStringLiteral("g.xml"));
    ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("h.xml"))).constData(), 0600),
              0);
    EXPECT_EQ(fileNames(), (QStringList{"a", "b", "d"}));
}

TEST_F(DataFolderTest, FindsAFileByTheNameOfASelection) {
    writeFile(dir.path(), QStringLiteral("Пункт.XML"), dataXml(QString()));
    ASSERT_TRUE(folder.find(QStringLiteral("Пункт")));
    EXPECT_EQ(folder.find(QStringLiteral("Пункт"))->path,
              dir.filePath(QStringLiteral("Пункт.XML")));
    EXPECT_FALSE(folder.find(QStringLiteral("пункт")));
}

TEST_F(DataFolderTest, RootMustBeNamedLikeTheProgramInAnyCase) {
    const struct {
        const char* root;
        bool accepted;
    } cases[] = {{"Korvane", true}, {"KORVANE", true},   {"korvane", true},
                 {"Other", false},  {"Korvane2", false}, {"x:Korvane", false}};
    for (const auto& c : cases) {
        const QString root = QString::fromLatin1(c.root);
        const QString declaration =
            root.contains(u':') ? QStringLiteral(" xmlns:x=\"urn:x\"") : QString();
        writeFile(
            dir.path(), QStringLiteral("k.xml"),
            QStringLiteral("<%1%2><DATA KODYPIN=\"1\"/></%1>").arg(root, declaration).toUtf8());
        EXPECT_EQ(readFile(QStringLiteral("k.xml")).has_value(), c.accepted) << c.root;
    }
}

TEST_F(DataFolderTest, BrokenFilesAreNotRead) {
    const struct {
        const char* name;
        QByteArray content;
    } cases[] = {{"empty", ""},
                 {"malformed", "<Korvane><DATA KODYPIN=\"1\"></Korvane>"},
                 {"unknown encoding", "<?xml version=\"1.0\" encoding=\"x-none\"?><Korvane/>"},
                 {"binary", QByteArray("\0\1\2\3\xff", 5)}};
    for (const auto& c : cases) {
        writeFile(dir.path(), QStringLiteral("k.xml"), c.content);
        EXPECT_FALSE(readFile(QStringLiteral("k.xml"))) << c.name;
    }
    EXPECT_FALSE(readFile(QStringLiteral("missing.xml")));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), dir.filePath(QStringLiteral("zero.xml"))));
    EXPECT_FALSE(readFile(QStringLiteral("zero.xml")));
}

TEST_F(DataFolderTest, OnlyEntriesWithAnIntegerCodeAreNumbered) {
    writeFile(dir.path(), QStringLiteral("k.xml"), dataXml(QStringLiteral(R"(
        <DATA KODYPIN="11"/><DATA/><DATA KODYPIN="abc"/><Other KODYPIN="5"/>
        <data KODYPIN="22" DEFAULT="y"/><DATA KODYPIN=""/><DATA KODYPIN="33" DEFAULT="yes"/>)")));
    const std::optional<XmlDocument> document = readFile(QStringLiteral("k.xml"));
    ASSERT_TRUE(document);
    const QList<DataEntry> entries = validEntries(document->root());
    ASSERT_EQ(entries.size(), 3);
    const struct {
        qint32 number, code;
        bool isDefault;
    } expected[] = {{1, 11, false}, {2, 22, true}, {3, 33, false}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(entries[i].number, expected[i].number);
        EXPECT_EQ(entries[i].code, expected[i].code);
        EXPECT_EQ(entries[i].isDefault, expected[i].isDefault);
    }
}

TEST_F(DataFolderTest, ReadsTheEncodingTheDeclarationNames) {
    const QString bank = QStringLiteral("АО «Банк Кедровая Падь» №1, ёлка");
    const QString data =
        QStringLiteral("<Korvane><DATA KODYPIN=\"1\" BANKNAME=\"%1\"/></Korvane>").arg(bank);
    QStringEncoder utf16(QStringConverter::Utf16LE, QStringEncoder::Flag::WriteBom);
    const struct {
        const char* name;
        QByteArray content;
    } cases[] = {
        {"windows-1251",
         toCp1251(QStringLiteral("<?xml version=\"1.0\" encoding=\"windows-1251\"?>") + data)},
        {"utf-8", (QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>") + data).toUtf8()},
        {"utf-16", utf16(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-16\"?>") + data)},
    };
    for (const auto& c : cases) {
        writeFile(dir.path(), QStringLiteral("k.xml"), c.content);
        const std::optional<XmlDocument> document = readFile(QStringLiteral("k.xml"));
        ASSERT_TRUE(document) << c.name;
        const QList<DataEntry> entries = validEntries(document->root());
        ASSERT_EQ(entries.size(), 1) << c.name;
        EXPECT_EQ(readDataEntry(entries[0].code, entries[0].element).bankName, bank) << c.name;
    }
}

} // namespace
