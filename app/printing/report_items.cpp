#include "app/printing/report_template.h"

namespace report_items {

Item text(const QString& content, QRectF box, Font font, Align align, Frame frame) {
    return {Item::Kind::Text, content, box, font, align, frame};
}

Item hline(double left, double top, double length, LineWeight weight) {
    return {Item::Kind::Line, {}, QRectF(left, top, length, 0), {}, {}, {TopSide, weight}};
}

Item vline(double left, double top, double length, LineWeight weight) {
    return {Item::Kind::Line, {}, QRectF(left, top, 0, length), {}, {}, {LeftSide, weight}};
}

Item rectangle(QRectF box, LineWeight weight) {
    return {Item::Kind::Rectangle, {}, box, {}, {}, {AllSides, weight}};
}

Item picture(const QString& name, QRectF box) {
    return {Item::Kind::Picture, name, box, {}, {}, {}};
}

Item block(const QString& name, QRectF box) {
    return {Item::Kind::Block, name, box, {}, {}, {}};
}

QList<Item> signature(double top, double from, double to, const QString& caption, QRectF captionBox,
                      Align captionAlign) {
    return {hline(from, top, to - from), text(caption, captionBox, pt(8), captionAlign)};
}

} // namespace report_items

const ReportPage* ReportTemplate::block(const QString& name) const {
    for (const ReportPage& candidate : blocks)
        if (candidate.name == name) return &candidate;
    return nullptr;
}
