#pragma once

#include "app/printing/report_layout.h"

#include <QHash>
#include <QString>
#include <functional>

// Writes the pages as an A4 PDF, replacing any file of that name. progress is told each page
// as it is done (1-based) and may cancel by returning false. False when the file cannot be
// written or the export was cancelled.
bool exportReportPdf(const QString& path, const QList<LaidOutPage>& pages,
                     const QHash<QString, MonoPicture>& pictures,
                     const std::function<bool(int done, int total)>& progress = {});
