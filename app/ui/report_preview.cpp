#include "app/ui/report_preview.h"

#include "app/ui/report_painter.h"
#include "app/ui/report_pdf.h"

#include <QFileDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QScrollArea>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr double pageGapMm = 5;

// The pages one below the other, at the screen's own resolution.
class PagesView : public QWidget {
public:
    PagesView(const QList<LaidOutPage>& pages, const QHash<QString, MonoPicture>& pictures)
        : pages(pages), pictures(pictures) {
        const PageFormat format;
        const double scale = logicalDpiX() / 25.4;
        setFixedSize(int(format.width * scale),
                     int(pages.size() * (format.height + pageGapMm) * scale));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        const PageFormat format;
        const double scale = logicalDpiX() / 25.4;
        QPainter painter(this);
        painter.fillRect(rect(), Qt::gray);
        for (int i = 0; i < pages.size(); ++i) {
            painter.save();
            painter.translate(0, i * (format.height + pageGapMm) * scale);
            painter.fillRect(QRectF(0, 0, format.width * scale, format.height * scale), Qt::white);
            paintReportPage(painter, pages[i], pictures, logicalDpiX());
            painter.restore();
        }
    }

private:
    const QList<LaidOutPage>& pages;
    const QHash<QString, MonoPicture>& pictures;
};

} // namespace

ReportPreviewDialog::ReportPreviewDialog(QList<LaidOutPage> pages,
                                         QHash<QString, MonoPicture> pictures, MessageBoxes& boxes,
                                         QWidget* parent)
    : QDialog(parent), pages(std::move(pages)), pictures(std::move(pictures)), boxes(boxes) {
    setWindowTitle(QStringLiteral("Предварительный просмотр"));
    setModal(true);
    auto* tools = new QToolBar(this);
    tools->addAction(QStringLiteral("Печать"), this, &ReportPreviewDialog::print);
    tools->addAction(QStringLiteral("Экспорт в PDF"), this, &ReportPreviewDialog::exportPdf);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(new PagesView(this->pages, this->pictures));
    scroll->setAlignment(Qt::AlignHCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tools);
    layout->addWidget(scroll);
    resize(900, 700);
}

void ReportPreviewDialog::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    printer.setFullPage(true);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    QPainter painter(&printer);
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0) printer.newPage();
        paintReportPage(painter, pages[i], pictures, printer.resolution());
    }
}

void ReportPreviewDialog::exportPdf() {
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Экспорт в PDF"),
                                                      QString(), QStringLiteral("PDF (*.pdf)"),
                                                      nullptr, QFileDialog::DontConfirmOverwrite);
    if (!path.isEmpty()) exportPdfTo(path);
}

void ReportPreviewDialog::exportPdfTo(const QString& path) {
    QProgressDialog progress(QStringLiteral("Экспорт в PDF"), QStringLiteral("Отменить"), 0,
                             int(pages.size()), this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    const bool written = exportReportPdf(path, pages, pictures, [&progress](int done, int) {
        progress.setValue(done);
        return !progress.wasCanceled();
    });
    if (!written && !progress.wasCanceled())
        boxes.showWarning(QStringLiteral("Файл %1 не записан.").arg(path));
}

void QtReportPreview::showPreview(const QList<LaidOutPage>& pages,
                                  const QHash<QString, MonoPicture>& pictures) {
    ReportPreviewDialog dialog(pages, pictures, boxes, owner);
    dialog.exec();
}
