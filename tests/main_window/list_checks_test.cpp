#include "tests/main_window/statement_window_fixture.h"

namespace {

const char* const sealRefused = "Пломба не входит в список разрешенных!";
const char* const bagRefused = "Сумка не входит в список разрешенных!";

const char* const sealControlOnly = "[Control plombs]\r\nIsControlPlombs=1\r\n";
const QString sealList = QString(sealControlOnly) + "[Values plombs]\r\n1=А1\r\n2=ab7\r\n";

// The value of a bag list line: first number, last number, counter position, count.
QString bagEntry(const char* first, const char* last, const char* position, const char* count) {
    return QStringList{first, last, position, count}.join(QChar(0x0001));
}

// The bag section as the bag dialog writes it: the heading line, then the entries.
QString bagSettings(const QStringList& entries) {
    QString text =
        "[Control bags]\r\nIsControlBags=1\r\n[Values bags]\r\n№=" +
        bagEntry("Начальный шифр", "Последний шифр", "Позиция инкремента", "Кол-во сумок") + "\r\n";
    for (int k = 0; k < entries.size(); ++k) {
        text += QStringLiteral("%1=%2\r\n").arg(k + 1).arg(entries[k]);
    }
    return text;
}

enum class Field { Seal, Bag };
enum class Action { Leave, Enter };

struct ListCase {
    const char* name;
    QString settings;
    Field field;
    const char* typed;
    Action action;
    const char* error; // null when the number is admitted

    friend void PrintTo(const ListCase& c, std::ostream* out) { *out << c.name; }
};

class ListChecks : public StatementWindowTest, public testing::WithParamInterface<ListCase> {};

TEST_P(ListChecks, AdmitOrRefuseTheNumber) {
    const ListCase& c = GetParam();
    writeSettings(c.settings);
    TForm1& form = start();
    Control& field = c.field == Field::Seal ? form.FPlomba : form.FNBag;
    Control& next = c.field == Field::Seal ? form.FAccDt : form.NVedName;
    driver->typeOver(field, QString::fromUtf8(c.typed));
    if (c.action == Action::Leave) {
        driver->focus(form.FFIO);
    } else {
        driver->pressEnter();
    }

    EXPECT_EQ(field.text(), QString::fromUtf8(c.typed));
    if (c.error) {
        EXPECT_EQ(boxes.errors, QStringList{QString::fromUtf8(c.error)});
        EXPECT_TRUE(form.isFocused(field)) << "focus stays in the field";
        EXPECT_EQ(field.colour, clYellow);
    } else {
        EXPECT_TRUE(boxes.errors.isEmpty()) << boxes.errors.join('|').toStdString();
        const Control& expected = c.action == Action::Leave ? form.FFIO : next;
        EXPECT_TRUE(form.isFocused(expected)) << form.focused()->name().toStdString();
        EXPECT_EQ(field.colour, clLime);
    }
}

// АБ00001 … АБ00500 as a series with its counter at position 3.
const QString series = bagEntry("АБ00001", "АБ00500", "3", "500");
const QString single = bagEntry("АБ00001", "АБ00500", "3", "1");

INSTANTIATE_TEST_SUITE_P(
    Seals, ListChecks,
    testing::Values(
        ListCase{"Listed", sealList, Field::Seal, "А1", Action::Leave, nullptr},
        ListCase{"NotListed", sealList, Field::Seal, "А3", Action::Leave, sealRefused},
        ListCase{"ComparedCaseSensitively", sealList, Field::Seal, "AB7", Action::Leave,
                 sealRefused},
        ListCase{"EmptyLeavesFreely", sealList, Field::Seal, "", Action::Leave, nullptr},
        ListCase{"EmptyRefusedOnEnter", sealList, Field::Seal, "", Action::Enter, sealRefused},
        ListCase{"ListedMovesOnOnEnter", sealList, Field::Seal, "ab7", Action::Enter, nullptr},
        ListCase{"NoListRefusesEvery", sealControlOnly, Field::Seal, "А1", Action::Leave,
                 sealRefused},
        ListCase{"NoListRefusesOnEnter", sealControlOnly, Field::Seal, "А1", Action::Enter,
                 sealRefused},
        ListCase{"ControlOff", "[Values plombs]\r\n1=А1\r\n", Field::Seal, "", Action::Enter,
                 nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Bags, ListChecks,
    testing::Values(
        ListCase{"InSeries", bagSettings({series}), Field::Bag, "АБ00250", Action::Leave, nullptr},
        ListCase{"InSeriesOnEnter", bagSettings({series}), Field::Bag, "АБ00500", Action::Enter,
                 nullptr},
        ListCase{"PastSeries", bagSettings({series}), Field::Bag, "АБ00501", Action::Leave,
                 bagRefused},
        ListCase{"PastSeriesOnEnter", bagSettings({series}), Field::Bag, "АБ00501", Action::Enter,
                 bagRefused},
        ListCase{"OtherPrefix", bagSettings({series}), Field::Bag, "АВ00250", Action::Leave,
                 bagRefused},
        ListCase{"SecondEntryAdmits", bagSettings({bagEntry("Х1", "Х1", "2", "1"), series}),
                 Field::Bag, "АБ00007", Action::Leave, nullptr},
        ListCase{"HeadingOnly", bagSettings({}), Field::Bag, "АБ00250", Action::Leave, bagRefused},
        ListCase{"NoList", "[Control bags]\r\nIsControlBags=1\r\n", Field::Bag, "АБ00250",
                 Action::Enter, bagRefused},
        ListCase{"CountOneAdmitsItsFirst", bagSettings({single}), Field::Bag, "АБ00001",
                 Action::Leave, nullptr},
        ListCase{"CountOneIgnoresTheRange", bagSettings({single}), Field::Bag, "АБ00002",
                 Action::Leave, bagRefused},
        ListCase{"NoDigitsByCountOne", bagSettings({bagEntry("СУМКА", "СУМКА", "", "1")}),
                 Field::Bag, "СУМКА", Action::Leave, nullptr},
        ListCase{"NoDigitsNotTriedAsSeries", bagSettings({bagEntry("СУМКА", "СУМКА", "", "2")}),
                 Field::Bag, "СУМКА", Action::Leave, bagRefused},
        ListCase{"ControlOff", "[Control bags]\r\nIsControlBags=0\r\n", Field::Bag, "АБ1",
                 Action::Leave, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

using ListCheckSteps = StatementWindowTest;

TEST_F(ListCheckSteps, AdmittedSealEndsTheLeaveHandler) {
    writeSettings(sealList);
    TForm1& form = start();
    form.applyTuningData(accountEntry());
    form.SumV.setText("1000"); // the later steps would write it as 1,000.00
    form.FPlomba.setText("А1");
    form.FieldExit(form.FPlomba);
    EXPECT_EQ(form.SumV.text(), "1000");
    EXPECT_EQ(form.FPlomba.colour, clLime);

    form.FPlomba.setText("");
    form.FieldExit(form.FPlomba);
    EXPECT_EQ(form.SumV.text(), "1,000.00") << "an empty seal is not checked";
}

struct ButtonCase {
    const char* name;
    Control& (*button)(TForm1&);

    friend void PrintTo(const ButtonCase& c, std::ostream* out) { *out << c.name; }
};

class ButtonWhileBagRefused : public StatementWindowTest,
                              public testing::WithParamInterface<ButtonCase> {};

// Leaving the field for the clear or exit button is no way around the bag list.
TEST_P(ButtonWhileBagRefused, ReportsTheBagFirst) {
    writeSettings(bagSettings({series}));
    TForm1& form = start();
    int closeQueries = 0;
    form.onCloseQuery = [&] { return ++closeQueries, true; };
    driver->typeOver(form.FNBag, "АБ00999");
    driver->click(GetParam().button(form));

    EXPECT_EQ(boxes.errors, QStringList{bagRefused});
    EXPECT_EQ(closeQueries, 0);
    EXPECT_EQ(form.FNBag.text(), "АБ00999");
    EXPECT_TRUE(form.isFocused(form.FNBag));
    EXPECT_EQ(form.FNBag.colour, clYellow);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, ButtonWhileBagRefused,
    testing::Values(ButtonCase{"Exit", [](TForm1& f) -> Control& { return f.exitBtn; }},
                    ButtonCase{"Clear", [](TForm1& f) -> Control& { return f.clearBtn; }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
