#include "app/printing/report_document.h"
#include "tests/support/qt_print.h"

#include <gtest/gtest.h>

namespace {

const MonoPicture symbol{8, 8, 2, QByteArray(16, '\x55')};

TEST(ReportDocument, OnlyTheReportsPictureViewsTakeAPicture) {
    ReportDocument report;
    for (const char* view :
         {"BAzecCode1", "BAzecCode2", "BAzecCode3", "BAzecCode4", "Foo", "STitlePage", "[FNBag]"})
        report.setPicture(view, symbol);
    EXPECT_EQ(report.pictures().size(), 4);
    EXPECT_TRUE(report.pictures().contains("BAzecCode3"));
    report.clearPicture("BAzecCode3");
    report.clearPicture("Foo");
    EXPECT_EQ(report.pictures().size(), 3);
    EXPECT_FALSE(report.pictures().contains("BAzecCode3"));
}

TEST(ReportDocument, VisiblePagesKeepTemplateOrder) {
    ReportDocument report;
    EXPECT_EQ(report.visiblePages(), (QStringList{"Page1", "Page2", "Page3", "Page4", "Page6",
                                                  "Page8", "Page9", "Page11", "Page12", "Page15"}));
    for (const QString& page : report_pages::customerSet + report_pages::paSet)
        report.setPageVisible(page, false);
    report.setPageVisible("Page2", true);
    report.setPageVisible("NoSuchPage", true);
    EXPECT_EQ(report.visiblePages(), (QStringList{"Page2", "Page4", "Page6", "Page8", "Page15"}));
}

} // namespace
