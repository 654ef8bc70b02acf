#include "app/printing/report_blocks.h"

using namespace report_items;

namespace {

struct FormSet {
    QStringList pages;       // statement, waybill, receipt
    QStringList titles;      // the same order
    QStringList inventories; // statement, waybill
};

FormSet formSetOf(FormAccount account) {
    switch (account) {
    case FormAccount::Customer:
        return {{"Page1", "Page2", "Page3"},
                {"Ведомость к сумке Клиента №", "Накладная к сумке Клиента №",
                 "Квитанция к сумке Клиента №"},
                {"SNsumPage", "SNsumPage"}};
    case FormAccount::Bpa:
        return {{"Page4", "Page6", "Page8"},
                {"Ведомость к сумке Платежи БПА №", "Накладная к сумке Платежи БПА №",
                 "Квитанция к сумке Платежи БПА №"},
                {"Page5", "Page7"}};
    case FormAccount::Pa:
        return {{"Page9", "Page11", "Page12"},
                {"Ведомость к сумке Платежи ПА №", "Накладная к сумке Платежи ПА №",
                 "Квитанция к сумке Платежи ПА №"},
                {"Page10", "Page10"}};
    }
    return {};
}

// The title block, with the form's title placed so that the statement number follows it.
Band titleBand(FormAccount account, double height, QList<Item> over) {
    QList<Item> items{block(titleBlockName(account), {0, 0, 188, 124.2})};
    items += over;
    return {height, items, {}};
}

ReportPage statement(FormAccount account, const FormSet& set) {
    return {
        set.pages[0],
        {titleBand(account, 112,
                   {text("Препроводительная ведомость", {59.1, 7.3, 59, 5}, bold(11), centreBottom),
                    text(set.titles[0], {53, 18.6, 48, 9}, bold(11), rightTop)}),
         {0, {block(set.inventories[0], {0, 0, 188, 0})}, {}}}};
}

// The acceptance row of the waybill: a caption, then the blanks for the accepting person.
QList<Item> acceptance() {
    const double lefts[4] = {0, 56, 92, 119};
    const double widths[4] = {56, 36, 27, 68};
    const char* const captions[4] = {"", "(наименование должности)", "(личная подпись)",
                                     "(фамилия, инициалы)"};
    QList<Item> items{text("Сумка объявленной суммой принята", {0, 0, 56, 3.5}, pt(10), leftMiddle,
                           thin(AllSides))};
    for (int c = 1; c < 4; ++c)
        items += text("", {lefts[c], 0, widths[c], 3.5}, pt(10), centreMiddle, thin(AllSides));
    for (int c = 0; c < 4; ++c)
        items +=
            text(captions[c], {lefts[c], 3.5, widths[c], 3.5}, pt(8), centreMiddle, thin(AllSides));
    return items;
}

ReportPage waybill(FormAccount account, const FormSet& set) {
    QList<Item> lower = acceptance();
    lower += block(set.inventories[1], {0, 7.7, 188, 0});
    return {set.pages[1],
            {titleBand(account, 113, {text(set.titles[1], {52, 18.6, 49, 12}, bold(11), rightTop)}),
             {7.7, lower, {}}}};
}

const char* const receiptFootnote =
    "*Настоящая квитанция к сумке остается у клиента для подтверждения приема сумки с "
    "наличными деньгами. Оттиск пломбы должен быть четким. При сдаче сумки с наличными деньгами "
    "инкассаторскому работнику кассовый работник клиента должен потребовать от него:\n"
    "а) предъявления документа, удостоверяющего личность, доверенности на перевозку наличных "
    "денег и инкассацию наличных денег и явочной карточки; \n"
    "б) выдачи порожней сумки, закрепленной за клиентом;\n"
    "в) проставления подписи на квитанции к сумке и наложения на ней четкого оттиска печати "
    "(штампа) в подтверждение получения опломбированной сумки";

// The inkassator's receipt of the sealed bag and the bank's acceptance of it.
QList<Item> receiptPart() {
    QList<Item> items{
        hline(-2, 1, 192, LineWeight::Double),
        text("место\nпечати\n(штампа)", {166, 3.3, 20, 11}, pt(9), centreMiddle),
        text("Опломбированную сумку №\nбез пересчета принял", {0, 3.6, 45, 10}, pt(10),
             centreMiddle),
        text("инкассаторский работник", {96.2, 4.3, 30, 8}, pt(10), centreMiddle),
        text("[FNBag]", {46, 7.3, 29, 5}, pt(10), centreMiddle, thin(BottomSide)),
        text("Сумка с объявленной суммой принята", {76.6, 20.3, 34, 10}, pt(10), leftMiddle),
        block("PageAkt", {0, 44, 188, 58}),
        text(receiptFootnote, {0, 112.6, 188, 32}, pt(9), justifiedMiddle),
    };
    items += signature(12.3, 78, 93, "дата", {78.6, 12.5, 13, 3}, centreTop);
    items += signature(12.3, 128, 143, "(личная подпись)", {128, 12.5, 15, 6}, centreTop);
    items += signature(12.3, 146, 164, "(фамилия, инициалы)", {146, 12.5, 18, 6}, centreTop);
    const char* const captions[3] = {"(наименование должности)", "(личная подпись)",
                                     "(фамилия, инициалы)"};
    const double lines[2][3][2] = {{{2.1, 26.2}, {28.9, 43.9}, {46.9, 64.9}},
                                   {{122.1, 146.2}, {148.9, 163.9}, {166.9, 184.9}}};
    for (const auto& group : lines)
        for (int i = 0; i < 3; ++i)
            items += signature(25.6, group[i][0], group[i][1], captions[i],
                               {group[i][0], 25.8, group[i][1] - group[i][0], 6}, centreTop);
    return items;
}

ReportPage receipt(FormAccount account, const FormSet& set) {
    return {
        set.pages[2],
        {titleBand(account, 113, {text(set.titles[2], {54.5, 18.6, 51, 12}, bold(11), rightTop)}),
         {152.6, receiptPart(), {}}}};
}

} // namespace

QList<ReportPage> formSet(FormAccount account) {
    const FormSet set = formSetOf(account);
    return {statement(account, set), waybill(account, set), receipt(account, set)};
}

ReportPage bagLabel() {
    return {report_pages::bagLabel,
            {{58,
              {
                  rectangle({0, 0, 149, 58}, LineWeight::Thin),
                  text("[BankName]", {0, 0, 149, 6}, pt(11), centreTop),
                  text("Сумка №", {0, 6, 21, 5}, bold(11), rightMiddle),
                  text("[FNBag]", {21, 6, 31, 5}, pt(11), centreTop),
                  text("[pinShifr]", {112, 6, 37, 6}, bold(11), centreMiddle),
                  text("Валюта", {0, 11, 21, 5}, bold(11), rightMiddle),
                  text("810", {21, 11, 31, 5}, pt(11), centreMiddle),
                  picture("BAzecCode2", {101, 12, 47, 45}),
                  text("Пломба №", {0, 21, 21, 5}, bold(11), rightMiddle),
                  text("[FPlomba]", {21, 21, 31, 5}, pt(11), centreTop),
                  text("Дата", {0, 26, 21, 5}, bold(11), rightMiddle),
                  text("[FDateCreate]", {21, 26, 35, 5}, pt(11), centreMiddle),
                  text("Подпись", {0, 36, 20.2, 5}, bold(11), rightMiddle),
                  text("[FFIO]", {40, 36, 56, 5}, pt(11), centreTop),
                  hline(20.2, 41, 20.2),
                  text("Отправ.", {0, 41, 20.2, 5}, bold(11), rightMiddle),
                  text("[PinName]", {20, 41, 76, 17}, pt(11), leftTop),
              },
              {}}}};
}
