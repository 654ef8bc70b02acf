#include "app/formats/input_error.h"
#include "app/formats/text_formats.h"
#include "app/main_window/grid_totals.h"
#include "app/main_window/statement_window.h"
#include "app/main_window/symbol_codes.h"

#include <algorithm>

namespace {

const QString notListedSymbol =
    QStringLiteral("СКП \"%s\" не используется! Пожалуйста, введите СКП из списка: %s.");

} // namespace

void TForm1::SSkpExit(Control& sender, Control* gaining) {
    if (goesToClearOrExit(gaining)) {
        sender.colour = clLime;
        return;
    }
    try {
        checkSymbol(sender);
    } catch (const PVErrInput& error) {
        focus(sender);
        messageBoxes().showWarning(error.message());
    }
}

void TForm1::checkSymbol(Control& field) {
    const int row = field.row;
    QString text = field.text();
    checkSkpText(text);
    const bool singleSymbol = !skpDef.isEmpty();
    if (singleSymbol) {
        if (!text.isEmpty() && !AllowASkp.isEmpty() &&
            std::none_of(AllowASkp.begin(), AllowASkp.end(),
                         [&](const TSkp& skp) { return skp.Num == codeOf(text); })) {
            QStringList offer;
            for (const TSkp& skp : AllowASkp) offer << quotedCode(skp.Num);
            throw PVErrInput(notListedSymbol, {text, offer.join(QStringLiteral(", "))});
        }
    } else if (!skpDef1.isEmpty() || !skpDef2.isEmpty() || !skpDef3.isEmpty()) {
        checkAccountSymbol(field, text);
    }

    int holding = 0; // rows with this symbol, this one included
    for (int r = 0; r < symbolRows; ++r) {
        if (r == row || SSkp[r]->text() == text) ++holding;
    }
    const bool repeated = !text.isEmpty() && holding > 1;
    if (singleSymbol && repeated) throw PVErrInput(QStringLiteral("Повторение значения СКП!"));
    field.setText(text);

    Control& amount = *SSum[row];
    if (text.isEmpty() != amount.text().isEmpty() && !repeated) focus(amount);
    if (!singleSymbol && repeated) {
        if (holding > repeatLimit() && ISYPSK == QStringLiteral("Y")) {
            throw PVErrInput(QStringLiteral("Для данного СКП нет допустимых комбинаций СКП+СКП2"));
        }
        // The repeat is told apart by a secondary symbol.
        if (amount.text().isEmpty()) focus(*ZSkp[row]);
    }
    if (!text.isEmpty() && amount.text().isEmpty()) {
        const qint64 rest = documentSum() - symbolAmountsTotal();
        if (rest > 0) amount.setText(kopToText(rest, true));
        if (rest != 0) markDocumentSum(rest > 0);
    }
    for (int group = 1; group <= 3; ++group) refreshGroupTotal(group);
    if (field.enabled) field.colour = clLime;
}

void TForm1::checkAccountSymbol(Control& field, const QString& text) {
    if (text.isEmpty()) {
        field.hint.clear();
        return;
    }
    const qint32 code = codeOf(text);
    const auto listed = std::find_if(AllowASkp123.begin(), AllowASkp123.end(),
                                     [&](const TSkpN& skp) { return skp.Num == code; });
    const QString secondaryGiven = QStringLiteral("Это СКП2! Введите СКП!");
    if (listed != AllowASkp123.end()) {
        if (isSecondarySign(listed->Sign)) throw PVErrInput(secondaryGiven);
        field.hint = QStringLiteral("Балансовый;") + listed->Name;
        return;
    }
    if (ISYPSK == QStringLiteral("Y")) {
        // Primary symbols that no row holds yet, this row with what was typed.
        QStringList offer;
        for (const TSkpN& skp : AllowASkp123) {
            if (isSecondarySign(skp.Sign)) continue;
            const bool held = std::any_of(SSkp.begin(), SSkp.end(), [&](const Control* symbol) {
                const QString held = symbol == &field ? text : symbol->text();
                return !held.isEmpty() && codeOf(held) == skp.Num;
            });
            if (!held) offer << quotedCode(skp.Num);
        }
        throw PVErrInput(notListedSymbol, {text, offer.join(QStringLiteral(", "))});
    }
    if (text == skpDef2Z || text == SkpDef3Z) throw PVErrInput(secondaryGiven);
    field.hint = QStringLiteral("Значения СКП нет среди допустимых!");
}

// One row without a secondary symbol and one per secondary symbol the statement may use.
int TForm1::repeatLimit() const {
    return 1 + int(listedSecondaryCodes().size()) + (skpDef2Z.isEmpty() ? 0 : 1) +
           (SkpDef3Z.isEmpty() ? 0 : 1);
}

void TForm1::SSumExit(Control& sender, Control* gaining) {
    if (goesToClearOrExit(gaining)) {
        sender.colour = clLime;
        return;
    }
    try {
        checkSymbolAmount(sender);
    } catch (const PVErrInput& error) {
        focus(sender);
        messageBoxes().showWarning(error.message());
    }
}

void TForm1::checkSymbolAmount(Control& field) {
    const int row = field.row;
    const qint64 amount = sumToKop(field.text());
    markDocumentSum(documentSum() >= symbolAmountsTotal());
    if (skpDef.isEmpty()) {
        refreshGroupTotal(row / 3 + 1);
        refreshBreakdown();
    }
    for (const AccountGroup& group : accountGroups()) {
        if (group.total.text().isEmpty()) group.total.setText(QStringLiteral("0.00"));
    }
    field.setText(kopToText(amount, true));
    const bool noSymbol = SSkp[row]->text().isEmpty();
    const bool noAmount = field.text().isEmpty();
    if (noSymbol != noAmount || (noSymbol && !ZSkp[row]->text().isEmpty())) focus(*SSkp[row]);
    if (field.enabled) field.colour = clLime;
}

qint64 TForm1::symbolAmountsTotal() const {
    QStringList amounts;
    for (const Control* amount : SSum) amounts << amount->text();
    return totalOfAmounts(amounts, symbolAmountsOverflow);
}

qint64 TForm1::documentSum() const {
    return sumToKop(sumPV.text());
}

void TForm1::markDocumentSum(bool matches) {
    sumPV.colour = matches ? clBtnFace : clRed;
    sumPV.hint = matches ? QString() : documentSumMismatch;
}

void TForm1::refreshGroupTotal(int group) {
    const AccountGroup g = accountGroups()[group - 1];
    QStringList amounts;
    for (int r = g.firstRow; r < g.firstRow + 3; ++r) amounts << SSum[r]->text();
    g.total.setText(totalText(totalOfAmounts(amounts, symbolAmountsOverflow)));
    setSumsPv(group);
}

void TForm1::setSumsPv(int NAccountPv) {
    static const char* const mismatch[] = {
        "Сумма Выручки не равна сумме с разбивкой Выручки по СКП!",
        "Сумма БПА не равна сумме с разбивкой БПА по СКП!",
        "Сумма ПА не равна сумме с разбивкой ПА по СКП!"};
    if (NAccountPv < 1 || NAccountPv > 3) return;
    const AccountGroup g = accountGroups()[NAccountPv - 1];
    const bool equal = g.declared.text() == g.total.text();
    g.declared.fontColour = equal ? clWindowText : clRed;
    g.declared.hint = equal ? QString() : QString::fromUtf8(mismatch[NAccountPv - 1]);
}
