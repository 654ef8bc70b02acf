#include "app/formats/text_formats.h"
#include "app/main_window/statement_window.h"

void TForm1::getSourceInput(QString& text) const {
    for (int r = 0; r < symbolRows; ++r) {
        if (SSkp[r]->text().isEmpty()) continue;
        text += QLatin1Char(' ') + SSkp[r]->text() + QLatin1Char('-') + SSum[r]->text() +
                QLatin1Char(';');
    }
}

void TForm1::getSourceInputPv(int NAccountPv, QString& text) const {
    if (NAccountPv < 1 || NAccountPv > 3) return;
    const auto append = [&text](const QString& name, const QString& amount) {
        text += text.isEmpty() ? QStringLiteral(" ") : QStringLiteral(", ");
        text +=
            name + QLatin1Char('-') + QString(amount).replace(QLatin1Char('.'), QLatin1Char('-'));
    };
    const int first = (NAccountPv - 1) * 3;
    for (int r = first; r < first + 3; ++r) {
        // The names come from the hints that the symbol checks left.
        if (!SSkp[r]->text().isEmpty()) append(textAfter(SSkp[r]->hint, u';'), SSum[r]->text());
        if (!ZSkp[r]->text().isEmpty()) append(textAfter(ZSkp[r]->hint, u':'), SSum[r]->text());
    }
}
