#include "app/bag_control/bag_control_dialog.h"
#include "app/bag_control/bag_messages.h"

#include "app/form_kit/colour.h"
#include "app/formats/input_error.h"
#include "app/formats/text_formats.h"

#include <algorithm>

namespace {

constexpr int maxCounterWidth = 5;

qint64 powerOfTen(int exponent) {
    qint64 power = 1;
    for (int i = 0; i < exponent; ++i) power *= 10;
    return power;
}

void writeRun(const FooterCells& cells, DigitRun run, const QString& digits) {
    for (int i = 0; i < run.width() && i < digits.size(); ++i) {
        cells[run.begin - 1 + i]->setText(QString(digits[i]));
    }
}

} // namespace

QString TForm4::getBeginShifrValue() const {
    return cellsText(aSb);
}

QString TForm4::getLastShifrValue() const {
    return cellsText(aSl);
}

std::optional<DigitRun> TForm4::counterRun() const {
    const int begin = ComboBox1.text().toInt();
    const auto found = std::find_if(runs.begin(), runs.end(),
                                    [begin](DigitRun run) { return run.begin == begin; });
    return found == runs.end() ? std::nullopt : std::optional(*found);
}

std::optional<DigitRun> TForm4::countableRun() {
    const std::optional<DigitRun> run = counterRun();
    if (run && run->width() > maxCounterWidth) {
        // Only a list of an earlier installation holds such a counter.
        showInformation(bag_messages::width);
        return std::nullopt;
    }
    return run;
}

qint64 TForm4::getBagsBeginNumber() const {
    const std::optional<DigitRun> run = counterRun();
    return run ? counterDigits(aSb, *run).toLongLong() : 0;
}

qint64 TForm4::getBagsLastNumber() const {
    const std::optional<DigitRun> run = counterRun();
    return run ? counterDigits(aSl, *run).toLongLong() : 0;
}

void TForm4::CheckBeginBagShifr(bool IsExit) {
    runs.clear();
    ComboBox1.clear();
    ClearSl_NN();
    KolvoBags.setText(QString());
    for (Control* cell : aSb) {
        if (cell->text().isEmpty()) break;
        if (cell->text() == QStringLiteral(" ")) cell->setText(QStringLiteral("0"));
    }
    runs = digitRuns(getBeginShifrValue());
    for (DigitRun run : runs) ComboBox1.items.append(QString::number(run.begin));
    ComboBox1.choose(int(ComboBox1.items.size()) - 1);
    if (!IsExit) return;
    if (runs.isEmpty()) {
        DoHint(BtnOKnew);
        focus(BtnOKnew);
        return;
    }
    OpenForEdit_slNN(runs.back());
    KolvoBags.readOnly = false;
    KolvoBags.colour = clWhite;
    ComboBox1.enabled = runs.back().begin > 1;
    focus(KolvoBags);
}

bool TForm4::checkCapacityInc(const QString& number, int position, bool IsShowMessage) {
    const QList<DigitRun> numberRuns = digitRuns(number);
    const bool tooWide = std::any_of(numberRuns.begin(), numberRuns.end(), [&](DigitRun run) {
        return run.begin <= position && position <= run.end && run.width() > maxCounterWidth;
    });
    if (tooWide && IsShowMessage) showInformation(bag_messages::width);
    return !tooWide;
}

bool TForm4::CheckKolvoBags() {
    const std::optional<DigitRun> run = countableRun();
    if (!run) return false;
    bool isNumber = false;
    qint64 count = KolvoBags.text().toLongLong(&isNumber);
    if (!isNumber || count <= 0) return false;
    const qint64 room = powerOfTen(run->width()) - getBagsBeginNumber();
    if (count > room) {
        showInformation(bag_messages::countReduced);
        count = room;
        KolvoBags.setText(QString::number(count));
    }
    SetValuesForSlNN(true);
    focus(BtnOKnew);
    return true;
}

void TForm4::CheckLastBagShifr() {
    const std::optional<DigitRun> run = countableRun();
    if (!run) return;
    const qint64 first = getBagsBeginNumber();
    const qint64 last = getBagsLastNumber();
    if (last < first) {
        fillCells(aSl, QString());
        KolvoBags.setText(QString());
        focus(KolvoBags);
        throw PVErrInput(bag_messages::lastBelowFirst);
    }
    SetValuesForSlNN(false);
    KolvoBags.setText(QString::number(last - first + 1));
    DoHint(BtnOKnew);
    focus(BtnOKnew);
}

void TForm4::SetValuesForSlNN(bool IsAll) {
    const std::optional<DigitRun> run = counterRun();
    if (!run) return;
    for (int position = 1; position <= cellCount; ++position) {
        if (position < run->begin || position > run->end) {
            aSl[position - 1]->setText(aSb[position - 1]->text());
        }
    }
    if (IsAll) {
        const qint64 last = getBagsBeginNumber() + KolvoBags.text().toLongLong() - 1;
        writeRun(aSl, *run, QString::number(last).rightJustified(run->width(), u'0'));
    } else {
        writeRun(aSl, *run, counterDigits(aSl, *run));
    }
}

bool TForm4::IsBagsInsideRange(DigitRun run) {
    IsExceedValues = false;
    const SeriesRange range{getBeginShifrValue(), run, counterDigits(aSb, run),
                            counterDigits(aSl, run)};
    const bool editing = Button1.enabled;
    for (int row = 1; row < StringGrid1.rowCount(); ++row) {
        if (editing && row == StringGrid1.currentRow) continue;
        const SeriesFit fit = fitInEntry(rowEntry(row), range);
        if (fit == SeriesFit::OtherSeries) continue;
        iRowSG1 = row;
        IsExceedValues = fit == SeriesFit::Exceeds;
        return fit == SeriesFit::Inside;
    }
    return false;
}

bool TForm4::IsNoNameBag() const {
    for (int row = 1; row < StringGrid1.rowCount(); ++row) {
        if (!StringGrid1.cell(0, row).isEmpty() && StringGrid1.cell(1, row).isEmpty()) return true;
    }
    return false;
}

bool TForm4::IsBagWithoutDigits(const QString& s) const {
    for (int row = 1; row < StringGrid1.rowCount(); ++row) {
        if (!StringGrid1.cell(0, row).isEmpty() && StringGrid1.cell(1, row) == s) return true;
    }
    return false;
}

bool TForm4::CheckFootersOnPressOK(bool IfForBagValue, bool IsChoice, const QString& sMessage) {
    if (!IfForBagValue || !IsChoice) return true;
    const MsgButton answer = messageBoxes().showMessageBox(
        QStringLiteral("Подтверждение"), sMessage + u'\r' + bag_messages::continueQuestion,
        {MsgButton::No, MsgButton::OK});
    if (answer == MsgButton::No) {
        BtnOKnew.hint.clear();
        SetFootersValues(StringGrid1.currentRow);
        CloseEditFooters();
    } else if (IsExceedValues) {
        turnIntoEditOf(iRowSG1);
    } else {
        focus(*aSb[0]);
    }
    return false;
}

void TForm4::turnIntoEditOf(int row) {
    Button2.enabled = false;
    Button1.enabled = true;
    BtnOKnew.hint = QStringLiteral("Запомнить изменения");
    focus(BtnOKnew);
    IsExceedValues = false;
    const std::optional<DigitRun> run = counterRun();
    if (!run) return;
    const BagEntry entry = rowEntry(row);
    const QString rowFirst = runText(entry.first, *run);
    const QString rowLast = runText(entry.last, *run);
    if (rowFirst < counterDigits(aSb, *run)) writeRun(aSb, *run, rowFirst);
    if (counterDigits(aSl, *run) < rowLast) writeRun(aSl, *run, rowLast);
    StringGrid1.currentRow = row;
    KolvoBags.setText(QString::number(getBagsLastNumber() - getBagsBeginNumber() + 1));
}

void TForm4::OkBtnClick() {
    IsExceedValues = false;
    const QString first = getBeginShifrValue();
    const bool noName = aSb[0]->text().isEmpty();
    if (!CheckFootersOnPressOK(noName, IsNoNameBag(), bag_messages::noName)) return;
    if (!CheckFootersOnPressOK(hasNoDigits(first) || noName, IsBagWithoutDigits(first),
                               bag_messages::sameBag)) {
        return;
    }
    if (!hasNoDigits(first)) {
        if (const std::optional<DigitRun> counter = counterRun()) {
            if (KolvoBags.text() != QStringLiteral("1")) {
                for (DigitRun run : runs) {
                    if (run == *counter) continue;
                    if (!CheckFootersOnPressOK(true, IsBagsInsideRange(run),
                                               bag_messages::overlap)) {
                        return;
                    }
                }
            }
            if (!CheckFootersOnPressOK(true, IsBagsInsideRange(*counter), bag_messages::overlap))
                return;
            if (IsExceedValues) {
                CheckFootersOnPressOK(true, true, bag_messages::exceed);
                return;
            }
        }
        if (!CheckKolvoBags()) {
            focus(KolvoBags);
            throw PVErrInput(bag_messages::nonZero);
        }
    }
    StringGrid1CommitChanges(StringGrid1.currentRow);
}

void TForm4::StringGrid1CommitChanges(int ARow) {
    int row = ARow;
    if (!Button1.enabled) {
        row = StringGrid1.cell(0, 1).isEmpty() ? 1 : StringGrid1.rowCount();
        if (row == StringGrid1.rowCount()) StringGrid1.setRowCount(row + 1);
        StringGrid1.currentRow = row;
    }
    // A row without its number would be left out when the list is stored.
    if (StringGrid1.cell(0, row).isEmpty()) StringGrid1.setCell(0, row, QString::number(row));
    StringGrid1.setCell(1, row, getBeginShifrValue());
    StringGrid1.setCell(2, row, getLastShifrValue());
    StringGrid1.setCell(3, row, ComboBox1.text());
    StringGrid1.setCell(4, row, KolvoBags.text());
    StringGrid1.setRowTag(row, std::nullopt);
    CloseEditFooters();
    BtnOKnew.hint.clear();
}
