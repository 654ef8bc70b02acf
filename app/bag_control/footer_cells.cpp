#include "app/bag_control/footer_cells.h"

#include "app/form_kit/colour.h"

QString cellsText(const FooterCells& cells) {
    QString number;
    for (const Control* cell : cells) {
        if (cell->text().isEmpty()) break;
        number += cell->text();
    }
    return number;
}

void fillCells(const FooterCells& cells, const QString& number) {
    for (int i = 0; i < int(cells.size()); ++i) {
        cells[i]->setText(i < number.size() ? QString(number[i]) : QString());
    }
}

QString counterDigits(const FooterCells& cells, DigitRun run) {
    QString digits;
    for (int position = run.begin; position <= run.end; ++position) {
        const QString text = cells[position - 1]->text();
        const bool isDigit = text.size() == 1 && text[0] >= u'0' && text[0] <= u'9';
        digits += isDigit ? text : QStringLiteral("0");
    }
    return digits;
}

int getPosSmbInS_NN(const Control& cell) {
    return cell.name().mid(2).toInt();
}

void insertIntoCells(const FooterCells& cells, int position, int last, QChar character) {
    for (int at = last; at > position; --at) cells[at - 1]->setText(cells[at - 2]->text());
    cells[position - 1]->setText(QString(character));
}

void removeFromCells(const FooterCells& cells, int position, int last) {
    for (int at = position; at < last; ++at) cells[at - 1]->setText(cells[at]->text());
    cells[last - 1]->setText(QString());
}

void setCellsEditable(const FooterCells& cells, DigitRun span, bool editable) {
    for (int position = span.begin; position <= span.end; ++position) {
        Control* cell = cells[position - 1];
        cell->readOnly = !editable;
        cell->colour = editable ? clWhite : clBtnFace;
    }
}
