#include "app/printing/statement_window_source.h"
#include "tests/main_window/grid_fixture.h"
#include "tests/printing/print_fakes.h"
#include "tests/support/qt_print.h"

namespace {

// The print run over the real statement window, with the library faked.
class StatementWindowPrint : public GridTest {
protected:
    TForm1& fill() {
        TForm1& form = startExampleHeader("Иванов Иван Иванович");
        enter(*form.NCount[3], "10");
        enter(*form.NCount[10], "5");
        enter(form.SumV, "1,005.00");
        enter(*form.SSkp[0], "02");
        enter(*form.SSum[0], "1,005.00");
        return form;
    }

    static QStringList textsOf(const LaidOutPage& page) {
        QStringList texts;
        for (const DrawOp& op : page.ops)
            if (op.kind == DrawOp::Kind::Text) texts += op.text;
        return texts;
    }

    FakeBarcodeLibrary library;
    ReportDocument report;
    RecordingPreview preview;
};

TEST_F(StatementWindowPrint, PrintsWhatTheWindowHolds) {
    TForm1& form = fill();
    ASSERT_EQ(form.sumPV.text(), "1,005.00");
    ASSERT_EQ(form.Label15.text(), "1,005.00");
    StatementWindowSource source(form);
    PrintRun(source, library, boxes, report, preview).printBtnClick();
    EXPECT_TRUE(boxes.boxes.isEmpty()) << boxes.boxes.front().text.toStdString();

    ASSERT_EQ(library.messages.size(), 1);
    EXPECT_TRUE(library.messages.front().startsWith("Ostrel13\r\nA=045712\r\nB=20160305\r\n"));
    ASSERT_EQ(preview.shown.size(), 4);
    const QStringList texts = textsOf(preview.shown.front());
    for (const char* expected :
         {"1,005-00(RUB)", "045712", "A123", "555", "05.03.2016", "ООО Пример", "02", "1,005-00",
          "10", "1,000-00", "5", "5-00", "Иванов И. И.", "40821-1"})
        EXPECT_TRUE(texts.contains(expected)) << expected;
    EXPECT_TRUE(texts.contains("Сумма прописью  Одна тысяча пять рублей 00 копеек\n"
                               "Источник поступления:  Выручка-1,005-00"))
        << texts.filter("Сумма прописью").join("|").toStdString();
}

} // namespace
