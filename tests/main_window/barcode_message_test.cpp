#include "app/formats/input_error.h"
#include "app/formats/text_formats.h"
#include "app/main_window/nominal_table.h"
#include "tests/main_window/grid_fixture.h"

namespace {

class BarcodeMessage : public GridTest {
protected:
    // The statement of the worked example: 1,005.00 in two denominations and one symbol row.
    TForm1& startExample() {
        TForm1& form = startExampleHeader("Клиент 1");
        form.NCount[3]->setText("10");
        form.NSum[3]->setText("1,000.00");
        form.NCount[10]->setText("5");
        form.NSum[10]->setText("5.00");
        form.sumPV.setText("1,005.00");
        form.SSkp[0]->setText("02");
        form.SSum[0]->setText("1,005.00");
        return form;
    }

    QString message(TForm1& form) {
        QString text = "keep";
        form.getBarcodeText(text);
        return text;
    }

    static QString recordLine(const QString& message) {
        const qsizetype at = message.indexOf("\r\n0=");
        return at < 0 ? QString() : message.mid(at + 4).chopped(2);
    }
};

TEST_F(BarcodeMessage, WorkedExampleByteForByte) {
    TForm1& form = startExample();
    const QByteArray expected = "Ostrel13\r\n"
                                "A=045712\r\n"
                                "B=20160305\r\n"
                                "C=ER\r\n"
                                "D=\xCE\xCE\xCE \xCF\xF0\xE8\xEC\xE5\xF0\r\n"
                                "E=\xCA\xEB\xE8\xE5\xED\xF2 1\r\n"
                                "F=\r\n"
                                "0=\xB5"
                                "1|\xC8||57|20160305103000|2|A123|\xD0|555|||||\xB5"
                                "2|\xB5"
                                "3|1|B|\xC3|10|1000.00|100.00|RUR|||1||||||||\xB5"
                                "4|\xB5"
                                "3|1|C|\xC3|5|5.00|1.00|RUR|||1||||||||\xB5"
                                "4|\xB5"
                                "3|1||\xC3||1005.00||RUR||||||||||02||1|\xB5"
                                "4|\xB5"
                                "5\r\n";
    bool allMapped = false;
    EXPECT_EQ(toCp1251(message(form), &allMapped), expected);
    EXPECT_TRUE(allMapped);
    EXPECT_EQ(warnings(), QStringList{});
}

TEST_F(BarcodeMessage, OptionalValuesKeepTheFieldCount) {
    TForm1& form = startExample();
    form.FNBag.setText("");
    form.FPlomba.setText("");
    form.NCount[5]->setText("0"); // a count without sum is not written
    form.SSkp[3]->setText("11");  // a symbol without amount is written and adds nothing
    form.ZSkp[3]->setText("52");
    form.skpDef = "05"; // single-symbol mode puts every row into the first group
    EXPECT_EQ(recordLine(message(form)), "µ1|И||57|20160305103000|2|б/н|Р||||||µ2|"
                                         "µ3|1|B|Г|10|1000.00|100.00|RUR|||1||||||||µ4|"
                                         "µ3|1|C|Г|5|5.00|1.00|RUR|||1||||||||µ4|"
                                         "µ3|1||Г||1005.00||RUR||||||||||02||1|µ4|"
                                         "µ3|1||Г||||RUR||||||||||11|52|1|µ4|µ5");
}

TEST_F(BarcodeMessage, ZeroDocumentSumLeavesTheTextAlone) {
    TForm1& form = startExample();
    form.sumPV.setText("0.00");
    form.cusName.setText("");
    EXPECT_EQ(message(form), "keep");
    EXPECT_EQ(boxes.boxes.size(), 0);
}

struct IncompleteCase {
    const char* name;
    void (*change)(TForm1&);
    const char* warning;
};

void PrintTo(const IncompleteCase& c, std::ostream* out) {
    *out << c.name;
}

class IncompleteStatement : public BarcodeMessage,
                            public testing::WithParamInterface<IncompleteCase> {};

TEST_P(IncompleteStatement, IsWarnedAboutAndGivesNoMessage) {
    TForm1& form = startExample();
    GetParam().change(form);
    EXPECT_EQ(message(form), "");
    EXPECT_EQ(warnings(), QStringList{QString::fromUtf8(GetParam().warning)});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IncompleteStatement,
    testing::Values(
        IncompleteCase{"NoDate", [](TForm1& f) { f.FDateCreate.setText(""); },
                       "Не заполненена дата документа!"},
        IncompleteCase{"NoCustomer", [](TForm1& f) { f.cusName.setText(""); },
                       "Не установлен клиент!"},
        IncompleteCase{"RequestType", [](TForm1& f) { f.tipZay = "2"; },
                       "Не установлен тип заявки!"},
        IncompleteCase{"CollectionPointCode", [](TForm1& f) { f.kodYpin = "12a"; },
                       "Не установлен код пункта инкассации!"},
        IncompleteCase{"BagType", [](TForm1& f) { f.tipYbgs = ""; }, "Не установлен тип сумки!"},
        IncompleteCase{"SymbolAmount", [](TForm1& f) { f.SSum[0]->setText("1.2.3"); },
                       "Введите корректное значение суммы в формате \"9,990.00\"!"},
        // What Windows-1251 cannot hold would reach the bank as "?".
        IncompleteCase{"ClientOutsideTheCodePage", [](TForm1& f) { f.FFIO.setText("Клиент ✓"); },
                       "Поле \"Клиент\" содержит символы, недопустимые в штрих-коде!"},
        IncompleteCase{"SecondaryOutsideTheCodePage", [](TForm1& f) { f.ZSkp[0]->setText("中"); },
                       "Поле \"СКП2\" содержит символы, недопустимые в штрих-коде!"},
        // A field end inside a value would shift every field after it.
        IncompleteCase{"FieldEndInTheSeal", [](TForm1& f) { f.FPlomba.setText("55|5"); },
                       "Поле \"Пломба №\" содержит символы, недопустимые в штрих-коде!"},
        IncompleteCase{"RecordMarkInTheBag", [](TForm1& f) { f.FNBag.setText("Aµ3"); },
                       "Поле \"Сумка №\" содержит символы, недопустимые в штрих-коде!"}),
    [](const auto& info) { return std::string(info.param.name); });

// Every denomination row and every symbol row filled: 957 characters of record line before the
// seal number, which then takes the line to the library's limit of 1024, or one past it.
TEST_F(BarcodeMessage, ARecordLineTheLibraryWouldCutIsRefused) {
    for (const int sealLength : {67, 68}) {
        SCOPED_TRACE(sealLength);
        TForm1& form = startExample();
        form.FNBag.setText("");
        for (int i = 0; i < TForm1::denominationRows; ++i) {
            form.NCount[i]->setText("1");
            form.NSum[i]->setText(kopToText(NominalTable[i].Value, true));
        }
        form.sumPV.setText("6,683.66");
        for (int j = 0; j < TForm1::symbolRows; ++j) form.SSkp[j]->setText("02");
        form.SSum[0]->setText("6,683.66");
        form.FPlomba.setText(QString(sealLength, u'7'));
        boxes.boxes.clear();

        const QString text = message(form);
        if (sealLength == 67) {
            EXPECT_EQ(recordLine(text).size(), 1024);
            EXPECT_EQ(warnings(), QStringList{});
        } else {
            EXPECT_EQ(text, "");
            EXPECT_EQ(warnings(), QStringList{"Данные ведомости не помещаются в штрих-код!"});
        }
    }
}

TEST_F(BarcodeMessage, DocumentSumApartFromTheSymbolsReachesTheCaller) {
    TForm1& form = startExample();
    form.SSum[0]->setText("1,000.00");
    QString text;
    try {
        form.getBarcodeText(text);
        ADD_FAILURE() << "the mismatch is raised";
    } catch (const PVErrInput& error) {
        EXPECT_EQ(error.message(), "Сумма документа не равна сумме с разбивкой по СКП!");
    }
    EXPECT_TRUE(text.startsWith("Ostrel13\r\n")) << "the message was built first";
}

TEST_F(BarcodeMessage, LongCustomerNamesAreCut) {
    TForm1& form = startExample();
    form.cusName.setText(QString(300, u'Щ'));
    EXPECT_TRUE(message(form).contains("\r\nD=" + QString(255, u'Щ') + "\r\nE="));
}

} // namespace
