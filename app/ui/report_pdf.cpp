#include "app/ui/report_pdf.h"

#include "app/ui/report_painter.h"

#include <QFile>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

bool exportReportPdf(const QString& path, const QList<LaidOutPage>& pages,
                     const QHash<QString, MonoPicture>& pictures,
                     const std::function<bool(int done, int total)>& progress) {
    // Written beside the target and renamed over it, so a failed export keeps the old file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    {
        QPdfWriter writer(&file);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setTitle(QStringLiteral("Препроводительная ведомость"));
        QPainter painter(&writer);
        for (int i = 0; i < pages.size(); ++i) {
            if (i > 0) writer.newPage();
            paintReportPage(painter, pages[i], pictures, writer.resolution());
            if (progress && !progress(i + 1, int(pages.size()))) {
                painter.end();
                file.cancelWriting();
                return false;
            }
        }
    }
    return file.commit();
}
