#include "app/reference_data/data_entries.h"
#include "app/reference_data/xml_document.h"
#include "tests/reference_data/fixture_files.h"
#include "tests/support/qt_print.h"

#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// Files a hostile or careless sender could place beside the program. "%1" stands for the URL
// of a folder with a secret file and a DTD that would reveal it.
struct HostileCase {
    const char* name;
    const char* content;
    bool read;
};

void PrintTo(const HostileCase& c, std::ostream* out) {
    *out << c.name;
}

const HostileCase hostileCases[] = {
    {"EntityBomb", R"(<?xml version="1.0"?>
<!DOCTYPE Korvane [
 <!ENTITY a "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa">
 <!ENTITY b "&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;"> <!ENTITY c "&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;">
 <!ENTITY d "&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;"> <!ENTITY e "&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;">
 <!ENTITY f "&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;"> <!ENTITY g "&f;&f;&f;&f;&f;&f;&f;&f;&f;&f;">
 <!ENTITY h "&g;&g;&g;&g;&g;&g;&g;&g;&g;&g;"> <!ENTITY i "&h;&h;&h;&h;&h;&h;&h;&h;&h;&h;">
 <!ENTITY j "&i;&i;&i;&i;&i;&i;&i;&i;&i;&i;"> <!ENTITY k "&j;&j;&j;&j;&j;&j;&j;&j;&j;&j;">
]>
<Korvane><DATA KODYPIN="1" BANKNAME="&k;">&k;&k;&k;&k;</DATA></Korvane>)",
     false},
    {"ExternalEntity", R"(<?xml version="1.0"?>
<!DOCTYPE Korvane [<!ENTITY secret SYSTEM "%1/secret.txt">]>
<Korvane><DATA KODYPIN="1">&secret;</DATA></Korvane>)",
     false},
    {"ExternalParameterEntity", R"(<?xml version="1.0"?>
<!DOCTYPE Korvane [<!ENTITY % defaults SYSTEM "%1/defaults.dtd"> %defaults;]>
<Korvane><DATA KODYPIN="1"/></Korvane>)",
     false},
    {"ExternalDtdIsNotFetched", R"(<?xml version="1.0"?>
<!DOCTYPE Korvane SYSTEM "%1/defaults.dtd">
<Korvane><DATA KODYPIN="1"/></Korvane>)",
     true},
};

class HostileFile : public testing::TestWithParam<HostileCase> {};

TEST_P(HostileFile, IsReadWithoutTouchingAnotherFileOrSkipped) {
    QTemporaryDir dir;
    writeFile(dir.path(), QStringLiteral("secret.txt"), "SECRET");
    writeFile(dir.path(), QStringLiteral("defaults.dtd"),
              "<!ATTLIST DATA BANKNAME CDATA \"SECRET\">");
    const QString folderUrl = QUrl::fromLocalFile(dir.path()).toString();
    writeFile(
        dir.path(), QStringLiteral("k.xml"),
        QString::fromUtf8(GetParam().content).replace(QStringLiteral("%1"), folderUrl).toUtf8());

    const std::optional<XmlDocument> document = XmlDocument::read(dir.filePath("k.xml"));
    ASSERT_EQ(document.has_value(), GetParam().read);
    if (!document) return;
    const QList<DataEntry> entries = validEntries(document->root());
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0].element.attrText("BANKNAME"), QString());
}

INSTANTIATE_TEST_SUITE_P(Files, HostileFile, testing::ValuesIn(hostileCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
