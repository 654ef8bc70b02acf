#pragma once

#include "app/printing/report_template.h"

// The form sets of the template: the customer's, which shows all three accounts, and one for
// each of the agent accounts БПА and ПА.
enum class FormAccount { Customer, Bpa, Pa };

ReportPage titleBlock(FormAccount account);
ReportPage symbolTable(FormAccount account);
ReportPage openingAct();
// The cash inventories of the sets, each ending with the opening act.
QList<ReportPage> cashInventories();
// Statement, waybill and receipt of the set.
QList<ReportPage> formSet(FormAccount account);
ReportPage bagLabel();

// Names of the set's blocks in the template.
QString titleBlockName(FormAccount account);
QString symbolTableName(FormAccount account);
