#pragma once

#include "app/main_window/report_pictures.h"
#include "app/printing/report_layout.h"
#include "app/printing/report_statement.h"

#include <QHash>
#include <QSet>

// The statement's report as the print run prepares it: the template, the pictures in its
// barcode views, the visibility of its pages and the record counts of its data sets. Pictures
// and visibility stay as the last run left them.
class ReportDocument : public ReportPictures {
public:
    void setPicture(const QString& Name, const MonoPicture& Picture) override;
    void clearPicture(const QString& Name) override;
    const QHash<QString, MonoPicture>& pictures() const { return placed; }

    void setPageVisible(const QString& page, bool visible);
    // The visible pages in template order.
    QStringList visiblePages() const;

    void setRecordCount(const QString& dataSet, int records) { recordCounts[dataSet] = records; }

    // Lays out the visible pages with the statement's values.
    QList<LaidOutPage> prepare(const ReportStatement& statement) const;

private:
    bool hasPictureView(const QString& name) const;

    QHash<QString, MonoPicture> placed;
    QSet<QString> hidden;
    QHash<QString, int> recordCounts;
};
