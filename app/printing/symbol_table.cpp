#include "app/printing/report_blocks.h"

using namespace report_items;

namespace {

constexpr double tableWidth = 51;

QList<Item> columnHeads(double top) {
    return {
        text("СКП", {0, top, 8, 5}, bold(7), centreMiddle, thick(LeftSide)),
        text("СКП2", {8, top, 8, 5}, bold(7), centreMiddle, thick(LeftSide)),
        vline(16, top, 5),
        text("сумма", {16, top, 35, 5}, pt(10), centreMiddle, thick(RightSide)),
    };
}

// The customer's table names the document sum and the three account totals.
Band customerHeader() {
    const Frame open = thick(LeftSide | RightSide | TopSide);
    QList<Item> items{
        text("[sumPv]", {0, 0, tableWidth, 10.7}, pt(10), rightMiddle, open),
        text("[SumV]", {0, 10.7, tableWidth, 3.4}, pt(8), rightMiddle, open),
        text("[sumBPA]", {0, 14.2, tableWidth, 3.4}, pt(8), rightMiddle, open),
        text("[sumPA]", {0, 17.7, tableWidth, 3.4}, pt(8), rightMiddle, open),
        text("Сумма цифрами", {0, 20.9, tableWidth, 4}, pt(10), centreMiddle,
             thick(LeftSide | RightSide)),
        hline(0, 21.5, tableWidth, LineWeight::Thick),
        text("в том числе по символам:", {0, 25.1, tableWidth, 3.4}, pt(10), centreMiddle,
             thick(AllSides)),
    };
    items += columnHeads(28.7);
    return {33.7, items, {}};
}

// An agent's table names its own account total only.
Band agentHeader(const QString& total) {
    QList<Item> items{
        text(total, {0, 0, tableWidth, 10.7}, pt(10), rightMiddle,
             thick(LeftSide | RightSide | TopSide)),
        text("Сумма цифрами", {0, 10.7, tableWidth, 4}, pt(10), centreMiddle,
             thick(LeftSide | RightSide | TopSide)),
        text("в том числе\nпо символам:", {0, 14.7, tableWidth, 7}, pt(10), centreMiddle,
             thick(AllSides)),
    };
    items += columnHeads(21.7);
    return {26.7, items, {}};
}

// One row per record of DSSum.
Band row(double height, Font font, const QString& suffix) {
    return {
        height,
        {
            hline(0, 0, tableWidth),
            text("[SSkp" + suffix + "]", {0, 0, 8, height}, font, centreMiddle, thick(LeftSide)),
            text("[ZSkp" + suffix + "]", {8, 0, 8, height}, font, centreMiddle, thick(LeftSide)),
            vline(16, 0, height),
            text("[SSum" + suffix + "]", {16, 0, 35, height}, font, rightMiddle, thick(RightSide)),
        },
        "DSSum"};
}

const Band footer{0, {hline(0, 0, tableWidth, LineWeight::Thick)}, {}};

} // namespace

QString symbolTableName(FormAccount account) {
    switch (account) {
    case FormAccount::Customer:
        return "SkpSumPage";
    case FormAccount::Bpa:
        return "Page14";
    case FormAccount::Pa:
        return "Page17";
    }
    return {};
}

ReportPage symbolTable(FormAccount account) {
    switch (account) {
    case FormAccount::Customer:
        return {symbolTableName(account), {customerHeader(), row(3.4, pt(8), ""), footer}};
    case FormAccount::Bpa:
        return {symbolTableName(account), {agentHeader("[SumBPA]"), row(5, pt(10), "1"), footer}};
    case FormAccount::Pa:
        return {symbolTableName(account), {agentHeader("[SumPA]"), row(5, pt(10), "2"), footer}};
    }
    return {};
}
