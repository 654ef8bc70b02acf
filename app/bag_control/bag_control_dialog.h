#pragma once

#include "app/bag_control/bag_series.h"
#include "app/bag_control/footer_cells.h"
#include "app/bag_control/string_grid.h"
#include "app/control_lists/settings_file.h"
#include "app/form_kit/choice_control.h"
#include "app/form_kit/form.h"

#include <array>
#include <optional>

// "Контроль сумок": switches the bag check and maintains the bag list. One entry at a time is
// edited in the footer of single-character cells and checked when it is saved; the list reaches
// the settings file, and the main window's bag check, when the window closes.
class TForm4 : public Form {
public:
    static constexpr int cellCount = 20;
    using Cells = FooterCells;

    TForm4(MessageBoxes& boxes, QString settingsPath, ListSettings& settings, Form& mainWindow,
           Control& FNBag);

    Control& CheckBox1 = make("CheckBox1", Control::Kind::CheckBox);
    StringGrid& StringGrid1 = make<StringGrid>("StringGrid1", 5);
    Control& PnlSb = make("PnlSb", Control::Kind::Frame);
    Control& PnlSl = make("PnlSl", Control::Kind::Frame);
    Control& KolvoBags = make("KolvoBags", Control::Kind::Edit);
    ChoiceControl& ComboBox1 = make<ChoiceControl>("ComboBox1", Control::Kind::ComboBox);
    Control& Button1 = make("Button1", Control::Kind::Button);
    Control& Button2 = make("Button2", Control::Kind::Button);
    Control& Button3 = make("Button3", Control::Kind::Button);
    Control& BtnOKnew = make("BtnOKnew", Control::Kind::Button);
    Control& Button4 = make("Button4", Control::Kind::Button);
    Control& exitBtn = make("exitBtn", Control::Kind::Button);
    // sb01 … sb20 (first number) and sl01 … sl20 (last number), in order.
    Cells aSb{};
    Cells aSl{};

    // The first-number cells were left without Enter, so the digit runs must still be
    // recomputed.
    bool isNotPressEnterOnSbNN = true;
    // Results of the range test: an entry of the same series exists, at row iRowSG1, but does
    // not contain the tested range.
    bool IsExceedValues = false;
    int iRowSG1 = 0;
    // The digit runs of the first number (PosBeginInc, PosEndInc).
    QList<DigitRun> runs;
    // The control the view moves the mouse pointer onto, showing its hint.
    Control* pointedControl = nullptr;

    // Opening and closing.
    void GetBagsValue();
    void exitBtnClick();
    bool FormCloseQuery();

    // Buttons and grid.
    void ForOnClickEdit();
    void ForOnClickAdd();
    void ForOnClickDelete();
    void OkBtnClick();
    void OnClickCancelEditBags();
    void StringGrid1SelectCell(int row);

    // The list's storage.
    void Bags_GetIniValues(int ARow, const QString& value);
    QString Bags_SetIniValue(int ARow);

    // Digit runs, counter arithmetic and the rules an entry must pass.
    void CheckBeginBagShifr(bool IsExit);
    QString getBeginShifrValue() const;
    QString getLastShifrValue() const;
    qint64 getBagsBeginNumber() const;
    qint64 getBagsLastNumber() const;
    // The width rule: the digit at `position` of `number` (the first number as it would read
    // with the typed character) must not make its run longer than five digits.
    bool checkCapacityInc(const QString& number, int position, bool IsShowMessage);
    bool CheckKolvoBags();
    void CheckLastBagShifr();
    void SetValuesForSlNN(bool IsAll);
    bool IsBagsInsideRange(DigitRun run);
    bool IsNoNameBag() const;
    bool IsBagWithoutDigits(const QString& s) const;
    bool CheckFootersOnPressOK(bool IfForBagValue, bool IsChoice, const QString& sMessage);
    void StringGrid1CommitChanges(int ARow);

    // Cell events.
    void ForOnKeyPressEdit(Control& cell, KeyPress& key);
    void ForOnEnterS_NN(Control& cell);
    void ForOnExitS_NN(Control* gaining);
    void ForOnExitPnlSb(Control* gaining);
    void ForOnChangeComboBox1();
    void KolvoBagsOnKeyPress(KeyPress& key);
    void KolvoBagsOnKeyPressEnter();
    void KolvoBagsOnExit(Control* gaining);

private:
    void createCells(Cells& cells, const QString& prefix);
    void StringGrid1_SetHeading();
    void resetGrid();
    void SetFootersValues(int NStroka);
    void StringGrid1ReNumberRow(int from);
    void CloseEditFooters();
    void OpenForEdit_sbNN(bool keepTexts);
    void OpenForEdit_slNN(DigitRun run);
    void ClearSl_NN();
    void DoHint(Control& AControl);
    void showInformation(const QString& text);
    void turnIntoEditOf(int row);

    // The counter run: the digit run that starts where the run list's text says.
    std::optional<DigitRun> counterRun() const;
    // The counter run when its width leaves room for arithmetic; reports the width rule else.
    std::optional<DigitRun> countableRun();
    BagEntry rowEntry(int row) const;
    bool abandonsEntry(const Control* gaining) const;

    // Footer cell editing.
    bool isFirstNumberCell(const Control& cell) const;
    const Cells& rowOf(const Control& cell) const;
    DigitRun editableSpan(const Control& cell) const;
    void focusCell(const Cells& cells, int position);
    void typeInCell(Control& cell, QChar character);
    void InsertSmbInS_NN(Control& cell, QChar character);
    void DelSmbInS_NN(Control& cell, bool backward);
    void pressEnterInCell(Control& cell);

    QString settingsPath;
    ListSettings& settings;
    Form& mainWindow;
    Control& FNBag;
};
