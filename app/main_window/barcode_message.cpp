#include "app/formats/cp1251.h"
#include "app/formats/input_error.h"
#include "app/formats/text_formats.h"
#include "app/main_window/grid_totals.h"
#include "app/main_window/nominal_table.h"
#include "app/main_window/statement_window.h"

#include <algorithm>

namespace {

const QString lineEnd = QStringLiteral("\r\n");
const QChar recordMark(0x00B5); // "µ", byte B5 in Windows-1251

// The library keeps no more of the record line than this; what is longer it cuts silently.
constexpr qsizetype recordLineLimit = 1024;

// A value must reach the bank as typed: Windows-1251 must hold every character, no line break
// may split its line, and in the record line no field end or record marker may shift the fields.
QString checked(const QString& value, const QString& fieldName, bool inRecordLine) {
    bool allMapped = true;
    toCp1251(value, &allMapped);
    const bool breaksStructure = std::any_of(value.begin(), value.end(), [&](QChar c) {
        return c == u'\r' || c == u'\n' || (inRecordLine && (c == u'|' || c == recordMark));
    });
    if (!allMapped || breaksStructure) {
        throw PVErrInput(QStringLiteral("Поле \"%s\" содержит символы, недопустимые в штрих-коде!"),
                         {fieldName});
    }
    return value;
}

QString line(const char* key, const QString& value) {
    return QString::fromLatin1(key) + QLatin1Char('=') + value + lineEnd;
}

// Fields of the record line, each ended by "|".
class RecordLine {
public:
    void mark(int number) { add(recordMark + QString::number(number)); }
    void add(const QString& value) { text += value + QLatin1Char('|'); }
    void add(const char* value) { add(QString::fromUtf8(value)); }
    void empty(int count) { text += QString(count, QLatin1Char('|')); }
    void typed(const QString& value, const QString& fieldName) {
        add(checked(value, fieldName, true));
    }

    QString text;
};

QString withoutCommas(const QString& text) {
    return QString(text).remove(QLatin1Char(','));
}

} // namespace

void TForm1::getBarcodeText(QString& text) {
    if (sumPV.text() == QStringLiteral("0.00")) return;
    qint64 symbolTotal = 0;
    try {
        text = barcodeMessage(symbolTotal);
    } catch (const PVErrInput& error) {
        messageBoxes().showWarning(error.message());
        text.clear();
    }
    if (symbolTotal != 0 && documentSum() != symbolTotal) throw PVErrInput(documentSumMismatch);
}

QString TForm1::barcodeMessage(qint64& symbolTotal) {
    QString message = QStringLiteral("Ostrel13") + lineEnd;
    message += line(
        "A", checked(NVedPrefix.text() + NVedName.text(), QStringLiteral("Ведомость №"), false));
    const QString date = FDateCreate.text();
    if (date.isEmpty()) throw PVErrInput(QStringLiteral("Не заполненена дата документа!"));
    message += line("B", checked(date.mid(6, 4) + date.mid(3, 2) + date.mid(0, 2),
                                 QStringLiteral("Дата"), false));
    message += line("C", QStringLiteral("ER"));
    if (cusName.text().isEmpty()) throw PVErrInput(QStringLiteral("Не установлен клиент!"));
    message += line("D", checked(cusName.text().left(255), QStringLiteral("Получатель"), false));
    message += line("E", checked(FFIO.text().left(255), QStringLiteral("Клиент"), false));
    message += line("F", QString());

    RecordLine record;
    record.mark(1);
    if (!QStringList{"И", "С", "К"}.contains(tipZay)) {
        throw PVErrInput(QStringLiteral("Не установлен тип заявки!"));
    }
    record.add(tipZay);
    record.empty(1);
    if (kodYpin.isEmpty() || !tryIntValue(kodYpin)) {
        throw PVErrInput(QStringLiteral("Не установлен код пункта инкассации!"));
    }
    record.add(kodYpin);
    record.add(clock().toString(QStringLiteral("yyyyMMddHHmmss")));
    record.typed(group, QStringLiteral("Группа"));
    record.typed(FNBag.text().isEmpty() ? QStringLiteral("б/н") : FNBag.text(),
                 QStringLiteral("Сумка №"));
    if (!QStringList{"Р", "Т", "П"}.contains(tipYbgs)) {
        throw PVErrInput(QStringLiteral("Не установлен тип сумки!"));
    }
    record.add(tipYbgs);
    record.typed(FPlomba.text(), QStringLiteral("Пломба №"));
    record.empty(3);
    record.typed(kodBsdg, QStringLiteral("Код БСДГ"));
    record.mark(2);

    for (int i = 0; i < denominationRows; ++i) {
        if (NSum[i]->text().isEmpty()) continue;
        record.mark(3);
        record.add("1");
        record.add(NominalTable[i].IsCoin ? "C" : "B");
        record.add("Г");
        record.typed(withoutCommas(NCount[i]->text()), QStringLiteral("Количество"));
        record.typed(withoutCommas(NSum[i]->text()), QStringLiteral("Сумма"));
        record.add(kopToText(NominalTable[i].Value, false));
        record.add("RUR");
        record.empty(2);
        record.add("1");
        record.empty(7);
        record.mark(4);
    }

    QStringList symbolAmounts;
    for (int j = 0; j < symbolRows; ++j) {
        if (SSkp[j]->text().isEmpty()) continue;
        symbolAmounts << SSum[j]->text();
        record.mark(3);
        record.add("1");
        record.empty(1);
        record.add("Г");
        record.empty(1);
        record.typed(withoutCommas(SSum[j]->text()), QStringLiteral("Сумма"));
        record.empty(1);
        record.add("RUR");
        record.empty(9);
        record.add(SSkp[j]->text());
        record.typed(ZSkp[j]->text(), QStringLiteral("СКП2"));
        record.add(QString::number(skpDef.isEmpty() ? j / 3 + 1 : 1));
        record.mark(4);
    }
    symbolTotal = totalOfAmounts(symbolAmounts, symbolAmountsOverflow);

    const QString recordLine = record.text + recordMark + QLatin1Char('5');
    if (recordLine.size() > recordLineLimit) {
        throw PVErrInput(QStringLiteral("Данные ведомости не помещаются в штрих-код!"));
    }
    return message + line("0", recordLine);
}
