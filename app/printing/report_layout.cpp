#include "app/printing/report_layout.h"

namespace {

class Layout {
public:
    Layout(const ReportTemplate& report, const ReportInput& input, LaidOutPage& page)
        : report(report), input(input), page(page) {}

    // Lays the bands out one below the other from origin; returns the height they took.
    double layOutBands(const ReportPage& block, QPointF origin) {
        double y = 0;
        for (const Band& band : block.bands) {
            const int rows = band.dataSet.isEmpty() ? 1 : input.recordCounts.value(band.dataSet);
            for (int record = 0; record < rows; ++record) {
                if (!band.dataSet.isEmpty()) records[band.dataSet] = record;
                y += layOutBand(band, origin + QPointF(0, y));
            }
        }
        return y;
    }

private:
    double layOutBand(const Band& band, QPointF origin) {
        double height = band.height;
        for (const Item& item : band.items) {
            if (item.kind == Item::Kind::Block) {
                const ReportPage* inner = report.block(item.content);
                if (!inner) continue;
                const double used = layOutBands(*inner, origin + item.box.topLeft());
                height = std::max(height, item.box.top() + used);
            } else {
                place(item, item.box.translated(origin));
            }
        }
        return height;
    }

    void place(const Item& item, QRectF box) {
        switch (item.kind) {
        case Item::Kind::Text:
            page.ops += {DrawOp::Kind::Text, box, filled(item.content), item.font, item.align};
            emitFrame(item.frame, box);
            break;
        case Item::Kind::Line:
            page.ops += line(box.topLeft(), box.bottomRight(), item.frame.weight);
            break;
        case Item::Kind::Rectangle:
            page.ops += {DrawOp::Kind::Rectangle, box, {}, {}, {}, item.frame.weight};
            break;
        case Item::Kind::Picture:
            emitPicture(item.content, box.topLeft());
            break;
        case Item::Kind::Block:
            break;
        }
    }

    void emitFrame(const Frame& frame, QRectF box) {
        if (frame.sides & LeftSide) page.ops += line(box.topLeft(), box.bottomLeft(), frame.weight);
        if (frame.sides & TopSide) page.ops += line(box.topLeft(), box.topRight(), frame.weight);
        if (frame.sides & RightSide)
            page.ops += line(box.topRight(), box.bottomRight(), frame.weight);
        if (frame.sides & BottomSide)
            page.ops += line(box.bottomLeft(), box.bottomRight(), frame.weight);
    }

    static DrawOp line(QPointF from, QPointF to, LineWeight weight) {
        return {DrawOp::Kind::Line, QRectF(from, to), {}, {}, {}, weight};
    }

    // At the picture's own size from the slot's corner.
    void emitPicture(const QString& name, QPointF corner) {
        const MonoPicture picture = input.pictures.value(name);
        if (picture.isNull()) return;
        const double mmPerPixel = 25.4 / pictureDotsPerInch;
        const QSizeF size(picture.width * mmPerPixel, picture.height * mmPerPixel);
        page.ops += {DrawOp::Kind::Picture, QRectF(corner, size), name, {}, {}, LineWeight::Thin};
    }

    // Every "[name]" replaced by its value; [Page#] is the page's number.
    QString filled(const QString& content) const {
        QString result;
        qsizetype from = 0;
        while (from < content.size()) {
            const qsizetype open = content.indexOf(u'[', from);
            const qsizetype close = open < 0 ? -1 : content.indexOf(u']', open + 1);
            if (close < 0) break;
            result += content.mid(from, open - from);
            const QString name = content.mid(open + 1, close - open - 1);
            result += name == QLatin1String("Page#") ? QString::number(page.number)
                      : input.value                  ? input.value(name, records)
                                                     : QString();
            from = close + 1;
        }
        return result + content.mid(from);
    }

    const ReportTemplate& report;
    const ReportInput& input;
    LaidOutPage& page;
    RecordPositions records;
};

} // namespace

QList<LaidOutPage> layOutReport(const ReportTemplate& report, const ReportInput& input,
                                const PageFormat& format) {
    QList<LaidOutPage> pages;
    for (const ReportPage& pageTemplate : report.pages) {
        if (!input.selectedPages.contains(pageTemplate.name)) continue;
        LaidOutPage page{pageTemplate.name, int(pages.size()) + 1, {}};
        Layout(report, input, page).layOutBands(pageTemplate, QPointF(format.left, format.top));
        pages += page;
    }
    return pages;
}
