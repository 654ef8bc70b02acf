#include "app/printing/report_blocks.h"

using namespace report_items;

namespace {

struct Column {
    double left;
    double width;
};

constexpr Column columns[6] = {{0, 27},  {26.9, 17.2},  {44.2, 17},
                               {61, 41}, {101.9, 45.2}, {147, 41}};

const char* const heads[6] = {
    "Фактическая сумма\nцифрами",
    "Сумма недостачи\nцифрами",
    "Сумма излишка\nцифрами",
    "Сомнительные денежные знаки (для банкнот Банка России - номинал, год образца, серия и "
    "номер: для монеты Банка России - номинал, год чеканки, наименование монетного двора)",
    "Неплатежеспособные, не имеющие признаков подделки денедные знаки (для банкнот Банка России "
    "- номинал, год образца, серия и номер; для монеты Банка Россиии - номинал, год чеканки, "
    "наименование монетного двора)",
    "Имеющие признаки подделки денежные знаки (для банкнот Банка России - номинал, год образца, "
    "серия и номер; для монеты Банка Россиии - номинал, год чеканки, наименование монетного "
    "двора)",
};

Item cell(const QString& content, QRectF box, Font font = pt(10)) {
    return text(content, box, font, centreMiddle, thin(AllSides));
}

// The three blank rows the bank fills in by hand; the third column sits 0.2 lower.
QList<Item> blankRows() {
    QList<Item> items;
    for (double top : {32.7, 37.2, 41.7})
        for (int c = 0; c < 6; ++c)
            items += cell("", {columns[c].left, top + (c == 2 ? 0.2 : 0), columns[c].width, 4.5});
    return items;
}

// The fourth row: the last three columns each open with a small "Сумма цифрами" cell.
QList<Item> sumRow() {
    const double top = 46.2;
    QList<Item> items;
    for (int c = 0; c < 3; ++c) items += cell("", {columns[c].left, top, columns[c].width, 4.5});
    const Column captions[3] = {{61.1, 14.8}, {101.7, 14.8}, {147, 14.8}};
    const Column blanks[3] = {{75.9, 26}, {116.5, 30.7}, {162, 26}};
    for (int c = 0; c < 3; ++c) {
        items += cell("Сумма цифрами", {captions[c].left, top, captions[c].width, 4.5}, pt(5));
        items += cell("", {blanks[c].left, top, blanks[c].width, 4.5});
    }
    return items;
}

QList<Item> signatures() {
    const double line = 55.4;
    const double caption = 55.6;
    const char* const captions[3] = {"(наименование должности)", "(личная подпись)",
                                     "(фамилия, инициалы)"};
    const Column groups[2][3] = {{{0.9, 24.1}, {27.6, 15}, {45.6, 18}},
                                 {{66.4, 24.1}, {93.4, 15}, {111.1, 18}}};
    QList<Item> items;
    for (const auto& group : groups)
        for (int i = 0; i < 3; ++i)
            items += signature(line, group[i].left, group[i].left + group[i].width, captions[i],
                               {group[i].left, caption, group[i].width, 6}, centreTop);
    items += text("Клиент", {131.1, 51.6, 13, 4}, bold(10), rightMiddle);
    items += signature(line, 144.8, 159.8, "(личная подпись)", {144.8, caption, 15, 6}, centreTop);
    items +=
        signature(line, 162.4, 187.4, "(фамилия, инициалы)", {162.4, caption, 25, 6}, centreTop);
    items += text("[sFFIO]", {161, 51, 27, 4}, pt(7), centreMiddle);
    return items;
}

} // namespace

ReportPage openingAct() {
    QList<Item> items{
        text("Акт вскрытия сумки и пересчета вложенных наличных денег ", {0, 0.7, 108, 3.3},
             bold(10), leftMiddle, thin(AllSides)),
        cell("", {108, 0.7, 80, 3.3}),
        text("", {0, 3.9, 108, 3.3}, bold(10), leftMiddle, thin(AllSides)),
        cell("Дата", {108, 3.9, 80, 3.3}, pt(7)),
    };
    for (int c = 0; c < 6; ++c) {
        items += cell(heads[c], {columns[c].left, 8.7, columns[c].width, 19}, pt(7));
        const QRectF number = c == 4 ? QRectF(101.7, 27.9, 45.4, 5)
                                     : QRectF(columns[c].left, 27.7, columns[c].width, 5);
        items += cell(QString::number(c + 1), number);
    }
    items += blankRows();
    items += sumRow();
    items += rectangle({0, 8.9, 188, 24}, LineWeight::Thick);
    items += rectangle({0.3, 32.8, 188, 18.5}, LineWeight::Thick);
    items += signatures();
    return {"PageAkt", {{62, items, {}}}};
}
