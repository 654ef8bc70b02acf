#include "app/formats/input_error.h"
#include "app/main_window/statement_window.h"
#include "app/main_window/symbol_codes.h"

#include <algorithm>
#include <stdexcept>

namespace {

// The secondary symbol is kept as typed; where its code is needed, text that is no whole number
// is a plain error, not an input error.
qint32 secondaryCode(const QString& text) {
    const auto code = tryIntValue(text);
    if (!code) {
        throw std::invalid_argument(
            QStringLiteral("\"%1\" не является целым числом").arg(text).toStdString());
    }
    return *code;
}

} // namespace

QList<qint32> TForm1::listedSecondaryCodes() const {
    const qint32 z2 = codeOf(skpDef2Z);
    const qint32 z3 = codeOf(SkpDef3Z);
    QList<qint32> codes;
    for (const TSkpN& skp : AllowASkp123) {
        if (isSecondarySign(skp.Sign) && skp.Num != z2 && skp.Num != z3) codes << skp.Num;
    }
    return codes;
}

void TForm1::checkSecondarySymbol(Control& sender) {
    const int row = sender.row;
    const QString text = sender.text();
    // The key joins the two codes without a separator, so 123 and 12 with 3 read alike.
    const QString key = SSkp[row]->text() + text;
    for (int r = 0; r < symbolRows && !key.isEmpty(); ++r) {
        if (r != row && SSkp[r]->text() + ZSkp[r]->text() == key) {
            throw PVErrInput(QStringLiteral("Повторение комбинации СКП+СКП2!"));
        }
    }
    if (!text.isEmpty()) {
        const qint32 code = secondaryCode(text);
        for (const TSkpN& skp : AllowASkp123) {
            if (skp.Num != code) continue;
            if (!isSecondarySign(skp.Sign))
                throw PVErrInput(QStringLiteral("Это СКП! Введите СКП2!"));
            sender.hint = QStringLiteral("Забалансовый:") + skp.Name;
        }
        if (skpDef.isEmpty() && ISYPSK == QStringLiteral("Y")) {
            const bool listed =
                std::any_of(AllowASkp123.begin(), AllowASkp123.end(), [&](const TSkpN& skp) {
                    return isSecondarySign(skp.Sign) && skp.Num == code;
                });
            const bool isDefault = (!skpDef2Z.isEmpty() && code == codeOf(skpDef2Z)) ||
                                   (!SkpDef3Z.isEmpty() && code == codeOf(SkpDef3Z));
            if (!listed && !isDefault) {
                QStringList offer;
                for (qint32 listedCode : listedSecondaryCodes()) offer << quotedCode(listedCode);
                // The defaults are offered as the reference data write them.
                for (const QString& defaultCode : {skpDef2Z, SkpDef3Z}) {
                    if (!defaultCode.isEmpty()) offer << defaultCode;
                }
                throw PVErrInput(
                    QStringLiteral(
                        "СКП2 \"%s\" не используется! Пожалуйста, введите СКП2 из списка: %s."),
                    {text, offer.join(QStringLiteral(", "))});
            }
        }
    }
    if (SSum[row]->text().isEmpty()) focus(*SSum[row]);
}
