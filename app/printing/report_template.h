#pragma once

#include <QList>
#include <QRectF>
#include <QString>

// The printed forms as data: pages and blocks made of bands, bands made of items. Positions and
// sizes are millimetres from the top-left corner of the band that holds the item; fonts are
// points. Texts hold bracketed report variables ("[FNBag]") that the layout fills in.

enum class LineWeight { Thin, Thick, Double };

// Sides of an item's box that are drawn.
enum Side : unsigned { LeftSide = 1, TopSide = 2, RightSide = 4, BottomSide = 8, AllSides = 15 };

struct Frame {
    unsigned sides = 0;
    LineWeight weight = LineWeight::Thin;
};

struct Font {
    double points = 10;
    bool bold = false;
};

enum class HAlign { Left, Centre, Right, Justify };
enum class VAlign { Top, Middle, Bottom };

struct Align {
    HAlign horizontal = HAlign::Left;
    VAlign vertical = VAlign::Top;
};

struct Item {
    enum class Kind { Text, Line, Rectangle, Picture, Block };

    Kind kind = Kind::Text;
    // Text, picture name or block name.
    QString content;
    // A line runs from the top-left corner along its width (horizontal) or its height.
    QRectF box;
    Font font;
    Align align;
    Frame frame;
};

// Prints once, or once per record of its data set; as tall as its tallest block, at least
// height.
struct Band {
    double height = 0;
    QList<Item> items;
    QString dataSet;
};

// A printed page, or a block that other pages place and that grows with its rows.
struct ReportPage {
    QString name;
    QList<Band> bands;
};

struct ReportTemplate {
    // In print order.
    QList<ReportPage> pages;
    QList<ReportPage> blocks;

    const ReportPage* block(const QString& name) const;
};

// The complete template of the statement's forms.
const ReportTemplate& statementReport();

// The page sets that the print run chooses from.
namespace report_pages {
inline const QStringList customerSet{"Page1", "Page2", "Page3"};
inline const QStringList bpaSet{"Page4", "Page6", "Page8"};
inline const QStringList paSet{"Page9", "Page11", "Page12"};
inline const QString bagLabel{"Page15"};
} // namespace report_pages

// Building blocks of the tables.
namespace report_items {
inline constexpr Font pt(double points) {
    return {points, false};
}
inline constexpr Font bold(double points) {
    return {points, true};
}

inline constexpr Align leftTop{HAlign::Left, VAlign::Top};
inline constexpr Align leftMiddle{HAlign::Left, VAlign::Middle};
inline constexpr Align leftBottom{HAlign::Left, VAlign::Bottom};
inline constexpr Align centreTop{HAlign::Centre, VAlign::Top};
inline constexpr Align centreMiddle{HAlign::Centre, VAlign::Middle};
inline constexpr Align centreBottom{HAlign::Centre, VAlign::Bottom};
inline constexpr Align rightTop{HAlign::Right, VAlign::Top};
inline constexpr Align rightMiddle{HAlign::Right, VAlign::Middle};
inline constexpr Align rightBottom{HAlign::Right, VAlign::Bottom};
inline constexpr Align justifiedMiddle{HAlign::Justify, VAlign::Middle};

inline constexpr Frame thin(unsigned sides) {
    return {sides, LineWeight::Thin};
}
inline constexpr Frame thick(unsigned sides) {
    return {sides, LineWeight::Thick};
}

Item text(const QString& content, QRectF box, Font font, Align align, Frame frame = {});
// A horizontal line from (left, top), length long.
Item hline(double left, double top, double length, LineWeight weight = LineWeight::Thin);
Item vline(double left, double top, double length, LineWeight weight = LineWeight::Thin);
Item rectangle(QRectF box, LineWeight weight);
Item picture(const QString& name, QRectF box);
Item block(const QString& name, QRectF box);
// A signature line from `from` to `to` with its 8-point caption in captionBox.
QList<Item> signature(double top, double from, double to, const QString& caption, QRectF captionBox,
                      Align captionAlign);
} // namespace report_items
