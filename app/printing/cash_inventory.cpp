#include "app/printing/report_blocks.h"

using namespace report_items;

namespace {

constexpr double width = 188;

struct Inventory {
    QString name;
    QString firstHead;
    // Variables of the count and sum columns.
    QString count;
    QString sum;
    bool clientSignature;
};

// The agent's cash inventory opens with the client's signature.
Band clientSignature() {
    QList<Item> items{text("Клиент", {0, 0, 14, 5}, bold(10), rightMiddle)};
    items += signature(5, 15, 40, "(личная подпись)", {15, 5.2, 25, 3}, centreTop);
    items += signature(5, 45, 75, "(фамилия, инициалы)", {45, 5.2, 30, 3}, centreTop);
    return {8.5, items, {}};
}

Band header(const QString& firstHead) {
    return {20.5,
            {
                text("Опись сдаваемых наличных денег", {0.3, 0.2, 187, 4}, pt(10), centreMiddle),
                text(firstHead, {0, 5.5, 53, 10}, pt(10), centreMiddle,
                     thick(LeftSide | TopSide | BottomSide)),
                text("Количество сдаваемых банкнот и монеты\n(в листах, штуках)", {53, 5.5, 68, 10},
                     pt(10), centreMiddle, thick(TopSide | BottomSide)),
                text("Сумма цифрами", {121, 5.5, 67, 10}, pt(10), centreMiddle,
                     thick(RightSide | TopSide | BottomSide)),
                vline(53, 5.5, 15),
                vline(121, 5.5, 15),
                text("1", {0, 15.5, 53, 5}, pt(10), centreMiddle, thick(LeftSide)),
                text("2", {53, 15.5, 68, 5}, pt(10), centreMiddle),
                text("3", {121, 15.5, 67, 5}, pt(10), centreMiddle, thick(RightSide)),
            },
            {}};
}

// One row per record of DNSum, that is per denomination.
Band row(const Inventory& inventory) {
    const double height = 4.5;
    return {height,
            {
                hline(0, 0, width),
                text("[NNominal]", {0, 0, 53, height}, pt(10), centreMiddle, thick(LeftSide)),
                text(inventory.count, {53, 0, 55, height}, pt(10), rightMiddle, thin(LeftSide)),
                text("[NType]", {108, 0, 13, height}, pt(10), centreMiddle, thin(RightSide)),
                text(inventory.sum, {121, 0, 67, height}, pt(10), rightMiddle, thick(RightSide)),
            },
            "DNSum"};
}

// The act follows directly below the closing line.
const Band footer{
    0, {hline(0, 0, width, LineWeight::Thick), block("PageAkt", {0, 0, width, 62})}, {}};

ReportPage inventoryBlock(const Inventory& inventory) {
    QList<Band> bands;
    if (inventory.clientSignature) bands += clientSignature();
    bands += {header(inventory.firstHead), row(inventory), footer};
    return {inventory.name, bands};
}

} // namespace

QList<ReportPage> cashInventories() {
    const QString head = "Номинал банкнот, монеты";
    return {
        inventoryBlock({"SNsumPage", head, "[NCount]", "[NSum0]", false}),
        inventoryBlock({"Page5", head, "[NCount1]", "[NSum1]", true}),
        inventoryBlock({"Page7", "Номинал", "[NCount1]", "[NSum1]", false}),
        inventoryBlock({"Page10", head, "[NCount2]", "[NSum2]", false}),
    };
}
