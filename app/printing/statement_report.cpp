#include "app/printing/report_blocks.h"

namespace {

ReportTemplate buildStatementReport() {
    ReportTemplate report;
    // Template order: the customer set, the БПА set, the ПА set, the bag label.
    const QList<ReportPage> customer = formSet(FormAccount::Customer);
    const QList<ReportPage> bpa = formSet(FormAccount::Bpa);
    const QList<ReportPage> pa = formSet(FormAccount::Pa);
    report.pages = customer + bpa + pa;
    report.pages += bagLabel();

    for (FormAccount account : {FormAccount::Customer, FormAccount::Bpa, FormAccount::Pa}) {
        report.blocks += titleBlock(account);
        report.blocks += symbolTable(account);
    }
    report.blocks += cashInventories();
    report.blocks += openingAct();
    return report;
}

} // namespace

const ReportTemplate& statementReport() {
    static const ReportTemplate report = buildStatementReport();
    return report;
}
