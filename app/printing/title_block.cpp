#include "app/printing/report_blocks.h"

using namespace report_items;

namespace {

// The credit accounts beside the recipient and the recipient's account lines: the customer's
// title shows all three accounts, an agent's title its own account only.
QList<Item> creditAccounts(FormAccount account) {
    if (account == FormAccount::Customer)
        return {
            text("Счет №", {86, 53.7, 13, 3.4}, pt(8), centreMiddle,
                 thick(LeftSide | TopSide | BottomSide)),
            text("[FAccKt]", {99, 53.7, 37, 3.4}, pt(8), centreMiddle,
                 thick(RightSide | TopSide | BottomSide)),
            text("Счет №", {86, 57.1, 13, 3.4}, pt(8), centreMiddle,
                 thick(LeftSide | TopSide | BottomSide)),
            text("[AccCusBPA]", {99, 57.1, 37, 3.4}, pt(8), centreMiddle,
                 thick(RightSide | TopSide | BottomSide)),
            text("Счет №", {86, 60.6, 13, 3.4}, pt(8), centreMiddle,
                 thick(LeftSide | TopSide | BottomSide)),
            text("[AccCusPA]", {99, 60.6, 37, 3.4}, pt(8), centreMiddle,
                 thick(RightSide | TopSide | BottomSide)),
            text("Счет №", {37.1, 64.3, 23, 3.4}, pt(8), rightBottom, thin(BottomSide)),
            text("[AccCus]", {59.7, 64.3, 76, 3.4}, pt(8), centreBottom, thin(BottomSide)),
            text("Счет №", {37, 68, 23, 3.4}, pt(8), rightBottom, thin(BottomSide)),
            text("[AccCusBPA]", {59.6, 68, 76, 3.4}, pt(8), centreBottom, thin(BottomSide)),
            text("Счет №", {37, 71.7, 23, 3.4}, pt(8), rightBottom, thin(BottomSide)),
            text("[AccCusPA]", {59.6, 71.7, 76, 3.4}, pt(8), centreBottom, thin(BottomSide)),
        };
    const QString own = account == FormAccount::Bpa ? "[AccCusBPA]" : "[AccCusPA]";
    return {
        text("Счет №", {86, 53.7, 13, 5}, pt(10), centreMiddle,
             thick(LeftSide | TopSide | BottomSide)),
        text(own, {99, 53.7, 37, 5}, pt(10), centreMiddle, thick(RightSide | TopSide | BottomSide)),
        text("", {86, 58.7, 50, 3.4}, pt(8), centreMiddle, thick(AllSides)),
        text("", {86, 62.1, 50, 3.4}, pt(8), centreMiddle, thick(AllSides)),
        text("Счет №", {37.1, 64.3, 23, 3.4}, pt(8), rightBottom, thin(BottomSide)),
        text(own, {59.7, 64.3, 76, 3.4}, pt(8), centreBottom, thin(BottomSide)),
    };
}

// What sets one form set's title block apart.
struct TitleOf {
    QString name;
    QString barcode;
    QString statementNumber;
    QString amountAndSource;
};

TitleOf titleOf(FormAccount account) {
    switch (account) {
    case FormAccount::Customer:
        return {"STitlePage", "BAzecCode1", "[NVedName]",
                "Сумма прописью [SumVStr]\nИсточник поступления: [SourceInput1]"};
    case FormAccount::Bpa:
        return {"Page13", "BAzecCode3", "[FNBag]_БПА",
                "Сумма прописью [sumBPAStr]\nИсточник поступления: [SourceInput2]"};
    case FormAccount::Pa:
        return {"Page16", "BAzecCode4", "[FNBag]_ПА",
                "Сумма прописью [sumPAStr]\nИсточник поступления: [SourceInput3]"};
    }
    return {};
}

} // namespace

QString titleBlockName(FormAccount account) {
    return titleOf(account).name;
}

ReportPage titleBlock(FormAccount account) {
    const TitleOf title = titleOf(account);
    const Frame box = thick(AllSides);
    QList<Item> items{
        picture(title.barcode, {0, 0, 47, 45}),
        text("[Page#] экз.", {168, 0, 20, 5}, pt(10), rightMiddle),
        text("Код формы\nдокумента по ОКУД", {151, 5, 37, 10}, pt(10), centreMiddle, box),
        text("0402300", {151, 15, 37, 5}, pt(10), centreMiddle, box),
        text(title.statementNumber, {105.5, 21, 30, 5}, pt(11), centreTop, thin(AllSides)),
        text("[pinShifr]", {151, 21, 37, 6}, bold(11), centreMiddle),
        text("Сумка №", {137, 27, 20, 5}, bold(11), rightMiddle, thick(LeftSide | TopSide)),
        text("[FNBag]", {157, 27, 31, 5}, pt(11), centreMiddle, thick(RightSide | TopSide)),
        text("[FDateCreate]", {65, 30, 35, 5}, pt(11), centreBottom, thin(BottomSide)),
        text("года", {100, 30, 11, 5}, pt(11), leftMiddle),
        text("пломба №", {137, 32, 20, 6}, bold(11), rightMiddle, thick(LeftSide | BottomSide)),
        text("[FPlomba]", {157, 32, 31, 6}, pt(11), centreMiddle, thick(RightSide | BottomSide)),
        text("Дата", {79, 35, 11, 3}, pt(8), leftMiddle),
        text("ДЕБЕТ", {86, 39, 50, 5}, pt(9), centreMiddle),
        block(symbolTableName(account), {137, 43, 51, 46}),
        text("От кого", {0, 44, 13, 5}, pt(10), leftBottom),
        text("[PinName]", {13, 44, 72, 5}, pt(10), leftBottom, thin(BottomSide)),
        text("Счет №", {86, 44, 13, 5}, pt(10), centreMiddle,
             thick(LeftSide | TopSide | BottomSide)),
        text("[FAccDt]", {99, 44, 37, 5}, pt(10), centreMiddle,
             thick(RightSide | TopSide | BottomSide)),
        text("", {0, 49, 85, 5}, pt(10), leftBottom, thin(BottomSide)),
        text("КРЕДИТ", {86, 49, 50, 5}, pt(9), centreMiddle),
        text("Получатель", {0, 54, 19, 5}, pt(10), leftBottom),
        text("[CusName]", {19, 54, 66, 5}, pt(10), leftBottom, thin(BottomSide)),
        text("", {0, 59, 85, 5}, pt(10), leftBottom, thin(BottomSide)),
        text("ИНН", {0.2, 66.4, 10, 5}, pt(10), rightMiddle, thin(BottomSide)),
        text("[Inn]", {11, 66.4, 26, 5}, pt(10), centreBottom, thin(BottomSide)),
        text("Наименование банка-вносителя", {0, 75.1, 49, 5}, pt(10), leftBottom),
        text("[BankName]", {49, 75.1, 87, 5}, pt(10), leftBottom, thin(BottomSide)),
        text("", {0, 80.1, 96, 5}, pt(10), leftBottom, thin(BottomSide)),
        text("БИК", {96, 80.1, 9, 5}, pt(10), rightMiddle, thin(BottomSide)),
        text("[BIC]", {105, 80.1, 31, 5}, pt(10), centreBottom, thin(BottomSide)),
        text("Наименование банка-получателя", {0, 85.1, 96, 5}, pt(10), leftBottom),
        text("[BankNameCus]", {50, 85.1, 86, 5}, pt(10), leftBottom, thin(BottomSide)),
        text("", {0, 90.1, 96, 5}, pt(10), leftBottom, thin(BottomSide)),
        text("БИК", {96, 90.1, 9, 5}, pt(10), rightMiddle),
        text("[BICCus]", {105, 90.1, 31, 5}, pt(10), centreBottom, thin(BottomSide)),
        text(title.amountAndSource, {0, 95.1, 188, 21}, pt(10), leftTop),
        text("Клиент", {0, 116.6, 14, 5}, bold(10), rightMiddle),
    };
    items += creditAccounts(account);
    const double line = 120.6;
    const double caption = 120.8;
    items += signature(line, 19.9, 40.9, "(личная подпись)", {19.4, caption, 22, 3}, rightTop);
    items += signature(line, 49.6, 75.6, "(фамилия, инициалы)", {48.4, caption, 27, 3}, rightTop);
    items +=
        signature(line, 82.7, 115.8, "(наименование должности)", {81.5, caption, 34, 3}, rightTop);
    items += signature(line, 125.1, 146.1, "(личная подпись)", {124.6, caption, 22, 3}, rightTop);
    items += signature(line, 156, 182, "(фамилия, инициалы)", {155, caption, 27, 3}, rightTop);
    return {title.name, {{124.2, items, {}}}};
}
