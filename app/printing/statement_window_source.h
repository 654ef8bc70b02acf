#pragma once

#include "app/main_window/statement_window.h"
#include "app/printing/print_run.h"

// The statement window as the print run reads it.
class StatementWindowSource : public PrintSource {
public:
    explicit StatementWindowSource(TForm1& form) : form(form) {}

    bool singleSymbolMode() const override { return !form.skpDef.isEmpty(); }
    QString declaredAmount(int group) const override;
    QString symbolTotal(int group) const override;
    QString kodYpin() const override { return form.kodYpin; }
    QString getBarcodeText() override;
    void splitDenominations() override;
    ReportStatement reportStatement() const override;

private:
    TForm1& form;
};
