#pragma once

#include "app/printing/report_layout.h"
#include "app/printing/report_statement.h"

#include <QString>

// The report's variables: the value of a bracketed name on the forms, read from the statement.
// Names are matched without regard to the case of ASCII letters; an unknown name is empty.
// Record-bound names read the current record of DNSum (denominations) or DSSum (symbol rows).
class ReportValues {
public:
    explicit ReportValues(const ReportStatement& statement) : statement(statement) {}

    QString frxReportGetValue(const QString& VarName, const RecordPositions& records) const;

private:
    const ReportStatement& statement;
};
