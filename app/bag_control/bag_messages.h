#pragma once

#include <QString>

// What the bag dialog says to the cashier.
namespace bag_messages {
inline const QString width = QStringLiteral("Кол-во разрядов инкремента не более 5!");
inline const QString countReduced =
    QStringLiteral("Заданное кол-во превышает допустимое.\rПодставлено максимальное значение!");
inline const QString lastBelowFirst =
    QStringLiteral("Номер последней сумки меньше номера первой сумки!");
inline const QString nonZero = QStringLiteral("Должно быть введено не нулевое значение!");
inline const QString noName = QStringLiteral("Уже есть сумка без имени!");
inline const QString sameBag = QStringLiteral("Уже есть такая сумка!");
inline const QString overlap =
    QStringLiteral("Введенный диапазон сумок \rперекрывается имеющимся!");
inline const QString exceed =
    QStringLiteral("Границы(а) диапазона сумок превосходят имеющиеся!\rБудут подставлены "
                   "корректные значения для редактирования!");
inline const QString continueQuestion = QStringLiteral("Продолжить изменения?");
} // namespace bag_messages
