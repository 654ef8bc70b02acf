#include "app/formats/cp1251.h"
#include "lumetra/message/prepare_message.h"
#include "lumetra/message/prepared_decoder.h"
#include "tests/main_window/expected_field_items.h"
#include "tests/main_window/grid_fixture.h"

#include <map>
#include <string>
#include <vector>

namespace {

using StatementRoundTrip = GridTest;

TEST_F(StatementRoundTrip, ATypedStatementReachesTheBankUnchanged) {
    recTuningDate entry = exampleEntry();
    entry.tipZay = "С";
    entry.tipYbgs = "Т";
    entry.kodBsdg = "15";
    entry.cusName = "ООО \"Пример\"";
    TForm1& form = startWith(entry);
    form.SetValueForNVedName();

    driver->typeOver(form.FDateCreate, "5.3.16");
    driver->typeOver(form.FNBag, "A123");
    driver->pressEnter();
    driver->typeOver(form.NVedName, "12");
    driver->pressEnter();
    driver->typeOver(form.FPlomba, "555");
    driver->pressEnter();
    driver->typeOver(*form.NCount[3], "10");
    driver->pressEnter();
    driver->typeOver(*form.NSum[10], "5");
    driver->pressEnter();
    driver->typeOver(*form.SSum[0], "1000");
    driver->pressEnter();
    driver->typeOver(*form.SSkp[3], "11"); // takes the 5.00 left over
    driver->pressEnter();
    driver->typeOver(*form.ZSkp[3], "51");
    driver->pressEnter();
    driver->typeOver(form.FFIO, "Клиент 1");
    driver->pressEnter();
    ASSERT_EQ(warnings(), QStringList{});
    ASSERT_EQ(boxes.errors, QStringList{});
    ASSERT_EQ(form.SSum[3]->text(), "5.00");

    QString message;
    form.getBarcodeText(message);
    EXPECT_EQ(message,
              "Ostrel13\r\nA=045712\r\nB=20160305\r\nC=ER\r\nD=ООО \"Пример\"\r\nE=Клиент 1\r\n"
              "F=\r\n0=µ1|С||57|20160305103000|2|A123|Т|555||||15|µ2|"
              "µ3|1|B|Г|10|1000.00|100.00|RUR|||1||||||||µ4|"
              "µ3|1|C|Г|5|5.00|1.00|RUR|||1||||||||µ4|"
              "µ3|1||Г||1000.00||RUR||||||||||02||1|µ4|"
              "µ3|1||Г||5.00||RUR||||||||||11|51|2|µ4|µ5\r\n");

    const QByteArray bytes = toCp1251(message);
    const lumetra::PreparedMessage prepared =
        lumetra::PrepareMessage(std::string_view(bytes.constData(), bytes.size()), false);
    ASSERT_EQ(prepared.result, lumetra::kPrepareOk);
    const lumetra::DecodedMessage decoded = lumetra::DecodePrepared(prepared.bytes);
    ASSERT_EQ(decoded.status, lumetra::DecodeStatus::kOk);
    EXPECT_EQ(decoded.items, expectedFieldItems(message));
}

} // namespace
