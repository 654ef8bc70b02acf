#include "app/printing/report_document.h"
#include "app/ui/report_painter.h"
#include "app/ui/report_pdf.h"
#include "tests/printing/statement_fixture.h"
#include "tests/support/qt_print.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// fontconfig keeps its caches until the process ends.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so";
}

namespace {

// 20 x 20 pixels, a dark square of 10 x 10 in the top-left corner; rows of 4 bytes (3 used).
MonoPicture cornerSquare() {
    MonoPicture picture{20, 20, 4, QByteArray(20 * 4, '\xff')};
    for (int y = 0; y < 10; ++y) {
        picture.bits[y * 4] = '\x00';
        picture.bits[y * 4 + 1] = '\x3f';
    }
    return picture;
}

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed";
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

struct Word {
    QString text;
    QRectF box; // millimetres
};

// pdftotext -bbox of one page, in millimetres from the page's top-left corner.
QList<Word> wordsOf(const QString& pdf, int page) {
    const QString html = run(
        "pdftotext", {"-bbox", "-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    QList<Word> words;
    const double mm = 25.4 / 72;
    for (auto match = word.globalMatch(html); match.hasNext();) {
        const auto m = match.next();
        const QRectF box(QPointF(m.captured(1).toDouble() * mm, m.captured(2).toDouble() * mm),
                         QPointF(m.captured(3).toDouble() * mm, m.captured(4).toDouble() * mm));
        words += {m.captured(5), box};
    }
    return words;
}

QList<Word> find(const QList<Word>& words, const QString& text) {
    QList<Word> found;
    for (const Word& w : words)
        if (w.text == text) found += w;
    return found;
}

// Fonts and the PDF writer need the application.
class QtApplicationEnvironment : public testing::Environment {
public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "korvane_report_ui_tests";
        static char* argv[] = {name, nullptr};
        application = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { application.reset(); }

private:
    std::unique_ptr<QApplication> application;
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

class ReportPdf : public testing::Test {
protected:
    QString exportCustomerForms() {
        ReportDocument report;
        report.setRecordCount("DNSum", 15);
        report.setRecordCount("DSSum", 9);
        for (const char* page : {"Page4", "Page6", "Page8", "Page9", "Page11", "Page12"})
            report.setPageVisible(page, false);
        for (const char* view : {"BAzecCode1", "BAzecCode2", "BAzecCode3", "BAzecCode4"})
            report.setPicture(view, cornerSquare());
        const QString path = dir.filePath("forms.pdf");
        EXPECT_TRUE(exportReportPdf(path, report.prepare(statement), report.pictures()));
        return path;
    }

    QTemporaryDir dir;
    ReportStatement statement = filledStatement();
};

TEST_F(ReportPdf, KeyTextsSitWhereTheLayoutPutsThem) {
    const QString pdf = exportCustomerForms();
    const QString info = run("pdfinfo", {pdf});
    EXPECT_TRUE(QRegularExpression("Pages:\\s+4\\n").match(info).hasMatch()) << info.toStdString();
    EXPECT_TRUE(QRegularExpression("Page size:.*\\(A4\\)").match(info).hasMatch())
        << info.toStdString();
    for (int page = 1; page <= 3; ++page) {
        SCOPED_TRACE(page);
        const QList<Word> words = wordsOf(pdf, page);
        // "0402300": centred in its box at 163, 22 (37 x 5 mm).
        const QList<Word> code = find(words, "0402300");
        ASSERT_EQ(code.size(), 1);
        EXPECT_NEAR(code.front().box.center().x(), 12 + 151 + 18.5, 0.5);
        EXPECT_NEAR(code.front().box.center().y(), 7 + 15 + 2.5, 1.0);
        // The copy number: right-aligned at the right margin.
        const QList<Word> copies = find(words, "экз.");
        ASSERT_EQ(copies.size(), 1);
        EXPECT_NEAR(copies.front().box.right(), 210 - 10 - 0.5, 0.5);
        const QList<Word> number = find(words, QString::number(page));
        EXPECT_TRUE(std::any_of(number.begin(), number.end(), [&](const Word& w) {
            return std::abs(w.box.center().y() - copies.front().box.center().y()) < 0.5;
        }));
        // The date, centred over its line at 77, 37.
        const QList<Word> date = find(words, "05.03.2016");
        ASSERT_FALSE(date.isEmpty());
        EXPECT_NEAR(date.front().box.center().x(), 12 + 65 + 17.5, 0.5);
        EXPECT_NEAR(date.front().box.bottom(), 7 + 30 + 5, 1.2);
    }
    // The bag label's bag number "б/н" centred at 12 + 21 + 15.5.
    const QList<Word> bag = find(wordsOf(pdf, 4), "б/н");
    ASSERT_EQ(bag.size(), 1);
    EXPECT_NEAR(bag.front().box.center().x(), 12 + 21 + 15.5, 0.5);
    EXPECT_NEAR(bag.front().box.top(), 7 + 6, 1.0);
}

TEST_F(ReportPdf, TextsAreInTheTimesNewRomanStandIn) {
    const QString fonts = run("pdffonts", {exportCustomerForms()});
    EXPECT_TRUE(fonts.contains("LiberationSerif-Bold")) << fonts.toStdString();
    EXPECT_TRUE(QRegularExpression(R"(LiberationSerif\s)").match(fonts).hasMatch())
        << fonts.toStdString();
}

TEST_F(ReportPdf, BarcodeIsALossless1BitImageAtItsOwnSize) {
    const QString pdf = exportCustomerForms();
    const QStringList lines = run("pdfimages", {"-list", pdf}).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2 + 4) << "one barcode on each page";
    for (const QString& line : lines.mid(2)) {
        const QStringList columns = line.simplified().split(' ');
        SCOPED_TRACE(line.toStdString());
        EXPECT_EQ(columns[3], "20"); // width
        EXPECT_EQ(columns[4], "20"); // height
        EXPECT_EQ(columns[7], "1");  // bits per component
        EXPECT_NE(columns[8], "jpeg");
        EXPECT_EQ(columns[9], "no");  // not interpolated
        EXPECT_EQ(columns[12], "96"); // one pixel per 1/96 inch
    }
    // Rendered back, the dark square sits in the top-left corner of the title block.
    run("pdftoppm", {"-r", "96", "-f", "1", "-l", "1", "-png", pdf, dir.filePath("page")});
    const QImage page(dir.filePath("page-1.png"));
    ASSERT_FALSE(page.isNull());
    const QPoint corner(qRound(12 / 25.4 * 96), qRound(7 / 25.4 * 96));
    EXPECT_EQ(qGray(page.pixel(corner + QPoint(2, 2))), 0);
    EXPECT_EQ(qGray(page.pixel(corner + QPoint(8, 8))), 0);
    EXPECT_EQ(qGray(page.pixel(corner + QPoint(15, 15))), 255);
}

TEST_F(ReportPdf, ReplacesAnExistingFileAndKeepsItWhenCancelled) {
    const QString path = dir.filePath("forms.pdf");
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    const QList<LaidOutPage> pages = {LaidOutPage{"Page15", 1, {}}, LaidOutPage{"Page1", 2, {}}};
    QList<int> progress;
    EXPECT_FALSE(exportReportPdf(path, pages, {}, [&](int done, int total) {
        progress += done;
        EXPECT_EQ(total, 2);
        return false;
    }));
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "old");
    kept.close();

    progress.clear();
    EXPECT_TRUE(exportReportPdf(path, pages, {}, [&](int done, int) {
        progress += done;
        return true;
    }));
    EXPECT_EQ(progress, (QList<int>{1, 2}));
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().startsWith("%PDF"));
}

TEST(BarcodeImage, KeepsTheLibraryBitsWithBlackAndWhiteOnly) {
    const QImage image = barcodeImage(cornerSquare());
    ASSERT_EQ(image.format(), QImage::Format_Mono);
    EXPECT_EQ(image.colorTable(), (QList<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));
    EXPECT_EQ(image.size(), QSize(20, 20));
    EXPECT_EQ(image.pixelIndex(9, 9), 0);
    EXPECT_EQ(image.pixelIndex(10, 9), 1);
    EXPECT_EQ(image.pixelIndex(9, 10), 1);

    MonoPicture shortRows = cornerSquare();
    shortRows.stride = 2; // 20 pixels need 3 bytes
    EXPECT_TRUE(barcodeImage(shortRows).isNull());
    MonoPicture missingRows = cornerSquare();
    missingRows.bits.chop(1);
    EXPECT_TRUE(barcodeImage(missingRows).isNull());
}

} // namespace
