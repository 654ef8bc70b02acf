#include "app/ui/report_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

namespace {

// Line widths are device pixels of a 96-dpi screen, as the forms were drawn.
constexpr double thinLine = 25.4 / 96;
constexpr double thickLine = 2 * thinLine;
// The two strokes of a double line lie this far apart.
constexpr double doubleGap = 2 * thinLine;
// Texts keep off the frames around them.
constexpr double textInset = 0.5;

class PagePainter {
public:
    PagePainter(QPainter& painter, const QHash<QString, MonoPicture>& pictures, double dotsPerInch)
        : painter(painter), pictures(pictures), scale(dotsPerInch / 25.4) {}

    void paint(const DrawOp& op) {
        switch (op.kind) {
        case DrawOp::Kind::Text:
            paintText(op);
            break;
        case DrawOp::Kind::Line:
            paintLine(op);
            break;
        case DrawOp::Kind::Rectangle:
            painter.setPen(pen(op.weight));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(device(op.box));
            break;
        case DrawOp::Kind::Picture:
            paintPicture(op);
            break;
        }
    }

private:
    QRectF device(QRectF mm) const {
        return {mm.left() * scale, mm.top() * scale, mm.width() * scale, mm.height() * scale};
    }
    QPointF device(QPointF mm) const { return mm * scale; }

    QPen pen(LineWeight weight) const {
        QPen result(Qt::black, (weight == LineWeight::Thick ? thickLine : thinLine) * scale);
        result.setCapStyle(Qt::FlatCap);
        return result;
    }

    void paintLine(const DrawOp& op) {
        painter.setPen(pen(op.weight));
        const QLineF line(device(op.box.topLeft()), device(op.box.bottomRight()));
        if (op.weight != LineWeight::Double) {
            painter.drawLine(line);
            return;
        }
        // Across the line's direction: down for a horizontal line, right for a vertical one.
        const QPointF apart = op.box.height() == 0 ? QPointF(0, doubleGap / 2 * scale)
                                                   : QPointF(doubleGap / 2 * scale, 0);
        painter.drawLine(line.translated(-apart));
        painter.drawLine(line.translated(apart));
    }

    void paintText(const DrawOp& op) {
        if (op.text.isEmpty()) return;
        QFont font(QStringLiteral("Times New Roman"));
        font.setPointSizeF(op.font.points);
        font.setBold(op.font.bold);
        const QRectF box = device(op.box);
        // Some one-line cells are lower than their font's line: shrunk to the cell, the text
        // keeps its descenders off the frame below instead of being cut by it.
        const double lineHeight = QFontMetricsF(font, painter.device()).height();
        if (!op.text.contains(u'\n') && lineHeight > box.height() && box.height() > 0)
            font.setPointSizeF(op.font.points * box.height() / lineHeight);
        painter.setFont(font);
        painter.setPen(Qt::black);
        // Wrapped within the box and cut at its bottom.
        painter.save();
        painter.setClipRect(box);
        painter.drawText(box.adjusted(textInset * scale, 0, -textInset * scale, 0),
                         flags(op.align) | Qt::TextWordWrap, op.text);
        painter.restore();
    }

    static int flags(Align align) {
        int result = 0;
        switch (align.horizontal) {
        case HAlign::Left:
            result |= Qt::AlignLeft;
            break;
        case HAlign::Centre:
            result |= Qt::AlignHCenter;
            break;
        case HAlign::Right:
            result |= Qt::AlignRight;
            break;
        case HAlign::Justify:
            result |= Qt::AlignJustify;
            break;
        }
        switch (align.vertical) {
        case VAlign::Top:
            return result | Qt::AlignTop;
        case VAlign::Middle:
            return result | Qt::AlignVCenter;
        case VAlign::Bottom:
            return result | Qt::AlignBottom;
        }
        return result;
    }

    void paintPicture(const DrawOp& op) {
        const QImage image = barcodeImage(pictures.value(op.text));
        if (image.isNull()) return;
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(device(op.box), image);
        painter.restore();
    }

    QPainter& painter;
    const QHash<QString, MonoPicture>& pictures;
    double scale; // device pixels per millimetre
};

} // namespace

QImage barcodeImage(const MonoPicture& picture) {
    const qsizetype rowBytes = (picture.width + 7) / 8;
    if (picture.isNull() || picture.stride < rowBytes ||
        picture.bits.size() < qsizetype(picture.height) * picture.stride)
        return {};
    QImage image(picture.width, picture.height, QImage::Format_Mono);
    image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < picture.height; ++y)
        memcpy(image.scanLine(y), picture.bits.constData() + qsizetype(y) * picture.stride,
               rowBytes);
    return image;
}

void paintReportPage(QPainter& painter, const LaidOutPage& page,
                     const QHash<QString, MonoPicture>& pictures, double dotsPerInch) {
    PagePainter pagePainter(painter, pictures, dotsPerInch);
    for (const DrawOp& op : page.ops) pagePainter.paint(op);
}
