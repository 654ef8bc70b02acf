#pragma once

#include "app/bag_control/bag_entry.h"

#include <QList>
#include <QString>

// A maximal run of the digits "0" to "9" in a bag number, 1-based and inclusive.
struct DigitRun {
    int begin = 0;
    int end = 0;

    int width() const { return end - begin + 1; }
    friend bool operator==(DigitRun, DigitRun) = default;
};

// The digit runs of a number from the left.
QList<DigitRun> digitRuns(const QString& number);

// The characters of a number at a run's positions; what lies beyond the number is left out.
QString runText(const QString& number, DigitRun run);

// The bags from firstDigits to lastDigits of one series: the numbers shaped like `number`
// whose counter sits at `run`. Both digit texts are run.width() digits long.
struct SeriesRange {
    QString number;
    DigitRun run;
    QString firstDigits;
    QString lastDigits;
};

enum class SeriesFit {
    OtherSeries, // the entry describes another series (or is not readable as one)
    Inside,      // the entry holds the whole range
    Exceeds      // same series, but the range reaches beyond the entry
};

// Counter values are compared as digit texts of equal width, so runs of any width compare
// without overflow.
SeriesFit fitInEntry(const BagEntry& entry, const SeriesRange& range);
