#include "app/formats/input_error.h"
#include "app/formats/text_formats.h"
#include "app/main_window/statement_window.h"

namespace {

// The statement number keeps the button face while it is not typed (modes 1 and 3).
bool keepsItsColour(const TForm1& form, const Control& field) {
    const int mode = form.lists.NVedCastValue;
    return &field == &form.NVedName && (mode == 1 || mode == 3);
}

void setFocusColour(const TForm1& form, Control& field, Colour colour) {
    if (!keepsItsColour(form, field)) field.colour = colour;
}

bool isIn(const std::array<Control*, TForm1::symbolRows>& column, const Control& field) {
    return field.row >= 0 && field.row < TForm1::symbolRows && column[field.row] == &field;
}

// Entering a symbol or secondary symbol of the empty БПА or ПА group offers the group's default;
// the revenue group has none to offer.
void prefillEmptyGroup(TForm1& form, Control& field) {
    const int row = field.row;
    if (row < 3 || row >= TForm1::symbolRows) return;
    const bool bpa = row < 6;
    const std::array<Control*, TForm1::symbolRows>* column = nullptr;
    QString fill;
    if (isIn(form.SSkp, field)) {
        column = &form.SSkp;
        fill = bpa ? form.skpDef2 : form.skpDef3;
    } else if (isIn(form.ZSkp, field)) {
        column = &form.ZSkp;
        fill = bpa ? form.skpDef2Z : form.SkpDef3Z;
    }
    if (!column || fill.isEmpty()) return;
    const int first = row - row % 3;
    for (int r = first; r < first + 3; ++r) {
        if (!(*column)[r]->text().isEmpty()) return;
    }
    field.setText(fill);
}

} // namespace

void TForm1::setUpFieldHandlers() {
    const auto enter = [this](Control& sender) { FieldEnter(sender); };
    const auto exit = [this](Control& sender, Control*) { FieldExit(sender); };
    for (Control* field :
         {&FNBag, &NVedName, &FPlomba, &FAccDt, &FAccKt, &FFIO, &SumV, &SumBPA, &SumPA}) {
        field->onEnter = enter;
        field->onExit = exit;
    }
    for (int j = 0; j < symbolRows; ++j) {
        ZSkp[j]->onEnter = enter;
        ZSkp[j]->onExit = exit;
        SSkp[j]->onEnter = enter;
        SSum[j]->onEnter = enter;
    }
    FDateCreate.onEnter = enter;
    FDateCreate.onExit = [this](Control& sender, Control* gaining) {
        FDateCreateExit(sender, gaining);
    };
    FAccKt.onChange = [this](Control& sender) { FAccKtChange(sender); };
}

void TForm1::FieldEnter(Control& sender) {
    prefillEmptyGroup(*this, sender);
    SetValueForNVedName();
    setFocusColour(*this, sender, clYellow);
}

void TForm1::FieldExit(Control& sender) {
    if (checkListsOnExit(sender)) {
        sender.colour = clLime;
        return;
    }
    checkAccountAmounts();
    for (int group = 1; group <= 3; ++group) setSumsPv(group);
    if (isIn(ZSkp, sender)) checkSecondarySymbol(sender);
    if (&sender == &SumV) Edit1Exit();
    if (&sender == &SumBPA) Edit2Exit();
    if (&sender == &SumPA) Edit3Exit();
    SetValueForNVedName();
    setFocusColour(*this, sender, clLime);
}

void TForm1::FDateCreateExit(Control& sender, Control* gaining) {
    if (!goesToClearOrExit(gaining)) {
        QString date = sender.text();
        try {
            checkDate(date);
        } catch (const PVErrInput& error) {
            focus(sender);
            messageBoxes().showWarning(error.message());
            return;
        }
        sender.setText(date);
    }
    sender.colour = clLime;
}

void TForm1::FAccKtChange(Control&) {
    if (accCusDef.isEmpty()) AccCus.setText(FAccKt.text());
}
