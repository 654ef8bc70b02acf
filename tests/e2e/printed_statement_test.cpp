#include "lumetra/message/prepared_decoder.h"
#include "tests/e2e/printed_statement.h"
#include "tests/main_window/expected_field_items.h"
#include "tools/symbol_reader.h"

#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>
#include <map>
#include <optional>

// fontconfig keeps its caches until the process ends.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so";
}

namespace {

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

constexpr int renderDpi = 300;
// How far from its spot a printed barcode is looked for; the forms keep other marks farther off.
constexpr double searchMarginMm = 1.5;

QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed";
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Where the picture's pixel grid starts, from the edges between its pixels: the renderer puts
// each edge at a whole device pixel, which can be a pixel or two off the exact place, so the
// grid's phase is the circular mean of the edges' positions modulo one picture pixel.
double gridOrigin(const QList<int>& edges, double period, int firstDark) {
    double sx = 0;
    double sy = 0;
    for (int edge : edges) {
        const double angle = 2 * M_PI * std::fmod(edge, period) / period;
        sx += std::cos(angle);
        sy += std::sin(angle);
    }
    const double phase = std::atan2(sy, sx) / (2 * M_PI) * period;
    return firstDark + std::remainder(phase - firstDark, period);
}

// The barcode as it came out of the rendered page, found near its spot and sampled at the
// centre of each of the picture's pixels, so the reader sees the library's own grid. Nothing
// when the spot holds no dark pixel.
std::optional<lumetra::tool::GreyImage> sampleBarcode(const QImage& page, const QRectF& boxMm,
                                                      QSize pixels) {
    const double scale = renderDpi / 25.4;
    const QRect search = QRectF(boxMm.topLeft() * scale, boxMm.size() * scale)
                             .adjusted(-searchMarginMm * scale, -searchMarginMm * scale,
                                       searchMarginMm * scale, searchMarginMm * scale)
                             .toRect()
                             .intersected(page.rect());
    const auto isDark = [&](int x, int y) { return qGray(page.pixel(x, y)) < 128; };
    QRect dark;
    for (int y = search.top(); y <= search.bottom(); ++y)
        for (int x = search.left(); x <= search.right(); ++x)
            if (isDark(x, y)) dark |= QRect(x, y, 1, 1);
    if (dark.isEmpty()) return std::nullopt;
    // Printed at its own size: one picture pixel per 1/96 inch.
    EXPECT_NEAR(dark.width() / scale, boxMm.width(), 0.5);
    EXPECT_NEAR(dark.height() / scale, boxMm.height(), 0.5);

    QList<int> across;
    QList<int> down;
    for (int y = dark.top() + 1; y <= dark.bottom(); ++y)
        for (int x = dark.left() + 1; x <= dark.right(); ++x) {
            if (isDark(x, y) != isDark(x - 1, y)) across += x;
            if (isDark(x, y) != isDark(x, y - 1)) down += y;
        }
    const double period = renderDpi / pictureDotsPerInch;
    const double left = gridOrigin(across, period, dark.left());
    const double top = gridOrigin(down, period, dark.top());
    lumetra::tool::GreyImage image{pixels.width(), pixels.height(), {}};
    for (int y = 0; y < pixels.height(); ++y)
        for (int x = 0; x < pixels.width(); ++x) {
            const int px =
                std::clamp(int(std::floor(left + (x + 0.5) * period)), 0, page.width() - 1);
            const int py =
                std::clamp(int(std::floor(top + (y + 0.5) * period)), 0, page.height() - 1);
            image.pixels.push_back(isDark(px, py) ? 0 : 255);
        }
    return image;
}

struct ReadBarcode {
    int page = 0; // 1-based
    QString view;
    lumetra::tool::SymbolBytes symbols;
    lumetra::DecodedMessage decoded;
};

// Where the layout placed a barcode.
struct Spot {
    int page = 0; // 1-based
    QString view;
    QRectF box; // millimetres
};

QList<Spot> spotsOf(const QList<LaidOutPage>& pages) {
    QList<Spot> spots;
    for (int i = 0; i < pages.size(); ++i)
        for (const DrawOp& op : pages[i].ops)
            if (op.kind == DrawOp::Kind::Picture) spots += Spot{i + 1, op.text, op.box};
    return spots;
}

class PrintedStatement : public PrintedStatementTest {
protected:
    // Renders the PDF as a scanner would see it and reads the barcode at each spot.
    QList<ReadBarcode> readBarcodes(const QString& pdf, const QList<Spot>& spots,
                                    QSize pictureSize) {
        const QString prefix = QFileInfo(pdf).completeBaseName();
        run("pdftoppm",
            {"-r", QString::number(renderDpi), "-gray", "-png", pdf, dir.filePath(prefix)});
        QList<ReadBarcode> found;
        for (const Spot& spot : spots) {
            const QImage page(dir.filePath(QStringLiteral("%1-%2.png").arg(prefix).arg(spot.page)));
            if (page.isNull()) {
                ADD_FAILURE() << "page " << spot.page << " not rendered";
                continue;
            }
            EXPECT_NEAR(page.width(), 210 / 25.4 * renderDpi, 2);
            EXPECT_NEAR(page.height(), 297 / 25.4 * renderDpi, 2);
            ReadBarcode read{spot.page, spot.view, {}, {}};
            const auto sampled = sampleBarcode(page, spot.box, pictureSize);
            read.symbols =
                sampled ? lumetra::tool::ReadSymbols(*sampled) : lumetra::tool::SymbolBytes{12, {}};
            if (read.symbols.result == 0)
                read.decoded = lumetra::DecodePrepared(read.symbols.bytes);
            found += read;
        }
        return found;
    }

    QList<ReadBarcode> readBarcodes(const ExportingPreview& shown) {
        const MonoPicture& picture = shown.pictures.value("BAzecCode1");
        return readBarcodes(shown.pdfPath, spotsOf(shown.pages),
                            QSize(picture.width, picture.height));
    }

    QString libraryPath() const { return QStringLiteral(LUMETRA_LIBRARY_PATH); }

    QTemporaryDir dir;
};

TEST_F(PrintedStatement, BarcodeOnEveryPageCarriesTheWindowsMessage) {
    ASSERT_TRUE(loadLibrary(libraryPath())) << loader.errorText().toStdString();
    TForm1& form = fillFullStatement();
    QString message;
    form.getBarcodeText(message);
    ASSERT_FALSE(message.isEmpty()) << boxes.boxes.size();

    const ExportingPreview& shown = print(form, dir.filePath("statement.pdf"));
    EXPECT_TRUE(boxes.boxes.isEmpty()) << boxes.boxes.front().text.toStdString();
    ASSERT_GE(shown.writtenAtNs, 0) << "no preview";
    ASSERT_FALSE(shown.pictures.value("BAzecCode1").isNull());

    const QList<ReadBarcode> barcodes = readBarcodes(shown);
    ASSERT_EQ(barcodes.size(), 4) << "one barcode on each page";
    const std::vector<lumetra::FieldItem> expected = expectedFieldItems(message);
    for (const ReadBarcode& read : barcodes) {
        SCOPED_TRACE(QStringLiteral("page %1, %2").arg(read.page).arg(read.view).toStdString());
        ASSERT_EQ(read.symbols.result, 0) << "no symbol read";
        ASSERT_EQ(read.decoded.status, lumetra::DecodeStatus::kOk);
        EXPECT_EQ(read.decoded.items, expected);
        // The statement's own values, as the bank will see them.
        const QString lines = fromCp1251(QByteArray::fromStdString(read.decoded.message));
        for (const char* field :
             {"A=045712", "B=20160305", "D=ООО Пример", "E=Иванов Иван Иванович", "|A123|", "|555|",
              "|2|10000.00|5000.00|", "|14005.00|"})
            EXPECT_TRUE(lines.contains(QString::fromUtf8(field))) << field;
    }
}

TEST_F(PrintedStatement, PdfIsA4WithEmbeddedFontsAndReadableCyrillic) {
    ASSERT_TRUE(loadLibrary(libraryPath())) << loader.errorText().toStdString();
    const ExportingPreview& shown = print(fillFullStatement(), dir.filePath("statement.pdf"));
    ASSERT_GE(shown.writtenAtNs, 0) << "no preview";

    // The customer's three copies and the bag label.
    QStringList names;
    for (const LaidOutPage& page : shown.pages) names += page.name;
    EXPECT_EQ(names, (QStringList{"Page1", "Page2", "Page3", "Page15"}));
    const QString info = run("pdfinfo", {shown.pdfPath});
    EXPECT_TRUE(QRegularExpression("Pages:\\s+4\\n").match(info).hasMatch()) << info.toStdString();
    EXPECT_TRUE(QRegularExpression("Page size:.*\\(A4\\)").match(info).hasMatch())
        << info.toStdString();

    // Every font is embedded: the "emb" column of each font row says yes.
    const QStringList fonts = run("pdffonts", {shown.pdfPath}).split('\n', Qt::SkipEmptyParts);
    ASSERT_GT(fonts.size(), 2) << "no fonts";
    for (const QString& line : fonts.mid(2)) {
        static const QRegularExpression row(R"(\s(yes|no)\s+(yes|no)\s+(yes|no)\s+\d+\s+\d+\s*$)");
        const auto match = row.match(line);
        ASSERT_TRUE(match.hasMatch()) << line.toStdString();
        EXPECT_EQ(match.captured(1), "yes") << line.toStdString();
    }

    for (int page = 1; page <= 3; ++page) {
        SCOPED_TRACE(page);
        const QString text = run("pdftotext", {"-f", QString::number(page), "-l",
                                               QString::number(page), shown.pdfPath, "-"});
        for (const char* expected :
             {"ООО Пример", "Иванов И. И.", "Четырнадцать тысяч пять", "05.03.2016", "14,005-00"})
            EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n"
                                                                    << text.toStdString();
    }
    const QString label = run("pdftotext", {"-f", "4", "-l", "4", shown.pdfPath, "-"});
    EXPECT_TRUE(label.contains("A123")) << label.toStdString();
}

TEST_F(PrintedStatement, WithoutTheLibraryThePagesCarryNoBarcode) {
    // Printed once with the library, for where the barcodes go and their size.
    ASSERT_TRUE(loadLibrary(libraryPath())) << loader.errorText().toStdString();
    TForm1& form = fillFullStatement();
    const ExportingPreview& withBarcode = print(form, dir.filePath("with.pdf"));
    ASSERT_GE(withBarcode.writtenAtNs, 0) << "no preview";
    const QList<Spot> spots = spotsOf(withBarcode.pages);
    const MonoPicture picture = withBarcode.pictures.value("BAzecCode1");
    ASSERT_EQ(spots.size(), 4);
    ASSERT_FALSE(picture.isNull());

    // Then the library is gone; the cashier prints the forms anyway.
    loader.unload();
    boxes.answers = {MsgButton::Yes};
    const ExportingPreview& without = print(form, dir.filePath("without.pdf"));
    ASSERT_EQ(boxes.boxes.size(), 1);
    EXPECT_TRUE(boxes.boxes.front().text.contains("libLumetra.so"))
        << boxes.boxes.front().text.toStdString();
    ASSERT_GE(without.writtenAtNs, 0) << "no preview";
    EXPECT_TRUE(without.pictures.value("BAzecCode1").isNull());
    EXPECT_EQ(without.pages.size(), 4);

    const QList<ReadBarcode> barcodes =
        readBarcodes(without.pdfPath, spots, QSize(picture.width, picture.height));
    EXPECT_EQ(barcodes.size(), 4);
    for (const ReadBarcode& read : barcodes) EXPECT_NE(read.symbols.result, 0) << read.page;
}

TEST_F(PrintedStatement, AChangedStatementDoesNotMatchThePrintedBarcode) {
    ASSERT_TRUE(loadLibrary(libraryPath())) << loader.errorText().toStdString();
    TForm1& form = fillFullStatement();
    const ExportingPreview& shown = print(form, dir.filePath("statement.pdf"));
    ASSERT_GE(shown.writtenAtNs, 0) << "no preview";
    const QList<ReadBarcode> barcodes = readBarcodes(shown);
    ASSERT_FALSE(barcodes.isEmpty());
    ASSERT_EQ(barcodes.front().symbols.result, 0) << "no symbol read";
    ASSERT_EQ(barcodes.front().decoded.status, lumetra::DecodeStatus::kOk);

    form.FPlomba.setText("556");
    QString changed;
    form.getBarcodeText(changed);
    EXPECT_NE(barcodes.front().decoded.items, expectedFieldItems(changed));
}

} // namespace
