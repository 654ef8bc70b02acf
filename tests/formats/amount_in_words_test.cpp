#include "app/formats/amount_in_words.h"
#include "tests/support/qt_print.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(PluralCategory, FollowsTheLastTwoDigits) {
    for (quint64 n : {1, 21, 101, 1001}) EXPECT_EQ(pluralCategory(n), PluralCategory::One) << n;
    for (quint64 n : {2, 3, 4, 22, 104}) EXPECT_EQ(pluralCategory(n), PluralCategory::Few) << n;
    for (quint64 n : {0, 5, 10, 11, 12, 14, 19, 20, 25, 111, 112, 1000})
        EXPECT_EQ(pluralCategory(n), PluralCategory::Many) << n;
    EXPECT_EQ(pluralCategory(std::numeric_limits<quint64>::max()), PluralCategory::Many); // ...615
}

TEST(SumInWords, WritesRoublesInWordsAndKopecksInDigits) {
    const std::pair<qint64, const char*> cases[] = {
        {0, ""},
        {5, " Ноль рублей 05 копеек"},
        {101, " Один рубль 01 копейка"},
        {100, " Один рубль 00 копеек"},
        {150, " Один рубль 50 копеек"},
        {322, " Три рубля 22 копейки"},
        {2100, " Двадцать один рубль 00 копеек"},
        {123456, " Одна тысяча двести тридцать четыре рубля 56 копеек"},
        {101100, " Одна тысяча одиннадцать рублей 00 копеек"},
        {200000, " Две тысячи рублей 00 копеек"},
        {1100000, " Одиннадцать тысяч рублей 00 копеек"},
        {1111100, " Одиннадцать тысяч сто одиннадцать рублей 00 копеек"},
        {10000000, " Сто тысяч рублей 00 копеек"},
        {2500000, " Двадцать пять тысяч рублей 00 копеек"},
        {1234567890, " Двенадцать миллионов триста сорок пять тысяч шестьсот семьдесят восемь "
                     "рублей 90 копеек"},
        {2000000000, " Двадцать миллионов рублей 00 копеек"},
        {200000000000, " Два миллиарда рублей 00 копеек"},
        {100000000000100, " Один триллион один рубль 00 копеек"},
        {std::numeric_limits<qint64>::max(),
         " Девяносто два квадрилиона двести тридцать три триллиона семьсот двадцать миллиардов "
         "триста шестьдесят восемь миллионов пятьсот сорок семь тысяч семьсот пятьдесят восемь "
         "рублей 07 копеек"},
        {-100, ""},
    };
    for (const auto& [amount, words] : cases)
        EXPECT_EQ(sumInWords(amount), QString::fromUtf8(words)) << amount;
}

TEST(NumberInWords, ChangesOneAndTwoWithTheGender) {
    struct Case {
        const char* digits;
        Gender gender;
        const char* words;
    };
    const Case cases[] = {
        {"", Gender::Masculine, "ноль"},
        {"0,000", Gender::Feminine, "ноль"},
        {"1", Gender::Neuter, "одно"},
        {"2", Gender::Neuter, "два"},
        {"2", Gender::Feminine, "две"},
        {"1,001", Gender::Neuter, "одна тысяча одно"},
        {"2,002,002", Gender::Feminine, "два миллиона две тысячи две"},
        {"1,000,000,000,000,000,000", Gender::Masculine, "один квинтилион"},
        {"999,999,999,999,999,999,999", Gender::Masculine,
         "девятьсот девяносто девять квинтилионов девятьсот девяносто девять квадрилионов "
         "девятьсот девяносто девять триллионов девятьсот девяносто девять миллиардов девятьсот "
         "девяносто девять миллионов девятьсот девяносто девять тысяч девятьсот девяносто девять"},
        // Beyond the word tables, or not a number: nothing rather than a wrong number.
        {"1,000,000,000,000,000,000,000", Gender::Masculine, ""},
        {"12a", Gender::Masculine, ""},
        {"-5", Gender::Masculine, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numberInWords(c.digits, c.gender), QString::fromUtf8(c.words)) << c.digits;
}

} // namespace
