#include "app/bag_control/bag_control_dialog.h"
#include "app/bag_control/bag_messages.h"

#include "app/formats/cp1251.h"
#include "app/formats/input_error.h"
#include "app/formats/text_formats.h"

#include <algorithm>

namespace {

bool isDigit(QChar character) {
    return isDigits(QString(character));
}

// Controls, blanks and punctuation up to "/" and the codes 112 to 251 only move on; a character
// the settings file cannot hold would make the whole list unsavable.
bool isBagCharacter(QChar character) {
    const char16_t code = character.unicode();
    bool storable = false;
    toCp1251(QString(character), &storable);
    return code > u'/' && (code < 112 || code > 251) && storable;
}

} // namespace

bool TForm4::isFirstNumberCell(const Control& cell) const {
    return std::find(aSb.begin(), aSb.end(), &cell) != aSb.end();
}

const TForm4::Cells& TForm4::rowOf(const Control& cell) const {
    return isFirstNumberCell(cell) ? aSb : aSl;
}

DigitRun TForm4::editableSpan(const Control& cell) const {
    if (isFirstNumberCell(cell)) return {1, cellCount};
    return counterRun().value_or(DigitRun{1, 0});
}

bool TForm4::abandonsEntry(const Control* gaining) const {
    return gaining == &Button4 || gaining == &exitBtn;
}

void TForm4::focusCell(const Cells& cells, int position) {
    if (position >= 1 && position <= cellCount) focus(*cells[position - 1]);
}

void TForm4::ForOnKeyPressEdit(Control& cell, KeyPress& key) {
    if (key.code == KeyPress::Tab) return;
    key.handled = true;
    const int position = getPosSmbInS_NN(cell);
    switch (key.code) {
    case KeyPress::Character:
        typeInCell(cell, key.character);
        break;
    case KeyPress::Backspace:
        DelSmbInS_NN(cell, true);
        break;
    case KeyPress::Delete:
        DelSmbInS_NN(cell, false);
        break;
    case KeyPress::Left:
        focusCell(rowOf(cell), position - 1);
        break;
    case KeyPress::Right:
        focusCell(rowOf(cell), position + 1);
        break;
    case KeyPress::Enter:
        pressEnterInCell(cell);
        break;
    default:
        break;
    }
}

void TForm4::typeInCell(Control& cell, QChar character) {
    const int position = getPosSmbInS_NN(cell);
    if (!isBagCharacter(character)) {
        focusCell(rowOf(cell), position + 1);
        return;
    }
    const bool firstNumber = isFirstNumberCell(cell);
    if (cell.readOnly || (!firstNumber && !isDigit(character))) return;
    if (cell.selLength == 0 || cell.text().isEmpty()) {
        InsertSmbInS_NN(cell, character);
        return;
    }
    // A selected character is typed over.
    QString number = getBeginShifrValue();
    if (firstNumber && position <= number.size()) {
        number[position - 1] = character;
        if (!checkCapacityInc(number, position, true)) return;
    }
    cell.setText(QString(character));
    cell.selStart = 1;
    if (firstNumber) CheckBeginBagShifr(false);
}

void TForm4::InsertSmbInS_NN(Control& cell, QChar character) {
    const Cells& cells = rowOf(cell);
    const bool firstNumber = isFirstNumberCell(cell);
    const int position = getPosSmbInS_NN(cell);
    const DigitRun span = editableSpan(cell);
    const int at = cell.text().isEmpty() || cell.selStart == 0 ? position : position + 1;
    if (at > span.end) {
        if (!firstNumber) focusCell(cells, position + 1);
        return;
    }
    if (!cells[span.end - 1]->text().isEmpty()) return;
    if (firstNumber) {
        QString number = getBeginShifrValue();
        number.insert(at - 1, character);
        if (!checkCapacityInc(number, at, true)) return;
    }
    insertIntoCells(cells, at, span.end, character);
    if (firstNumber) CheckBeginBagShifr(false);
    if (at < span.end) {
        focusCell(cells, at + 1);
    } else {
        // The span is full: the caret waits after its last character.
        focusCell(cells, at);
        cells[at - 1]->selStart = 1;
    }
}

void TForm4::DelSmbInS_NN(Control& cell, bool backward) {
    // Read-only cells show the stored entry; they do not change under the keyboard.
    if (cell.readOnly) return;
    const Cells& cells = rowOf(cell);
    const int position = getPosSmbInS_NN(cell);
    const DigitRun span = editableSpan(cell);
    const bool onCharacter =
        !cell.text().isEmpty() && (cell.selLength > 0 || (cell.selStart > 0) == backward);
    const int target = onCharacter ? position : position + (backward ? -1 : 1);
    if (target < span.begin || target > span.end || cells[target - 1]->text().isEmpty()) return;
    removeFromCells(cells, target, span.end);
    if (isFirstNumberCell(cell)) CheckBeginBagShifr(false);
    if (backward) focusCell(cells, target);
    cells[target - 1]->selStart = 0;
    cells[target - 1]->selLength = 0;
}

void TForm4::pressEnterInCell(Control& cell) {
    if (cell.readOnly) return;
    if (!isFirstNumberCell(cell)) {
        CheckLastBagShifr();
        return;
    }
    isNotPressEnterOnSbNN = false;
    const int position = getPosSmbInS_NN(cell);
    if (checkCapacityInc(getBeginShifrValue(), position, true)) {
        CheckBeginBagShifr(true);
        return;
    }
    removeFromCells(aSb, position, cellCount);
    CheckBeginBagShifr(false);
}

void TForm4::ForOnEnterS_NN(Control& cell) {
    cell.selStart = 0;
    cell.selLength = 0;
    if (cell.readOnly || !cell.text().isEmpty()) return;
    // The cells of a number stay filled from the left.
    const Cells& cells = rowOf(cell);
    const DigitRun span = editableSpan(cell);
    const int last = isFirstNumberCell(cell) ? getPosSmbInS_NN(cell) : span.end;
    for (int position = span.begin; position <= last; ++position) {
        if (cells[position - 1]->text().isEmpty()) {
            focus(*cells[position - 1]);
            return;
        }
    }
}

void TForm4::ForOnExitS_NN(Control* gaining) {
    if (aSb[0]->readOnly || !aSb[0]->text().isEmpty() || abandonsEntry(gaining)) return;
    // A bag without a number goes straight to saving.
    focus(BtnOKnew);
}

void TForm4::ForOnExitPnlSb(Control* gaining) {
    if (gaining && isFirstNumberCell(*gaining)) return;
    if (!isNotPressEnterOnSbNN || aSb[0]->readOnly || abandonsEntry(gaining)) return;
    CheckBeginBagShifr(true);
}

void TForm4::ForOnChangeComboBox1() {
    const int chosen = ComboBox1.itemIndex;
    if (chosen < 0 || chosen >= runs.size()) return;
    ClearSl_NN();
    OpenForEdit_slNN(runs[chosen]);
    KolvoBags.setText(QString());
    focus(KolvoBags);
}

void TForm4::KolvoBagsOnKeyPress(KeyPress& key) {
    if (key.code == KeyPress::Enter) {
        key.handled = true;
        KolvoBagsOnKeyPressEnter();
    } else if (key.code == KeyPress::Character && !isDigit(key.character)) {
        key.handled = true;
    }
}

void TForm4::KolvoBagsOnKeyPressEnter() {
    if (KolvoBags.readOnly) return;
    if (!CheckKolvoBags()) throw PVErrInput(bag_messages::nonZero);
}

void TForm4::KolvoBagsOnExit(Control* gaining) {
    if (KolvoBags.readOnly || KolvoBags.text().isEmpty() || abandonsEntry(gaining)) return;
    CheckKolvoBags();
}
