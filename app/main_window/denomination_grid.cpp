#include "app/formats/input_error.h"
#include "app/formats/text_formats.h"
#include "app/main_window/grid_totals.h"
#include "app/main_window/nominal_table.h"
#include "app/main_window/statement_window.h"

void TForm1::NCountSumEnter(Control& sender) {
    sender.colour = clYellow;
    NNominal[sender.row]->colour = rgbColour(255, 255, 121);
}

void TForm1::NCountExit(Control& sender, Control* gaining) {
    calcNRow(1, sender.row, gaining);
    const QString count = sender.text().remove(QLatin1Char(','));
    // A count that was refused leaves the split as it was.
    if (!count.isEmpty() && isDigits(count)) refreshBreakdown();
}

void TForm1::NSumExit(Control& sender, Control* gaining) {
    calcNRow(3, sender.row, gaining);
    refreshBreakdown();
}

void TForm1::calcNRow(int NKind, int NRow, Control* gaining) {
    if (NRow < 0 || NRow >= denominationRows) return;
    Control& left = NKind == 1 ? *NCount[NRow] : *NSum[NRow];
    if (!goesToClearOrExit(gaining)) {
        try {
            recalculateRow(NKind == 1, NRow);
        } catch (const PVErrInput& error) {
            focus(left);
            messageBoxes().showWarning(error.message());
            return;
        }
    }
    left.colour = clLime;
    NNominal[NRow]->colour = clWindow;
}

void TForm1::recalculateRow(bool countLeft, int row) {
    QString count = NCount[row]->text();
    QString sum = NSum[row]->text();
    const qint64 nominal = NominalTable[row].Value;
    if (countLeft) {
        countToSum(count, sum, nominal);
    } else {
        sumToCount(count, sum, nominal);
    }
    QStringList sums;
    for (int i = 0; i < denominationRows; ++i) sums << (i == row ? sum : NSum[i]->text());
    const qint64 total = totalOfAmounts(
        sums, QStringLiteral("Суммы по номиналам не могут превышат 92,233,720,368,547,758.07!"));

    // The symbol row the document sum flows into: judged against the sum before it changes.
    int symbolRowsFilled = 0;
    int target = -1;
    for (int r = 0; r < symbolRows; ++r) {
        if (SSkp[r]->text().isEmpty()) continue;
        if (++symbolRowsFilled == 1 && SSum[r]->text() == sumPV.text()) target = r;
    }
    if (symbolRowsFilled > 1) target = -1;

    sumPV.setText(totalText(total));
    if (total != 0 && target >= 0) pushDocumentSum(target);
    if (total != 0 && symbolRowsFilled == 0) {
        if (!skpDef.isEmpty()) {
            SSkp[0]->setText(skpDef);
            SSum[0]->setText(sumPV.text());
        } else {
            for (const AccountGroup& group : accountGroups()) {
                if (group.skpDefault.isEmpty()) continue;
                SSkp[group.firstRow]->setText(group.skpDefault);
                SSkpExit(*SSkp[group.firstRow]);
                pushDocumentSum(group.firstRow);
                break;
            }
        }
    }
    NCount[row]->setText(count);
    NSum[row]->setText(sum);
    if (total == 0) {
        NCount[row]->colour = clLime;
        NSum[row]->colour = clLime;
    }
}

void TForm1::pushDocumentSum(int targetRow) {
    SSum[targetRow]->setText(sumPV.text());
    accountGroups()[targetRow / 3].total.setText(sumPV.text());
    setSumsPv(targetRow / 3 + 1);
}
