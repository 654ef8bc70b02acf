#include "app/formats/input_error.h"
#include "app/printing/print_run.h"
#include "tests/printing/print_fakes.h"
#include "tests/printing/statement_fixture.h"
#include "tests/support/qt_print.h"
#include "tests/support/scripted_message_boxes.h"

#include <gtest/gtest.h>

namespace {

class FakeWindow : public PrintSource {
public:
    bool singleSymbolMode() const override { return statement.singleSymbolMode; }
    QString declaredAmount(int group) const override {
        return QList<QString>{statement.SumV, statement.SumBPA, statement.SumPA}[group];
    }
    QString symbolTotal(int group) const override {
        return QList<QString>{statement.Label15, statement.Label16, statement.Label17}[group];
    }
    QString kodYpin() const override { return ypin; }
    QString getBarcodeText() override {
        ++messagesBuilt;
        if (sumMismatch) throw PVErrInput("Сумма документа не равна сумме с разбивкой по СКП!");
        return message;
    }
    void splitDenominations() override { ++splits; }
    ReportStatement reportStatement() const override { return statement; }

    ReportStatement statement = filledStatement();
    QString ypin = "57";
    QString message = "Ostrel13\r\nD=ООО Пример\r\n";
    bool sumMismatch = false;
    int messagesBuilt = 0;
    int splits = 0;
};

class PrintRunTest : public testing::Test {
protected:
    void print() { run.printBtnClick(); }

    QStringList questions() const {
        QStringList texts;
        for (const auto& box : boxes.boxes)
            if (box.caption == "Подтверждение") texts += box.text;
        return texts;
    }

    FakeWindow window;
    FakeBarcodeLibrary library;
    ScriptedMessageBoxes boxes;
    ReportDocument report;
    RecordingPreview preview;
    PrintRun run{window, library, boxes, report, preview};
};

const QStringList customerSetAndLabel{"Page1", "Page2", "Page3", "Page15"};

TEST_F(PrintRunTest, PlacesTheBarcodeOnEveryViewAndShowsTheCustomerFormsAndLabel) {
    print();
    ASSERT_EQ(library.messages.size(), 1);
    EXPECT_EQ(library.messages.front(), "Ostrel13\r\nD=\xCE\xCE\xCE \xCF\xF0\xE8\xEC\xE5\xF0\r\n");
    EXPECT_TRUE(boxes.boxes.isEmpty());
    EXPECT_EQ(window.splits, 1);
    ASSERT_EQ(preview.runs, 1);
    EXPECT_EQ(preview.pageNames(), customerSetAndLabel);
    EXPECT_EQ(QStringList(preview.pictures.keys()).size(), 4);
    for (const char* view : {"BAzecCode1", "BAzecCode2", "BAzecCode3", "BAzecCode4"})
        EXPECT_EQ(preview.pictures.value(view).bits, library.symbol.bits) << view;
    // The data sets are filled: fifteen inventory rows and nine symbol rows.
    int units = 0;
    for (const DrawOp& op : preview.shown.front().ops) units += op.text == "л." || op.text == "шт.";
    EXPECT_EQ(units, 15);
}

TEST_F(PrintRunTest, AccountSumThatDiffersFromItsSymbolsStopsBeforeTheBarcode) {
    window.statement.Label16 = "200.00";
    try {
        print();
        ADD_FAILURE() << "no error";
    } catch (const PVErrInput& error) {
        EXPECT_EQ(error.message(),
                  "Введенная(ые) сумма(ы) по счету(ам) Клиента не равны по расчету по СКП!");
    }
    EXPECT_EQ(window.messagesBuilt, 0);
    EXPECT_EQ(preview.runs, 0);
}

TEST_F(PrintRunTest, SingleSymbolModeSkipsTheAccountCheckAndPrintsTheCustomerForms) {
    window.statement.singleSymbolMode = true;
    window.statement.SumV = "0.00";
    window.statement.Label16 = "200.00";
    print();
    EXPECT_EQ(preview.pageNames(), customerSetAndLabel);
}

TEST_F(PrintRunTest, WithoutRevenueOnlyTheBagLabelPrints) {
    window.statement.SumV = "0.00";
    window.statement.Label15 = "0.00";
    print();
    EXPECT_EQ(preview.pageNames(), QStringList{"Page15"});
}

struct QuestionCase {
    const char* name;
    std::function<void(FakeWindow&, FakeBarcodeLibrary&)> arrange;
    const char* question;
    int encodeCalls;
};

class PrintQuestion : public PrintRunTest, public testing::WithParamInterface<QuestionCase> {};

const QuestionCase questionCases[] = {
    {"NoLibrary", [](FakeWindow&, FakeBarcodeLibrary& l) { l.loaded = false; },
     "libLumetra.so - не найдена.\nПродолжить печать?", 0},
    {"NoCollectionPointBeforeAnyLibraryCall",
     [](FakeWindow& w, FakeBarcodeLibrary& l) {
         w.ypin.clear();
         l.missing = QStringList{"Lumx_EnCode_IPictureDisp"};
     },
     "Не установлен код пункта инкассации!\nПродолжить печать?", 0},
    {"NoEncoder",
     [](FakeWindow&, FakeBarcodeLibrary& l) {
         l.missing = QStringList{"Lumx_EnCode_IPictureDisp"};
     },
     "Функция Lumx_EnCode_IPictureDisp - не найдена.\nПродолжить печать?", 0},
    {"IncompleteStatement", [](FakeWindow& w, FakeBarcodeLibrary&) { w.message.clear(); },
     "Не заполненен документ!\nПродолжить печать?", 0},
    {"EncoderFails", [](FakeWindow&, FakeBarcodeLibrary& l) { l.encodeStatus = 10; },
     "Ошибка № 10 вызова функции Lumx_EnCode_IPictureDisp: \"Мал буфер\".\nПродолжить печать?", 1},
};

TEST_P(PrintQuestion, NoPrintsNothing) {
    GetParam().arrange(window, library);
    boxes.answers = {MsgButton::No};
    print();
    EXPECT_EQ(questions(), QStringList{GetParam().question});
    EXPECT_EQ(library.messages.size(), GetParam().encodeCalls);
    EXPECT_EQ(preview.runs, 0);
    EXPECT_EQ(window.splits, 0);
}

TEST_P(PrintQuestion, YesPrintsWithoutBarcode) {
    GetParam().arrange(window, library);
    boxes.answers = {MsgButton::Yes};
    print();
    EXPECT_EQ(questions(), QStringList{GetParam().question});
    EXPECT_EQ(preview.pageNames(), customerSetAndLabel);
    EXPECT_TRUE(preview.pictures.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Conditions, PrintQuestion, testing::ValuesIn(questionCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(PrintRunTest, DocumentSumMismatchIsWarnedAndNothingPrints) {
    window.sumMismatch = true;
    print();
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(boxes.boxes.front().caption, "Предупреждение");
    EXPECT_EQ(boxes.boxes.front().text, "Сумма документа не равна сумме с разбивкой по СКП!");
    EXPECT_EQ(preview.runs, 0);
}

TEST_F(PrintRunTest, NextRunPlacesTheBarcodeAgainAfterAPrintWithout) {
    library.encodeStatus = 28;
    boxes.answers = {MsgButton::Yes};
    print();
    EXPECT_TRUE(preview.pictures.isEmpty());
    library.encodeStatus = 0;
    print();
    EXPECT_EQ(preview.pictures.size(), 4);
    EXPECT_EQ(preview.runs, 2);
}

TEST_F(PrintRunTest, ErrorTextOfTheLibrary) {
    EXPECT_EQ(run.libErrorText(10), "Мал буфер");
    EXPECT_EQ(library.errorCodes, QList<qint32>{10});
    library.errorStatus = 10;
    EXPECT_EQ(run.libErrorText(28),
              "Наименование ошибки не получено. Ошибка № 10 вызова функции Lumx_GetErrorStringA");
    library.missing = QStringList{"Lumx_GetErrorStringA"};
    EXPECT_EQ(run.libErrorText(28), "");
    library.missing.clear();
    library.loaded = false;
    EXPECT_EQ(run.libErrorText(28), "");
}

TEST_F(PrintRunTest, VersionBox) {
    struct Case {
        std::function<void()> arrange;
        const char* secondLine;
    };
    const Case cases[] = {
        {[&] {}, "Версия libLumetra.so 1.0."},
        {[&] { library.versionStatus = 10; },
         "Ошибка № 10 вызова функции Lumx_GetVersion: \"Мал буфер\"."},
        {[&] { library.missing = QStringList{"Lumx_GetVersion"}; },
         "Функция Lumx_GetVersion - не найдена."},
        {[&] { library.loaded = false; }, "libLumetra.so - не найдена."},
    };
    for (const Case& c : cases) {
        c.arrange();
        boxes.boxes.clear();
        run.helpBtnClick("korvane");
        ASSERT_EQ(boxes.boxes.size(), 1);
        const auto& box = boxes.boxes.front();
        EXPECT_EQ(box.caption, "Препроводительная ведомость");
        EXPECT_EQ(box.buttons, QList<MsgButton>{MsgButton::Yes});
        EXPECT_EQ(box.text, QString("Версия korvane 4.06 от 17.02.2015\r\n") + c.secondLine);
    }
}

} // namespace
