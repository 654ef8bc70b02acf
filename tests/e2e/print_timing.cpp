// Times the print command of a full statement with the real library: to the laid-out preview
// pages, and to the PDF written from the preview. Prints the numbers; asserts nothing on them.
#include "tests/e2e/printed_statement.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so";
}

namespace {

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

int runs() {
    const int n = qEnvironmentVariableIntValue("KV_TIMING_RUNS");
    return n > 0 ? n : 20;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

class PrintTiming : public PrintedStatementTest {};

TEST_F(PrintTiming, FullStatement) {
    ASSERT_TRUE(loadLibrary(LUMETRA_LIBRARY_PATH)) << loader.errorText().toStdString();
    TForm1& form = fillFullStatement();
    QTemporaryDir dir;
    std::vector<double> toPreview;
    std::vector<double> toPdf;
    // The first run pays for loading fonts; it is reported apart.
    for (int i = 0; i <= runs(); ++i) {
        const ExportingPreview& shown = print(form, dir.filePath("statement.pdf"));
        ASSERT_GE(shown.writtenAtNs, 0) << "no preview";
        const double preview = shown.shownAtNs / 1e6;
        const double pdf = shown.writtenAtNs / 1e6;
        if (i == 0) {
            std::printf("first run: preview %.2f ms, PDF %.2f ms\n", preview, pdf);
            continue;
        }
        toPreview.push_back(preview);
        toPdf.push_back(pdf);
    }
    // KV_PRINT_PDF keeps the last PDF, to look at the pages.
    if (const QString keep = qEnvironmentVariable("KV_PRINT_PDF"); !keep.isEmpty()) {
        QFile::remove(keep);
        QFile::copy(previews.back()->pdfPath, keep);
    }
    std::printf("%d runs, median: print command -> preview pages %.2f ms, -> PDF written %.2f ms "
                "(%lld pages)\n",
                runs(), median(toPreview), median(toPdf), (long long)previews.back()->pages.size());
}

} // namespace
