#pragma once

#include "app/formats/cp1251.h"
#include "app/platform/library_loader.h"
#include "app/printing/lumetra_library.h"
#include "app/printing/print_run.h"
#include "app/printing/report_document.h"
#include "app/printing/statement_window_source.h"
#include "app/ui/report_preview.h"
#include "tests/main_window/grid_fixture.h"
#include "tests/support/qt_print.h"

#include <QApplication>
#include <QElapsedTimer>
#include <memory>
#include <vector>

// Fonts, the preview dialog and the PDF writer need the application.
class QtApplicationEnvironment : public testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "korvane_e2e";
        static char* argv[] = {name, nullptr};
        application = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { application.reset(); }

private:
    std::unique_ptr<QApplication> application;
};

// The preview the cashier sees, used as the cashier does: "Экспорт в PDF" to a file. It keeps
// what it was shown and when, so the caller can check the pages and time the steps.
class ExportingPreview : public ReportPreview {
public:
    ExportingPreview(MessageBoxes& boxes, QString pdfPath, const QElapsedTimer& clock)
        : boxes(boxes), pdfPath(std::move(pdfPath)), clock(clock) {}

    void showPreview(const QList<LaidOutPage>& pages,
                     const QHash<QString, MonoPicture>& pictures) override {
        shownAtNs = clock.nsecsElapsed();
        this->pages = pages;
        this->pictures = pictures;
        ReportPreviewDialog dialog(pages, pictures, boxes);
        dialog.exportPdfTo(pdfPath);
        writtenAtNs = clock.nsecsElapsed();
    }

    MessageBoxes& boxes;
    QString pdfPath;
    const QElapsedTimer& clock;
    QList<LaidOutPage> pages;
    QHash<QString, MonoPicture> pictures;
    qint64 shownAtNs = -1;
    qint64 writtenAtNs = -1;
};

// The statement window with a statement typed in full: four denominations of notes and coins,
// revenue under one symbol, a bag and a seal; then printed with the library the build made.
class PrintedStatementTest : public GridTest {
protected:
    TForm1& fillFullStatement() {
        TForm1& form = startExampleHeader("Иванов Иван Иванович");
        enter(*form.NCount[0], "2");  // 5000-rouble notes
        enter(*form.NCount[1], "3");  // 1000
        enter(*form.NCount[3], "10"); // 100
        enter(*form.NCount[10], "5"); // 1-rouble coins
        enter(form.SumV, "14,005.00");
        enter(*form.SSkp[0], "02");
        enter(*form.SSum[0], "14,005.00");
        return form;
    }

    bool loadLibrary(const QString& path) { return loader.load(path); }

    // Print command to written PDF; the times are from the command.
    ExportingPreview& print(TForm1& form, const QString& pdfPath) {
        source = std::make_unique<StatementWindowSource>(form);
        // Each run's preview stays, so earlier results can still be compared.
        previews.push_back(std::make_unique<ExportingPreview>(boxes, pdfPath, clock));
        clock.start();
        PrintRun(*source, library, boxes, report, *previews.back()).printBtnClick();
        return *previews.back();
    }

    LibraryLoader loader;
    LumetraLibrary library{loader};
    ReportDocument report;
    QElapsedTimer clock;
    std::unique_ptr<StatementWindowSource> source;
    std::vector<std::unique_ptr<ExportingPreview>> previews;
};
