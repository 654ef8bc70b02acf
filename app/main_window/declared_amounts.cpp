#include "app/formats/text_formats.h"
#include "app/main_window/statement_window.h"

#include <algorithm>

// A declared group amount is normalised; the first amount of a group without any opens the
// group's first row with that amount and the group's default symbols.
void TForm1::checkAccountAmounts() {
    const QString* secondaryDefaults[] = {nullptr, &skpDef2Z, &SkpDef3Z};
    for (int g = 0; g < 3; ++g) {
        const AccountGroup group = accountGroups()[g];
        const qint64 value = sumToKop(group.declared.text());
        group.declared.setText(value == 0 ? QStringLiteral("0.00") : kopToText(value, true));
        if (value == 0) continue;
        const int first = group.firstRow;
        const bool noAmounts =
            std::all_of(SSum.begin() + first, SSum.begin() + first + 3,
                        [](const Control* sum) { return sum->text().isEmpty(); });
        if (!noAmounts) continue;
        SSum[first]->setText(group.declared.text());
        SSkp[first]->setText(group.skpDefault);
        if (const QString* secondary = secondaryDefaults[g]) {
            ZSkp[first]->setText(*secondary);
            FieldExit(*ZSkp[first]);
        }
        SSkpExit(*SSkp[first]);
    }
}
