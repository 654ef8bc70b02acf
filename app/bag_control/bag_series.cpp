#include "app/bag_control/bag_series.h"

#include "app/formats/text_formats.h"

namespace {

bool isDigitAt(const QString& text, int position) {
    return position >= 1 && position <= text.size() && isDigits(text.mid(position - 1, 1));
}

bool isCounter(const QString& digits, DigitRun run) {
    return digits.size() == run.width() && isDigits(digits);
}

} // namespace

QList<DigitRun> digitRuns(const QString& number) {
    QList<DigitRun> runs;
    for (int position = 1; position <= number.size(); ++position) {
        if (!isDigitAt(number, position)) continue;
        if (isDigitAt(number, position - 1)) {
            runs.back().end = position;
        } else {
            runs.append({position, position});
        }
    }
    return runs;
}

QString runText(const QString& number, DigitRun run) {
    return number.mid(run.begin - 1, run.width());
}

SeriesFit fitInEntry(const BagEntry& entry, const SeriesRange& range) {
    const QString& number = range.number;
    const DigitRun run = range.run;
    const QString entryFirst = runText(entry.first, run);
    const QString entryLast = runText(entry.last, run);
    const bool sameSeries =
        entry.position == QString::number(run.begin) && entry.first.size() == number.size() &&
        isCounter(entryFirst, run) && !isDigitAt(entry.first, run.end + 1) &&
        entry.first.left(run.begin - 1) == number.left(run.begin - 1) &&
        entry.first.mid(run.end) == number.mid(run.end) && isCounter(entryLast, run);
    if (!sameSeries) return SeriesFit::OtherSeries;
    const bool inside = entryFirst <= range.firstDigits && range.lastDigits <= entryLast;
    return inside ? SeriesFit::Inside : SeriesFit::Exceeds;
}
