#include "app/printing/report_document.h"
#include "app/ui/report_preview.h"
#include "tests/printing/statement_fixture.h"
#include "tests/support/qt_print.h"
#include "tests/support/scripted_message_boxes.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

QList<LaidOutPage> labelPage() {
    ReportDocument report;
    for (const QString& page : report_pages::customerSet) report.setPageVisible(page, false);
    return report.prepare(filledStatement());
}

TEST(ReportPreview, OffersExactlyPrintAndQuickExport) {
    ScriptedMessageBoxes boxes;
    ReportPreviewDialog preview(labelPage(), {}, boxes);
    EXPECT_TRUE(preview.isModal());
    QStringList commands;
    for (const QToolBar* tools : preview.findChildren<QToolBar*>())
        for (const QAction* action : tools->actions()) commands += action->text();
    EXPECT_EQ(commands, (QStringList{"Печать", "Экспорт в PDF"}));
}

TEST(ReportPreview, QuickExportReplacesTheFileWithoutAsking) {
    QTemporaryDir dir;
    const QString path = dir.filePath("statement.pdf");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    ScriptedMessageBoxes boxes;
    ReportPreviewDialog preview(labelPage(), {}, boxes);
    preview.exportPdfTo(path);
    EXPECT_TRUE(boxes.boxes.isEmpty());
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().startsWith("%PDF"));
}

TEST(ReportPreview, ExportThatCannotWriteSaysSo) {
    ScriptedMessageBoxes boxes;
    ReportPreviewDialog preview(labelPage(), {}, boxes);
    preview.exportPdfTo("/nonexistent-folder/statement.pdf");
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_EQ(boxes.boxes.front().text, "Файл /nonexistent-folder/statement.pdf не записан.");
}

} // namespace
