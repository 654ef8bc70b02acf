#include "app/bag_control/bag_admission.h"

#include "app/bag_control/bag_series.h"

#include <algorithm>

namespace {

bool entryAdmits(const BagEntry& entry, const QString& bagNumber) {
    if (entry.count == QStringLiteral("1")) return bagNumber == entry.first;
    const QList<DigitRun> runs = digitRuns(bagNumber);
    return std::any_of(runs.begin(), runs.end(), [&](DigitRun run) {
        const QString counter = runText(bagNumber, run);
        return fitInEntry(entry, {bagNumber, run, counter, counter}) == SeriesFit::Inside;
    });
}

} // namespace

bool isBagAdmitted(const QStringList& bagLines, const QString& bagNumber) {
    return std::any_of(bagLines.begin(), bagLines.end(), [&](const QString& line) {
        return lineKey(line) != bagHeadingKey &&
               entryAdmits(splitBagValue(lineValue(line)), bagNumber);
    });
}
