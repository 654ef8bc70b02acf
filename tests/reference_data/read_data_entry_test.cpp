#include "app/reference_data/data_entries.h"
#include "app/reference_data/read_data_entry.h"
#include "tests/reference_data/fixture_files.h"
#include "tests/support/qt_print.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The record read from a data file whose only entry is the given DATA element.
recTuningDate readSingleEntry(const QString& dataElement) {
    QTemporaryDir dir;
    writeFile(dir.path(), QStringLiteral("k.xml"), dataXml(dataElement));
    const std::optional<XmlDocument> document = XmlDocument::read(dir.filePath("k.xml"));
    if (!document) {
        ADD_FAILURE() << "unreadable: " << dataElement.toStdString();
        return {};
    }
    const QList<DataEntry> entries = validEntries(document->root());
    if (entries.size() != 1) {
        ADD_FAILURE() << "not one valid entry: " << dataElement.toStdString();
        return {};
    }
    return readDataEntry(entries[0].code, entries[0].element);
}

struct TextCase {
    const char* name;
    const char* data;
    QString recTuningDate::*field;
    const char* expected;
};

void PrintTo(const TextCase& c, std::ostream* out) {
    *out << c.name;
}

class EntryText : public testing::TestWithParam<TextCase> {};

TEST_P(EntryText, ReadsTheField) {
    const TextCase& c = GetParam();
    EXPECT_EQ(readSingleEntry(QString::fromUtf8(c.data)).*c.field, QString::fromUtf8(c.expected));
}

const TextCase textCases[] = {
    {"ValueKeepsItsBlanks", R"(<DATA KODYPIN="1" BANKNAME=" Банк "/>)", &recTuningDate::bankName,
     " Банк "},
    {"AttributeNameIsExact", R"(<DATA KODYPIN="1" bankname="Банк"/>)", &recTuningDate::bankName,
     ""},
    {"BankNameCusFallsBackToBankName", R"(<DATA KODYPIN="1" BANKNAME="Банк"/>)",
     &recTuningDate::BankNameCus, "Банк"},
    {"BankNameCusOwnValue", R"(<DATA KODYPIN="1" BANKNAME="Банк" BANKNAMECUS="Другой"/>)",
     &recTuningDate::BankNameCus, "Другой"},
    {"BicCusFallsBackToBankBic", R"(<DATA KODYPIN="1" BANKBIC="040000001"/>)",
     &recTuningDate::BICCus, "040000001"},
    {"BicCusOwnValue", R"(<DATA KODYPIN="1" BANKBIC="040000001" RBICCUS="040000002"/>)",
     &recTuningDate::BICCus, "040000002"},
    {"AccCusFallsBackToAccKt", R"(<DATA KODYPIN="1" ACCKT="40702"/>)", &recTuningDate::accCusDef,
     "40702"},
    {"AccCusOwnValue", R"(<DATA KODYPIN="1" ACCKT="40702" ACCCUS="40802"/>)",
     &recTuningDate::accCusDef, "40802"},
    {"SkpPaddedToTwoDigits", R"(<DATA KODYPIN="1" SKP="5"/>)", &recTuningDate::skpDef, "05"},
    {"SkpThreeDigits", R"(<DATA KODYPIN="1" SKP="999"/>)", &recTuningDate::skpDef, "999"},
    {"SkpLeadingBlankAccepted", R"(<DATA KODYPIN="1" SKP=" 7"/>)", &recTuningDate::skpDef, "07"},
    {"SkpZeroDropped", R"(<DATA KODYPIN="1" SKP="0"/>)", &recTuningDate::skpDef, ""},
    {"Skp1000Dropped", R"(<DATA KODYPIN="1" SKP="1000"/>)", &recTuningDate::skpDef, ""},
    {"SkpTrailingBlankDropped", R"(<DATA KODYPIN="1" SKP="5 "/>)", &recTuningDate::skpDef, ""},
    {"SkpLetterDropped", R"(<DATA KODYPIN="1" SKP="x"/>)", &recTuningDate::skpDef, ""},
    {"GroupSymbol", R"(<DATA KODYPIN="1" SKP3="12"/>)", &recTuningDate::skpDef3, "12"},
    {"SecondarySymbol", R"(<DATA KODYPIN="1" SKP3Z="3"/>)", &recTuningDate::skpDef3Z, "03"},
    {"YscuReplacesInn", R"(<DATA KODYPIN="1" CUSINN="1" CUSKPP="2"><YSCU INN="9"/></DATA>)",
     &recTuningDate::INN, "9"},
    {"YscuWithoutKppEmptiesKpp",
     R"(<DATA KODYPIN="1" CUSINN="1" CUSKPP="2"><YSCU INN="9"/></DATA>)", &recTuningDate::Kpp, ""},
    {"YscuWithoutOkatoEmptiesOkato", R"(<DATA KODYPIN="1" CUSOKATO="3"><YSCU INN="9"/></DATA>)",
     &recTuningDate::Okato, ""},
    {"OnlyFirstYscuCounts", R"(<DATA KODYPIN="1"><YSCU INN="9"/><Yscu INN="8" KPP="7"/></DATA>)",
     &recTuningDate::Kpp, ""},
    {"BsdgCodeWithoutLeadingZeros",
     R"(<DATA KODYPIN="1"><BSDG KODBSDG="x" NUMSUBDOG="1"/><BSDG KODBSDG="007" NUMSUBDOG="2"/></DATA>)",
     &recTuningDate::kodBsdg, "7"},
    {"BsdgDataFromTheElementWithAValidCode",
     R"(<DATA KODYPIN="1"><BSDG KODBSDG="x" NUMSUBDOG="1"/><BSDG KODBSDG="007" NUMSUBDOG="2"/></DATA>)",
     &recTuningDate::numSubDog, "2"},
    {"LaterBsdgIgnored",
     R"(<DATA KODYPIN="1"><BSDG KODBSDG="5" DATBEG="a"/><BSDG KODBSDG="6" DATBEG="b"/></DATA>)",
     &recTuningDate::datBeg, "a"},
    {"SignNeverFilled", R"(<DATA KODYPIN="1" SIGN="З"/>)", &recTuningDate::SIGN, ""},
};

INSTANTIATE_TEST_SUITE_P(Rules, EntryText, testing::ValuesIn(textCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReadDataEntry, OnlyACapitalNClearsTheLabelFlag) {
    const struct {
        const char* attribute;
        bool isLabel;
    } cases[] = {{"", true},
                 {R"(ISLABEL="n")", true},
                 {R"(ISLABEL="Y")", true},
                 {R"(ISLABEL=" N")", true},
                 {R"(ISLABEL="N")", false}};
    for (const auto& c : cases) {
        const QString data = QStringLiteral("<DATA KODYPIN=\"1\" %1/>").arg(c.attribute);
        EXPECT_EQ(readSingleEntry(data).isLabel, c.isLabel) << c.attribute;
    }
}

TEST(ReadDataEntry, SymbolListsKeepValidSymbolsInDocumentOrder) {
    const recTuningDate entry = readSingleEntry(QStringLiteral(R"(<DATA KODYPIN="1">
        <SKP NUM="2" NAME="Выручка"/><SKP NUM="0" NAME="ноль"/><skp NUM="2" NAME="Повтор"/>
        <SKP1 NUM="32" NAME="Прочие" SIGN="Б"/><SKP1 NUM="1000" NAME="Велик"/>
        <SKP2 NUM="x"/><SKP2 NUM="51" NAME="Связь" SIGN="З"/>
        <SKP3 NUM="999"/><OTHER NUM="5"/></DATA>)"));
    EXPECT_EQ(entry.ASkp,
              (QList<TSkp>{{2, QStringLiteral("Выручка")}, {2, QStringLiteral("Повтор")}}));
    EXPECT_EQ(entry.ASkp1, (QList<TSkpN>{{32, QStringLiteral("Прочие"), QStringLiteral("Б")}}));
    EXPECT_EQ(entry.ASkp2, (QList<TSkpN>{{51, QStringLiteral("Связь"), QStringLiteral("З")}}));
    EXPECT_EQ(entry.ASkp3, (QList<TSkpN>{{999, {}, {}}}));
}

} // namespace
