#include "tests/main_window/statement_window_fixture.h"

namespace {

using ClearCommand = StatementWindowTest;

TEST_F(ClearCommand, EmptiesTheStatementAndKeepsReferenceDataAndNumber) {
    writeSettings("[NVed Cast]\nNVedCastValue=2\n");
    TForm1& form = start();
    form.applyTuningData(accountEntry());
    form.NVedName.setText("17");
    for (Control* field : {&form.FNBag, &form.FPlomba, &form.FFIO, form.NCount[3], form.NSum[3],
                           form.SSkp[0], form.ZSkp[0], form.SSum[0]}) {
        field->setText("1");
    }
    form.SSkp[0]->hint = "Балансовый;Выручка";
    form.ZSkp[0]->hint = "Забалансовый:x";
    form.FAccDt.setText("changed");
    form.FAccKt.setText("changed");
    form.FDateCreate.setText("01.01.2020");
    form.Label15.setText("1.00");
    form.SumV.setText("5.00");
    form.SumV.fontColour = clRed;
    form.SumV.hint = "mismatch";
    form.sumPV.setText("1.00");
    form.sumPV.colour = clRed;
    form.sumPV.hint = "mismatch";
    today = QDate(2026, 3, 6);

    driver->click(form.clearBtn);

    for (Control* field : {&form.FNBag, &form.FPlomba, &form.FFIO, form.NCount[3], form.NSum[3],
                           form.SSkp[0], form.ZSkp[0], form.SSum[0]}) {
        EXPECT_EQ(field->text(), "") << field->name().toStdString();
    }
    EXPECT_EQ(form.SSkp[0]->hint, "");
    EXPECT_EQ(form.ZSkp[0]->hint, "");
    EXPECT_EQ(form.FAccDt.text(), "20202");
    EXPECT_EQ(form.FAccKt.text(), "40702");
    EXPECT_EQ(form.AccCus.text(), "40821-1");
    EXPECT_EQ(form.FDateCreate.text(), "06.03.2026");
    for (Control* sum : {&form.Label15, &form.SumV, &form.sumPV}) EXPECT_EQ(sum->text(), "0.00");
    EXPECT_EQ(form.SumV.fontColour, clWindowText);
    EXPECT_EQ(form.SumV.hint, "");
    EXPECT_EQ(form.sumPV.colour, clBtnFace);
    EXPECT_EQ(form.sumPV.hint, "");
    for (Control* caption : {&form.Label9, &form.Label13, &form.Label14}) {
        EXPECT_EQ(caption->text(), "Сумма");
    }
    EXPECT_EQ(form.NVedName.text(), "17");
    EXPECT_EQ(form.pinShifr.text(), "ПИ-015");
    EXPECT_FALSE(form.SumBPA.enabled) << "window modes stay";
    EXPECT_TRUE(form.isFocused(form.FNBag));
}

TEST_F(ClearCommand, CopiesTheCreditAccountWithoutCustomerAccount) {
    TForm1& form = start(); // registry defaults: no customer account
    form.AccCus.setText("old");
    form.clearBtnClick();
    EXPECT_EQ(form.AccCus.text(), "40702810900000000015");
}

} // namespace
