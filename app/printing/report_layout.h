#pragma once

#include "app/printing/mono_picture.h"
#include "app/printing/report_template.h"

#include <QHash>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>

// A4 portrait with the forms' margins; millimetres.
struct PageFormat {
    double width = 210;
    double height = 297;
    double left = 12;
    double right = 10;
    double top = 7;
    double bottom = 7;
};

// One thing to draw, in millimetres from the page's top-left corner.
struct DrawOp {
    enum class Kind { Text, Line, Rectangle, Picture };

    Kind kind = Kind::Text;
    // A line runs from box.topLeft() to box.bottomRight().
    QRectF box;
    // The text with its variables filled in, or the picture's name.
    QString text;
    Font font;
    Align align;
    LineWeight weight = LineWeight::Thin;
};

struct LaidOutPage {
    QString name;
    int number = 0; // 1 for the first printed page
    QList<DrawOp> ops;
};

// The current record of each data set while a band repeats.
using RecordPositions = QHash<QString, int>;
// The value of a bracketed variable other than the engine's own [Page#].
using ReportValue = std::function<QString(const QString& name, const RecordPositions& records)>;

struct ReportInput {
    // Pages to print, by name; they print in template order.
    QStringList selectedPages;
    // Records of each data set; a data band of a set not named here prints no row.
    QHash<QString, int> recordCounts;
    ReportValue value;
    // The filled picture slots; an empty slot draws nothing.
    QHash<QString, MonoPicture> pictures;
};

// Pictures print at one pixel per 1/96 inch.
inline constexpr double pictureDotsPerInch = 96;

QList<LaidOutPage> layOutReport(const ReportTemplate& report, const ReportInput& input,
                                const PageFormat& format = {});
