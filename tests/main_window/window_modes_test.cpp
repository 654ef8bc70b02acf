#include "tests/main_window/statement_window_fixture.h"

namespace {

using WindowModes = StatementWindowTest;

TEST_F(WindowModes, ApplyTuningDataFillsFieldsAndState) {
    TForm1& form = start();
    form.applyTuningData(accountEntry());

    const std::pair<Control*, const char*> fields[] = {{&form.BankName, "Банк"},
                                                       {&form.cusName, "Получатель"},
                                                       {&form.pinShifr, "ПИ-015"},
                                                       {&form.pinName, "Пункт"},
                                                       {&form.FAccDt, "20202"},
                                                       {&form.FAccKt, "40702"},
                                                       {&form.Bic, "040000777"},
                                                       {&form.Inn, "0000123456"},
                                                       {&form.Kpp, "000001001"},
                                                       {&form.Okato, "00000000001"},
                                                       {&form.BankNameCus, "Банк получателя"},
                                                       {&form.BicCus, "040000778"},
                                                       {&form.AccCus, "40821-1"},
                                                       {&form.AccCusBPA, "40821-2"},
                                                       {&form.AccCusPA, "40821-3"}};
    for (const auto& [control, text] : fields) {
        EXPECT_EQ(control->text(), QString::fromUtf8(text)) << control->name().toStdString();
    }
    const std::pair<const QString*, const char*> state[] = {{&form.kodYpin, "1501"},
                                                            {&form.tipYbgs, "1"},
                                                            {&form.group, "3"},
                                                            {&form.tipZay, "2"},
                                                            {&form.accDtDef, "20202"},
                                                            {&form.accKtDef, "40702"},
                                                            {&form.skpDef, ""},
                                                            {&form.skpDef1, "02"},
                                                            {&form.skpDef2, ""},
                                                            {&form.skpDef3, "12"},
                                                            {&form.skpDef2Z, "51"},
                                                            {&form.SkpDef3Z, "52"},
                                                            {&form.accCusDef, "40821-1"},
                                                            {&form.AccCusBPADef, "40821-2"},
                                                            {&form.AccCusPADef, "40821-3"},
                                                            {&form.ISYPSK, "Y"},
                                                            {&form.kodBsdg, "15"},
                                                            {&form.numSubDog, "ДС-1"},
                                                            {&form.datBeg, "01.02.2026"},
                                                            {&form.subKlassName, "Подкласс"}};
    for (const auto& [value, expected] : state) EXPECT_EQ(*value, QString::fromUtf8(expected));
    EXPECT_FALSE(form.isLabel);
    EXPECT_EQ(form.AllowASkp, (QList<TSkp>{{5, "Пять"}}));
    EXPECT_EQ(form.AllowASkp123,
              (QList<TSkpN>{
                  {2, "Выручка", ""}, {11, "БПА", ""}, {12, "ПА", ""}, {52, "Забалансовый", "З"}}));
}

TEST_F(WindowModes, AccountModeOpensTheGroupsWithADefaultSymbol) {
    TForm1& form = start();
    form.applyTuningData(accountEntry()); // groups 1 and 3 have a default symbol
    const bool open[] = {true, false, true};
    Control* declared[] = {&form.SumV, &form.SumBPA, &form.SumPA};
    Control* totals[] = {&form.Label15, &form.Label16, &form.Label17};
    for (int g = 0; g < 3; ++g) {
        SCOPED_TRACE(g);
        EXPECT_TRUE(declared[g]->visible);
        EXPECT_TRUE(totals[g]->visible);
        EXPECT_EQ(declared[g]->enabled, open[g]);
        EXPECT_EQ(declared[g]->colour, open[g] ? clLime : clInactiveCaption);
        for (int row = 3 * g; row < 3 * g + 3; ++row) {
            for (Control* field : {form.SSkp[row], form.ZSkp[row], form.SSum[row]}) {
                EXPECT_EQ(field->enabled, open[g]) << field->name().toStdString();
                EXPECT_EQ(field->colour, open[g] ? clLime : clInactiveCaption);
            }
        }
    }
}

TEST_F(WindowModes, SingleSymbolModeHidesTheGroupsButKeepsTheirAmounts) {
    TForm1& form = start();
    form.applyTuningData(accountEntry());
    recTuningDate single = accountEntry();
    single.skpDef = "05";
    form.applyTuningData(single);
    for (Control* control :
         {&form.groupCaption1, &form.groupCaption2, &form.groupCaption3, &form.SumV, &form.SumBPA,
          &form.SumPA, &form.Label9, &form.Label13, &form.Label14, &form.Label15, &form.Label16,
          &form.Label17, &form.groupFrame1, &form.groupFrame2, &form.groupFrame3}) {
        EXPECT_FALSE(control->visible) << control->name().toStdString();
    }
    EXPECT_EQ(form.SumBPA.text(), "0.00");
    for (int row = 0; row < TForm1::symbolRows; ++row) {
        EXPECT_TRUE(form.SSkp[row]->enabled);
        EXPECT_EQ(form.SSum[row]->colour, clLime);
        EXPECT_FALSE(form.ZSkp[row]->enabled);
        EXPECT_EQ(form.ZSkp[row]->colour, clInactiveCaption);
    }
}

TEST_F(WindowModes, RegistryDefaultsCopyTheCreditAccount) {
    defaults.values->insert("SKP", "5");
    defaults.values->insert("BANKBIC", "044");
    TForm1& form = start();
    EXPECT_EQ(form.skpDef, "05");
    EXPECT_EQ(form.AccCus.text(), "40702810900000000015");
    EXPECT_EQ(form.accCusDef, "");
    EXPECT_EQ(form.BicCus.text(), "044");
    EXPECT_TRUE(form.isLabel);
}


TEST_F(WindowModes, SetValueForNVedNameKeepsTheNumberCurrent) {
    const struct {
        int mode;
        const char* number;
        const char* prefix;
    } cases[] = {{0, "12", "ПИ-015"}, {1, "АБ7", ""}, {2, "12", ""}, {3, "", ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        writeSettings(QStringLiteral("[NVed Cast]\nNVedCastValue=%1\n").arg(c.mode));
        TForm1& form = start();
        form.applyTuningData(accountEntry());
        form.FNBag.setText("АБ7");
        form.NVedName.setText("12");
        form.SetValueForNVedName();
        EXPECT_EQ(form.NVedName.text(), QString::fromUtf8(c.number));
        EXPECT_EQ(form.NVedPrefix.text(), QString::fromUtf8(c.prefix));
    }
}

} // namespace
