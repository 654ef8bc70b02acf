#include "app/printing/report_layout.h"
#include "app/printing/report_values.h"
#include "tests/printing/statement_fixture.h"
#include "tests/support/qt_print.h"

#include <gtest/gtest.h>

namespace {

constexpr double left = 12; // page margins
constexpr double top = 7;
constexpr double titleHeight = 124.2;

class ReportLayout : public ::testing::Test {
protected:
    ReportStatement statement = filledStatement();
    ReportValues values{statement};
    ReportInput input{{"Page1", "Page2", "Page3", "Page15"},
                      {{"DParam", 1}, {"DNSum", 15}, {"DSSum", 9}},
                      [this](const QString& name, const RecordPositions& records) {
                          return values.frxReportGetValue(name, records);
                      },
                      {}};

    QList<LaidOutPage> layOut() const { return layOutReport(statementReport(), input); }

    static const LaidOutPage& page(const QList<LaidOutPage>& pages, const QString& name) {
        for (const LaidOutPage& p : pages)
            if (p.name == name) return p;
        ADD_FAILURE() << "no page " << name.toStdString();
        return pages.front();
    }

    static QList<DrawOp> texts(const LaidOutPage& page, const QString& text) {
        QList<DrawOp> found;
        for (const DrawOp& op : page.ops)
            if (op.kind == DrawOp::Kind::Text && op.text == text) found += op;
        return found;
    }

    static DrawOp text(const LaidOutPage& page, const QString& text) {
        const QList<DrawOp> found = texts(page, text);
        if (found.isEmpty()) {
            ADD_FAILURE() << "no text " << text.toStdString() << " on " << page.name.toStdString();
            return {};
        }
        return found.front();
    }

    // For texts that print more than once on a page.
    static bool hasTextAt(const LaidOutPage& page, const QString& text, QRectF box) {
        const QList<DrawOp> found = texts(page, text);
        return std::any_of(found.begin(), found.end(),
                           [&](const DrawOp& op) { return near(op.box, box); });
    }

    static QList<DrawOp> linesAlong(const LaidOutPage& page, QRectF edge) {
        QList<DrawOp> found;
        for (const DrawOp& op : page.ops)
            if (op.kind == DrawOp::Kind::Line && near(op.box, edge)) found += op;
        return found;
    }

    static bool near(QRectF a, QRectF b) {
        const auto close = [](double x, double y) { return std::abs(x - y) < 1e-6; };
        return close(a.left(), b.left()) && close(a.top(), b.top()) &&
               close(a.width(), b.width()) && close(a.height(), b.height());
    }
};

#define EXPECT_BOX(op, l, t, w, h)                                                                 \
    EXPECT_TRUE(near((op).box, QRectF(l, t, w, h)))                                                \
        << (op).text.toStdString() << ": " << (op).box.left() << ", " << (op).box.top() << ", "    \
        << (op).box.width() << " x " << (op).box.height()

TEST_F(ReportLayout, TitleBlockItemsSitAtTheirPlaceOnEachCustomerForm) {
    const QList<LaidOutPage> pages = layOut();
    for (const char* name : {"Page1", "Page2", "Page3"}) {
        SCOPED_TRACE(name);
        const LaidOutPage& p = page(pages, name);
        EXPECT_BOX(text(p, "0402300"), left + 151, top + 15, 37, 5);
        EXPECT_BOX(text(p, "Код формы\nдокумента по ОКУД"), left + 151, top + 5, 37, 10);
        EXPECT_BOX(text(p, "045712"), left + 105.5, top + 21, 30, 5);
        EXPECT_BOX(text(p, "05.03.2016"), left + 65, top + 30, 35, 5);
        EXPECT_BOX(text(p, "Пункт инкассации"), left + 13, top + 44, 72, 5);
        EXPECT_BOX(text(p, "1,500-00(RUB)"), left + 137, top + 43, 51, 10.7);
        const DrawOp words = text(p, "Сумма прописью  Одна тысяча пятьсот рублей 00 копеек\n"
                                     "Источник поступления:  Выручка-1,200-00,  Платежи-300-00");
        EXPECT_BOX(words, left, top + 95.1, 188, 21);
        EXPECT_EQ(words.align.horizontal, HAlign::Left);
        EXPECT_EQ(words.align.vertical, VAlign::Top);
        const DrawOp bag = text(p, "Сумка №");
        EXPECT_EQ(bag.font.points, 11);
        EXPECT_TRUE(bag.font.bold);
    }
}

TEST_F(ReportLayout, CopyNumberIsThePrintedPageNumber) {
    const QList<LaidOutPage> pages = layOut();
    ASSERT_EQ(pages.size(), 4);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(pages[i].number, i + 1);
        EXPECT_BOX(text(pages[i], QString("%1 экз.").arg(i + 1)), left + 168, top, 20, 5);
    }
}

TEST_F(ReportLayout, FramesAreDrawnOnTheirSidesWithTheirWeight) {
    const LaidOutPage p = layOut().front();
    // "0402300": a thick box.
    const double x = left + 151, y = top + 15;
    for (QRectF edge : {QRectF(x, y, 0, 5), QRectF(x, y, 37, 0), QRectF(x + 37, y, 0, 5),
                        QRectF(x, y + 5, 37, 0)}) {
        const QList<DrawOp> lines = linesAlong(p, edge);
        ASSERT_FALSE(lines.isEmpty()) << edge.left() << "," << edge.top();
        EXPECT_EQ(lines.front().weight, LineWeight::Thick);
    }
    // [PinName]: a thin bottom line only.
    const QRectF pin(left + 13, top + 44, 72, 5);
    const QList<DrawOp> bottom = linesAlong(p, QRectF(pin.bottomLeft(), pin.bottomRight()));
    ASSERT_EQ(bottom.size(), 1);
    EXPECT_EQ(bottom.front().weight, LineWeight::Thin);
    EXPECT_TRUE(linesAlong(p, QRectF(pin.topLeft(), pin.topRight())).isEmpty());
    // The receipt's double line.
    const LaidOutPage receipt = page(layOut(), "Page3");
    const QList<DrawOp> separator =
        linesAlong(receipt, QRectF(left - 2, top + titleHeight + 1, 192, 0));
    ASSERT_EQ(separator.size(), 1);
    EXPECT_EQ(separator.front().weight, LineWeight::Double);
}

TEST_F(ReportLayout, SymbolTableRepeatsItsRowForEveryRecord) {
    const LaidOutPage p = layOut().front();
    const double firstRow = top + 43 + 33.7;
    EXPECT_BOX(text(p, "02"), left + 137, firstRow, 8, 3.4);
    EXPECT_BOX(text(p, "1,200-00"), left + 153, firstRow, 35, 3.4);
    EXPECT_BOX(text(p, "16"), left + 137, firstRow + 3.4, 8, 3.4);
    EXPECT_BOX(text(p, "5"), left + 145, firstRow + 3.4, 8, 3.4);
    // Nine rows, each opening with a line across; the table closes with a thick line.
    for (int r = 0; r < 9; ++r)
        EXPECT_EQ(linesAlong(p, QRectF(left + 137, firstRow + r * 3.4, 51, 0)).size(), 1) << r;
    const QList<DrawOp> closing = linesAlong(p, QRectF(left + 137, firstRow + 9 * 3.4, 51, 0));
    ASSERT_EQ(closing.size(), 1);
    EXPECT_EQ(closing.front().weight, LineWeight::Thick);
}

TEST_F(ReportLayout, CashInventoryFollowsTheTitleAndEndsWithTheAct) {
    const LaidOutPage p = layOut().front();
    const double inventory = top + titleHeight;
    EXPECT_BOX(text(p, "Опись сдаваемых наличных денег"), left + 0.3, inventory + 0.2, 187, 4);
    const double rows = inventory + 20.5;
    EXPECT_BOX(text(p, "5,000 (RUB)"), left, rows, 53, 4.5);
    EXPECT_BOX(text(p, "15"), left + 53, rows + 3 * 4.5, 55, 4.5);
    EXPECT_BOX(text(p, "0.01 (RUB)"), left, rows + 14 * 4.5, 53, 4.5);
    // All fifteen rows print, used or not: each has its unit.
    EXPECT_EQ(texts(p, "л.").size(), 7);
    EXPECT_EQ(texts(p, "шт.").size(), 8);
    const double act = rows + 15 * 4.5;
    EXPECT_BOX(text(p, "Акт вскрытия сумки и пересчета вложенных наличных денег "), left, act + 0.7,
               108, 3.3);
    EXPECT_BOX(text(p, "Иванов И. И."), left + 161, act + 51, 27, 4);
}

TEST_F(ReportLayout, DataBandsGrowWithTheirRecords) {
    const QString actTitle = "Акт вскрытия сумки и пересчета вложенных наличных денег ";
    const double full = text(layOut().front(), actTitle).box.top();
    input.recordCounts["DNSum"] = 3;
    EXPECT_NEAR(text(layOut().front(), actTitle).box.top(), full - 12 * 4.5, 1e-6);
    EXPECT_TRUE(texts(layOut().front(), "0.01 (RUB)").isEmpty());
    input.recordCounts["DNSum"] = 0;
    EXPECT_NEAR(text(layOut().front(), actTitle).box.top(), full - 15 * 4.5, 1e-6);
}

TEST_F(ReportLayout, WaybillAndReceiptPlaceTheirBlocks) {
    const QList<LaidOutPage> pages = layOut();
    const LaidOutPage& waybill = page(pages, "Page2");
    const double lower = top + titleHeight;
    EXPECT_BOX(text(waybill, "Накладная к сумке Клиента №"), left + 52, top + 18.6, 49, 12);
    EXPECT_BOX(text(waybill, "Сумка объявленной суммой принята"), left, lower, 56, 3.5);
    EXPECT_BOX(text(waybill, "Опись сдаваемых наличных денег"), left + 0.3, lower + 7.7 + 0.2, 187,
               4);

    const LaidOutPage& receipt = page(pages, "Page3");
    EXPECT_TRUE(hasTextAt(receipt, "б/н", {left + 46, lower + 7.3, 29, 5}));
    EXPECT_BOX(text(receipt, "Акт вскрытия сумки и пересчета вложенных наличных денег "), left,
               lower + 44 + 0.7, 108, 3.3);
    EXPECT_TRUE(texts(receipt, "Опись сдаваемых наличных денег").isEmpty());
}

TEST_F(ReportLayout, EveryFormFitsThePrintableArea) {
    input.selectedPages = report_pages::customerSet + report_pages::bpaSet + report_pages::paSet;
    input.selectedPages += report_pages::bagLabel;
    const QList<LaidOutPage> pages = layOut();
    ASSERT_EQ(pages.size(), 10);
    // The receipt's double line overhangs the margin by 2 mm on each side.
    for (const LaidOutPage& p : pages)
        for (const DrawOp& op : p.ops) {
            const QRectF box = op.box.normalized();
            EXPECT_TRUE(box.left() >= left - 2 && box.right() <= 210 - 10 + 2 && box.top() >= top &&
                        box.bottom() <= 297 - 7)
                << p.name.toStdString() << " " << op.text.toStdString() << " " << box.bottom();
        }
}

TEST_F(ReportLayout, SelectionKeepsTemplateOrderAndNumbersThePrintedPages) {
    input.selectedPages = {"Page15", "Page2"};
    const QList<LaidOutPage> pages = layOut();
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(pages[0].name, "Page2");
    EXPECT_EQ(pages[1].name, "Page15");
    EXPECT_EQ(pages[1].number, 2);
    EXPECT_FALSE(texts(pages[0], "1 экз.").isEmpty());
}

TEST_F(ReportLayout, AgentSetsShowTheirOwnAccount) {
    statement.symbols[7] = {"32", "", "10.00"};
    statement.aNBreakDown[2][3] = 1;
    input.selectedPages = report_pages::bpaSet + report_pages::paSet;
    const QList<LaidOutPage> pages = layOut();
    ASSERT_EQ(pages.size(), 6);
    const LaidOutPage& bpa = page(pages, "Page4");
    EXPECT_FALSE(texts(bpa, "Ведомость к сумке Платежи БПА №").isEmpty());
    EXPECT_FALSE(texts(bpa, "Препроводительная ведомость").isEmpty());
    EXPECT_BOX(text(bpa, "б/н_БПА"), left + 105.5, top + 21, 30, 5);
    EXPECT_EQ(texts(bpa, "40702810000000000003").size(), 2);
    EXPECT_BOX(text(bpa, "300-00(RUB)"), left + 137, top + 43, 51, 10.7);
    EXPECT_BOX(text(bpa, "16"), left + 137, top + 43 + 26.7, 8, 5);
    EXPECT_BOX(text(bpa, "Сумма прописью  Триста рублей 00 копеек\n"
                         "Источник поступления:  Платежи-300-00"),
               left, top + 95.1, 188, 21);
    // The БПА inventory lists the pieces of the split, after the client's signature.
    EXPECT_TRUE(
        hasTextAt(bpa, "3", {left + 53, top + titleHeight + 8.5 + 20.5 + 3 * 4.5, 55, 4.5}));
    EXPECT_FALSE(texts(bpa, "1,500-00").size());
    EXPECT_FALSE(texts(page(pages, "Page6"), "Номинал").isEmpty());

    const LaidOutPage& pa = page(pages, "Page11");
    EXPECT_FALSE(texts(pa, "Накладная к сумке Платежи ПА №").isEmpty());
    EXPECT_FALSE(texts(pa, "б/н_ПА").isEmpty());
    EXPECT_FALSE(texts(pa, "32").isEmpty());
    EXPECT_FALSE(texts(pa, "100-00").isEmpty());
    EXPECT_FALSE(texts(page(pages, "Page12"), "Квитанция к сумке Платежи ПА №").isEmpty());
}

TEST_F(ReportLayout, PicturesPrintAtOnePixelPer96thInchFromTheirCorner) {
    input.pictures["BAzecCode1"] = {96, 48, 12, QByteArray(48 * 12, '\xff')};
    input.pictures["BAzecCode2"] = {96, 48, 12, QByteArray(48 * 12, '\xff')};
    const QList<LaidOutPage> pages = layOut();
    const auto pictureOn = [](const LaidOutPage& p) {
        QList<DrawOp> found;
        for (const DrawOp& op : p.ops)
            if (op.kind == DrawOp::Kind::Picture) found += op;
        return found;
    };
    for (int i = 0; i < 3; ++i) {
        const QList<DrawOp> pictures = pictureOn(pages[i]);
        ASSERT_EQ(pictures.size(), 1);
        EXPECT_EQ(pictures.front().text, "BAzecCode1");
        EXPECT_BOX(pictures.front(), left, top, 25.4, 12.7);
    }
    const QList<DrawOp> label = pictureOn(page(pages, "Page15"));
    ASSERT_EQ(label.size(), 1);
    EXPECT_BOX(label.front(), left + 101, top + 12, 25.4, 12.7);

    input.pictures.clear();
    for (const LaidOutPage& p : layOut()) EXPECT_TRUE(pictureOn(p).isEmpty());
}

TEST_F(ReportLayout, EveryBracketedNameIsAReportVariable) {
    const QStringList variables{
        "sumPv",        "sumV",         "sumBPA",       "sumPA",       "FNBag",    "NVedName",
        "FPlomba",      "pinShifr",     "pinName",      "FDateCreate", "FAccDt",   "FAccKt",
        "AccCus",       "AccCusBPA",    "AccCusPA",     "cusName",     "Inn",      "Kpp",
        "Okato",        "bankName",     "BIC",          "bankNameCus", "BICCus",   "sFFIO",
        "FFIO",         "sumPvStr",     "sumVStr",      "sumBPAStr",   "sumPAStr", "sourceInput",
        "sourceInput1", "sourceInput2", "sourceInput3", "SSkp",        "ZSkp",     "SSum",
        "SSkp1",        "ZSkp1",        "SSum1",        "SSkp2",       "ZSkp2",    "SSum2",
        "NNominal",     "NCount",       "NCount1",      "NCount2",     "NType",    "NSum",
        "NSum0",        "NSum1",        "NSum2"};
    QStringList asked;
    input.value = [&](const QString& name, const RecordPositions&) {
        asked += name;
        return QString();
    };
    input.selectedPages = report_pages::customerSet + report_pages::bpaSet + report_pages::paSet;
    input.selectedPages += report_pages::bagLabel;
    layOut();
    EXPECT_GT(asked.size(), 100);
    for (const QString& name : asked)
        EXPECT_TRUE(variables.contains(name, Qt::CaseInsensitive)) << name.toStdString();
    EXPECT_FALSE(asked.contains("Page#"));
}

TEST_F(ReportLayout, BagLabel) {
    statement.FNBag = "A123";
    input.selectedPages = {report_pages::bagLabel};
    const LaidOutPage p = layOut().front();
    EXPECT_BOX(text(p, "Банк вносителя"), left, top, 149, 6);
    EXPECT_BOX(text(p, "A123"), left + 21, top + 6, 31, 5);
    EXPECT_BOX(text(p, "810"), left + 21, top + 11, 31, 5);
    EXPECT_BOX(text(p, "Иванов Иван Иванович"), left + 40, top + 36, 56, 5);
    EXPECT_BOX(text(p, "Пункт инкассации"), left + 20, top + 41, 76, 17);
    bool framed = false;
    for (const DrawOp& op : p.ops)
        framed |= op.kind == DrawOp::Kind::Rectangle && near(op.box, {left, top, 149, 58});
    EXPECT_TRUE(framed);
}

} // namespace
