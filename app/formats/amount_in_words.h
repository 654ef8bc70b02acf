#pragma once

#include <QString>

enum class PluralCategory { One, Few, Many };
enum class Gender { Masculine, Neuter, Feminine };

// Russian noun form for a count: 1, 21 one; 2-4, 22 few; 0, 5-20, 111 many.
PluralCategory pluralCategory(quint64 n);

// "1,234" -> "одна тысяча двести тридцать четыре" (feminine); "" or zeros -> "ноль".
// Text with other characters than digits and ",", or beyond the quintillions, gives "".
QString numberInWords(const QString& digits, Gender gender);

// 123456 -> " Одна тысяча двести тридцать четыре рубля 56 копеек"; 0 and negatives -> "".
QString sumInWords(qint64 amount);
