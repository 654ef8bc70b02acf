#include "app/printing/report_document.h"

#include "app/printing/report_values.h"

namespace {

bool holdsPicture(const ReportPage& page, const QString& name) {
    for (const Band& band : page.bands)
        for (const Item& item : band.items)
            if (item.kind == Item::Kind::Picture && item.content == name) return true;
    return false;
}

} // namespace

bool ReportDocument::hasPictureView(const QString& name) const {
    const ReportTemplate& report = statementReport();
    for (const QList<ReportPage>* pages : {&report.pages, &report.blocks})
        for (const ReportPage& page : *pages)
            if (holdsPicture(page, name)) return true;
    return false;
}

void ReportDocument::setPicture(const QString& Name, const MonoPicture& Picture) {
    if (hasPictureView(Name)) placed[Name] = Picture;
}

void ReportDocument::clearPicture(const QString& Name) {
    placed.remove(Name);
}

void ReportDocument::setPageVisible(const QString& page, bool visible) {
    if (visible)
        hidden.remove(page);
    else
        hidden.insert(page);
}

QStringList ReportDocument::visiblePages() const {
    QStringList pages;
    for (const ReportPage& page : statementReport().pages)
        if (!hidden.contains(page.name)) pages += page.name;
    return pages;
}

QList<LaidOutPage> ReportDocument::prepare(const ReportStatement& statement) const {
    const ReportValues values(statement);
    const ReportInput input{visiblePages(), recordCounts,
                            [&values](const QString& name, const RecordPositions& records) {
                                return values.frxReportGetValue(name, records);
                            },
                            placed};
    return layOutReport(statementReport(), input);
}
