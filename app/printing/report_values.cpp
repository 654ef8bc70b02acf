#include "app/printing/report_values.h"

#include "app/formats/amount_in_words.h"
#include "app/formats/input_error.h"
#include "app/formats/text_formats.h"
#include "app/main_window/nominal_table.h"

#include <QtNumeric>
#include <optional>

namespace {

using Rows = ReportStatement::SymbolRow;

// The window keeps its amounts in the money form; a text that is not one counts as no amount.
std::optional<qint64> amountOf(const QString& text) {
    try {
        return sumToKop(text);
    } catch (const PVErrInput&) {
        return std::nullopt;
    }
}

QString dashed(QString text) {
    return text.replace(u'.', u'-');
}

QString currencyMarked(const QString& text) {
    return dashed(text) + QStringLiteral("(RUB)");
}

QString inWords(const QString& text) {
    const std::optional<qint64> amount = amountOf(text);
    return amount ? sumInWords(*amount) : QString();
}

QString zeroBlank(const QString& value, const QString& source) {
    return amountOf(source) == 0 ? QString() : value;
}

QString ifNonZero(const QString& value, const QString& amount) {
    const std::optional<qint64> parsed = amountOf(amount);
    return parsed && *parsed != 0 ? value : QString();
}

QString bagNumber(const QString& text) {
    return text.isEmpty() ? QStringLiteral("б/н") : text;
}

QString faceValue(QString label) {
    return label.replace(QStringLiteral("руб."), QStringLiteral("(RUB)"), Qt::CaseInsensitive)
        .replace(QStringLiteral("коп."), QStringLiteral("(RUB)"), Qt::CaseInsensitive);
}

// The record-th of the symbol rows first … last that have the tested field filled; the field
// `take` of that row, or empty.
QString nthFilledRow(const ReportStatement& s, const RecordPositions& records, int first, int last,
                     QString Rows::*tested, QString Rows::*take) {
    int remaining = records.value(QStringLiteral("DSSum"));
    for (int row = first; row <= last; ++row) {
        const Rows& symbol = s.symbols[row];
        if ((symbol.*tested).isEmpty()) continue;
        if (remaining-- == 0) return symbol.*take;
    }
    return {};
}

struct GroupRows {
    int first;
    int last;
};
constexpr GroupRows allRows{0, 8};
constexpr GroupRows bpaRows{3, 5};
constexpr GroupRows paRows{6, 8};

QString symbolOf(const ReportStatement& s, const RecordPositions& r, GroupRows rows) {
    return nthFilledRow(s, r, rows.first, rows.last, &Rows::SSkp, &Rows::SSkp);
}
QString secondaryOf(const ReportStatement& s, const RecordPositions& r, GroupRows rows) {
    return nthFilledRow(s, r, rows.first, rows.last, &Rows::SSkp, &Rows::ZSkp);
}
QString amountOfRow(const ReportStatement& s, const RecordPositions& r, GroupRows rows) {
    return dashed(nthFilledRow(s, r, rows.first, rows.last, &Rows::SSum, &Rows::SSum));
}

// The denomination of the current DNSum record, or null past the table.
const ReportStatement::DenominationRow* denomination(const ReportStatement& s,
                                                     const RecordPositions& records, int* row) {
    *row = records.value(QStringLiteral("DNSum"));
    if (*row < 0 || *row >= ReportStatement::denominationRows) return nullptr;
    return &s.denominations[*row];
}

// Pieces of the current denomination that the split gave to group (0 revenue, 1 БПА, 2 ПА).
QString groupCount(const ReportStatement& s, const RecordPositions& records, int group) {
    int row = 0;
    if (!denomination(s, records, &row)) return {};
    return intToText(s.aNBreakDown[group][row], false);
}

QString groupSum(const ReportStatement& s, const RecordPositions& records, int group) {
    int row = 0;
    if (!denomination(s, records, &row)) return {};
    qint64 amount = 0;
    if (qMulOverflow(NominalTable[row].Value, s.aNBreakDown[group][row], &amount)) return {};
    return dashed(kopToText(amount, true));
}

template <typename Field>
QString denominationField(const ReportStatement& s, const RecordPositions& records, Field field) {
    int row = 0;
    const ReportStatement::DenominationRow* d = denomination(s, records, &row);
    return d ? field(*d) : QString();
}

QString sourceInputOfAll(const ReportStatement& s) {
    if (s.singleSymbolMode) return s.sourceInput;
    QStringList texts;
    for (const QString& text : s.sourceInputPv)
        if (!text.isEmpty()) texts += text;
    return texts.join(QStringLiteral(", "));
}

using Value = QString (*)(const ReportStatement&, const RecordPositions&);

struct Variable {
    const char* name;
    Value value;
};

using S = const ReportStatement&;
using R = const RecordPositions&;

// Tested in this order; the first match decides.
const Variable variables[] = {
    {"sumPv", [](S s, R) { return currencyMarked(s.sumPV); }},
    {"sumV",
     [](S s, R) {
         return s.singleSymbolMode ? s.sumPV : zeroBlank(currencyMarked(s.Label15), s.Label15);
     }},
    {"sumBPA", [](S s, R) { return zeroBlank(currencyMarked(s.Label16), s.Label16); }},
    {"sumPA", [](S s, R) { return zeroBlank(currencyMarked(s.Label17), s.Label17); }},
    {"FNBag", [](S s, R) { return bagNumber(s.FNBag); }},
    {"NVedName", [](S s, R) { return bagNumber(s.NVedPrefix + s.NVedName); }},
    {"FPlomba", [](S s, R) { return s.FPlomba; }},
    {"pinShifr", [](S s, R) { return s.pinShifr; }},
    {"pinName", [](S s, R) { return s.pinName; }},
    {"FDateCreate", [](S s, R) { return s.FDateCreate; }},
    {"FAccDt", [](S s, R) { return s.FAccDt; }},
    {"FAccKt", [](S s, R) { return s.FAccKt; }},
    {"AccCus", [](S s, R) { return ifNonZero(s.AccCus, s.SumV); }},
    {"AccCusBPA", [](S s, R) { return ifNonZero(s.AccCusBPA, s.SumBPA); }},
    {"AccCusPA", [](S s, R) { return ifNonZero(s.AccCusPA, s.SumPA); }},
    {"cusName", [](S s, R) { return s.cusName; }},
    {"Inn", [](S s, R) { return s.Inn; }},
    {"Kpp", [](S s, R) { return s.Kpp; }},
    {"Okato", [](S s, R) { return s.Okato; }},
    {"bankName", [](S s, R) { return s.BankName; }},
    {"BIC", [](S s, R) { return s.Bic; }},
    {"bankNameCus", [](S s, R) { return s.BankNameCus; }},
    {"BICCus", [](S s, R) { return s.BicCus; }},
    {"sFFIO", [](S s, R) { return shortFIO(s.FFIO); }},
    {"FFIO", [](S s, R) { return s.FFIO; }},
    {"sumPvStr", [](S s, R) { return inWords(s.sumPV); }},
    {"sumVStr", [](S s, R) { return inWords(s.sumPV); }},
    {"sumBPAStr", [](S s, R) { return inWords(s.Label16); }},
    {"sumPAStr", [](S s, R) { return inWords(s.Label17); }},
    {"sourceInput", [](S s, R) { return s.sourceInput; }},
    {"sourceInput1", [](S s, R) { return sourceInputOfAll(s); }},
    {"sourceInput2", [](S s, R) { return s.sourceInputPv[1]; }},
    {"sourceInput3", [](S s, R) { return s.sourceInputPv[2]; }},
    {"SSkp", [](S s, R r) { return symbolOf(s, r, allRows); }},
    {"ZSkp", [](S s, R r) { return secondaryOf(s, r, allRows); }},
    {"SSum", [](S s, R r) { return amountOfRow(s, r, allRows); }},
    {"SSkp1", [](S s, R r) { return symbolOf(s, r, bpaRows); }},
    {"ZSkp1", [](S s, R r) { return secondaryOf(s, r, bpaRows); }},
    {"SSum1", [](S s, R r) { return amountOfRow(s, r, bpaRows); }},
    {"SSkp2", [](S s, R r) { return symbolOf(s, r, paRows); }},
    {"ZSkp2", [](S s, R r) { return secondaryOf(s, r, paRows); }},
    {"SSum2", [](S s, R r) { return amountOfRow(s, r, paRows); }},
    {"NNominal",
     [](S s, R r) {
         return denominationField(s, r, [](const auto& d) { return faceValue(d.NNominal); });
     }},
    {"NCount",
     [](S s, R r) { return denominationField(s, r, [](const auto& d) { return d.NCount; }); }},
    {"NCount1", [](S s, R r) { return groupCount(s, r, 1); }},
    {"NCount2", [](S s, R r) { return groupCount(s, r, 2); }},
    {"NType",
     [](S s, R r) { return denominationField(s, r, [](const auto& d) { return d.NType; }); }},
    {"NSum",
     [](S s, R r) {
         return denominationField(s, r, [](const auto& d) { return dashed(d.NSum); });
     }},
    {"NSum0",
     [](S s, R r) {
         const bool single = s.singleSymbolMode;
         return denominationField(
             s, r, [single](const auto& d) { return single ? d.NSum : dashed(d.NSum); });
     }},
    {"NSum1", [](S s, R r) { return groupSum(s, r, 1); }},
    {"NSum2", [](S s, R r) { return groupSum(s, r, 2); }},
};

// Only ASCII letters match regardless of case.
bool sameName(const QString& requested, const char* name) {
    const QLatin1String known(name);
    if (requested.size() != known.size()) return false;
    for (qsizetype i = 0; i < requested.size(); ++i) {
        const char16_t a = requested[i].unicode();
        const char16_t b = static_cast<unsigned char>(known[i].toLatin1());
        const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? c + 32 : c; };
        if (lower(a) != lower(b)) return false;
    }
    return true;
}

} // namespace

QString ReportValues::frxReportGetValue(const QString& VarName,
                                        const RecordPositions& records) const {
    for (const Variable& variable : variables)
        if (sameName(VarName, variable.name)) return variable.value(statement, records);
    return {};
}
