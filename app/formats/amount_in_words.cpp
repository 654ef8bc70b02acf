#include "app/formats/amount_in_words.h"
#include "app/formats/text_formats.h"

#include <array>

namespace {

using Forms = std::array<const char*, 3>; // one, few, many

const Forms roubleNoun{"рубль", "рубля", "рублей"};
const Forms kopeckNoun{"копейка", "копейки", "копеек"};

// Group nouns from the thousands up; the largest amount reaches the quadrillions.
const std::array<Forms, 6> groupNouns{{
    {"тысяча", "тысячи", "тысяч"},
    {"миллион", "миллиона", "миллионов"},
    {"миллиард", "миллиарда", "миллиардов"},
    {"триллион", "триллиона", "триллионов"},
    {"квадрилион", "квадрилиона", "квадрилионов"},
    {"квинтилион", "квинтилиона", "квинтилионов"},
}};

const std::array<const char*, 10> units{"",     "один",  "два",  "три",    "четыре",
                                        "пять", "шесть", "семь", "восемь", "девять"};
const std::array<const char*, 10> teens{
    "",           "одиннадцать", "двенадцать", "тринадцать",   "четырнадцать",
    "пятнадцать", "шестнадцать", "семнадцать", "восемнадцать", "девятнадцать"};
const std::array<const char*, 10> tens{
    "",          "десять",     "двадцать",  "тридцать",    "сорок",
    "пятьдесят", "шестьдесят", "семьдесят", "восемьдесят", "девяносто"};
const std::array<const char*, 10> hundreds{"",          "сто",      "двести",   "триста",
                                           "четыреста", "пятьсот",  "шестьсот", "семьсот",
                                           "восемьсот", "девятьсот"};

// The table is masculine; only one and two change with the gender.
QString unitWord(int digit, Gender gender) {
    if (gender == Gender::Feminine && digit == 1) return QStringLiteral("одна");
    if (gender == Gender::Feminine && digit == 2) return QStringLiteral("две");
    if (gender == Gender::Neuter && digit == 1) return QStringLiteral("одно");
    return QString::fromUtf8(units[digit]);
}

QString form(const Forms& forms, quint64 n) {
    return QString::fromUtf8(forms[static_cast<int>(pluralCategory(n))]);
}

// One group of three digits, each word with its leading blank.
QString groupWords(int value, int group, Gender gender) {
    const int h = value / 100;
    const int t = value / 10 % 10;
    const int u = value % 10;
    QString words;
    auto add = [&words](const QString& word) { words += QLatin1Char(' ') + word; };
    if (h > 0) add(QString::fromUtf8(hundreds[h]));
    if (t == 1 && u > 0) {
        add(QString::fromUtf8(teens[u]));
    } else {
        if (t > 0) add(QString::fromUtf8(tens[t]));
        if (u > 0) {
            const Gender groupGender = group == 0   ? gender
                                       : group == 1 ? Gender::Feminine
                                                    : Gender::Masculine;
            add(unitWord(u, groupGender));
        }
    }
    if (value > 0 && group > 0) add(form(groupNouns[group - 1], value));
    return words;
}

} // namespace

PluralCategory pluralCategory(quint64 n) {
    if (n % 100 >= 10 && n % 100 <= 19) return PluralCategory::Many;
    switch (n % 10) {
    case 1:
        return PluralCategory::One;
    case 2:
    case 3:
    case 4:
        return PluralCategory::Few;
    default:
        return PluralCategory::Many;
    }
}

QString numberInWords(const QString& digits, Gender gender) {
    QString text = digits;
    text.remove(QLatin1Char(','));
    qsizetype zeros = 0;
    while (zeros < text.size() && text[zeros] == QLatin1Char('0')) ++zeros;
    text.remove(0, zeros);
    if (!isDigits(text) || text.size() > 3 * qsizetype(groupNouns.size() + 1)) return {};
    if (text.isEmpty()) return QStringLiteral("ноль");

    QString words;
    int group = 0;
    for (qsizetype end = text.size(); end > 0; end -= 3, ++group) {
        const qsizetype begin = std::max<qsizetype>(0, end - 3);
        words.prepend(groupWords(text.sliced(begin, end - begin).toInt(), group, gender));
    }
    return words.sliced(1);
}

QString sumInWords(qint64 amount) {
    if (amount <= 0) return {};
    const qint64 kopecks = amount % 100;
    const qint64 roubles = amount / 100;
    QString words = numberInWords(QString::number(roubles), Gender::Masculine);
    words[0] = words[0].toUpper();
    return QLatin1Char(' ') + words + QLatin1Char(' ') + form(roubleNoun, roubles) +
           QLatin1Char(' ') + QStringLiteral("%1").arg(kopecks, 2, 10, QLatin1Char('0')) +
           QLatin1Char(' ') + form(kopeckNoun, kopecks);
}
