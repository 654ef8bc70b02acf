#pragma once

#include "app/formats/message_boxes.h"
#include "app/printing/barcode_library.h"
#include "app/printing/report_document.h"
#include "app/printing/report_statement.h"

#include <QList>
#include <QString>

// What the print run needs of the statement window.
class PrintSource {
public:
    virtual ~PrintSource() = default;

    virtual bool singleSymbolMode() const = 0;
    // Account group 0 (revenue), 1 (БПА) or 2 (ПА): the amount typed for it and its total by
    // cash-plan symbols, as the window shows them.
    virtual QString declaredAmount(int group) const = 0;
    virtual QString symbolTotal(int group) const = 0;
    virtual QString kodYpin() const = 0;
    // Empty when the statement is incomplete (the window has warned); throws PVErrInput when
    // the document sum differs from the symbol rows.
    virtual QString getBarcodeText() = 0;
    // Splits the counted notes and coins between the account groups.
    virtual void splitDenominations() = 0;
    virtual ReportStatement reportStatement() const = 0;
};

// The report engine's modal preview, from which the cashier prints or exports to PDF.
class ReportPreview {
public:
    virtual ~ReportPreview() = default;
    virtual void showPreview(const QList<LaidOutPage>& pages,
                             const QHash<QString, MonoPicture>& pictures) = 0;
};

// The print and help commands of the statement window.
class PrintRun {
public:
    PrintRun(PrintSource& window, BarcodeLibrary& library, MessageBoxes& boxes,
             ReportDocument& report, ReportPreview& preview)
        : window(window), library(library), boxes(boxes), report(report), preview(preview) {}

    // A declared amount that differs from its symbol total is thrown as PVErrInput, for the
    // event loop's error box.
    void printBtnClick();
    // programName: the program file's name without extension.
    void helpBtnClick(const QString& programName);
    // Empty when the library or its function is missing.
    QString libErrorText(qint32 code);

private:
    void checkAccountSums() const;
    // False when the cashier chose not to print.
    bool placeBarcode();
    MonoPicture encodeBarcode();
    void selectPages();

    PrintSource& window;
    BarcodeLibrary& library;
    MessageBoxes& boxes;
    ReportDocument& report;
    ReportPreview& preview;
};

// The version of this program shown by the help command.
inline constexpr const char* programVersion = "4.06 от 17.02.2015";
