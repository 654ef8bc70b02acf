#include "app/formats/input_error.h"
#include "app/formats/text_formats.h"
#include "app/main_window/grid_totals.h"
#include "app/main_window/nominal_table.h"
#include "app/main_window/statement_window.h"

#include <algorithm>

qint64 TForm1::countInRow(int row) const {
    const auto count = tryInt64Value(NCount[row]->text().remove(QLatin1Char(',')));
    // A refused count still standing in its edit holds no pieces.
    return std::max<qint64>(count.value_or(0), 0);
}

void TForm1::init_avRest() {
    for (int i = 0; i < denominationRows; ++i) avRest[i] = countInRow(i);
}

void TForm1::init_aNBreakdown() {
    for (auto& group : aNBreakDown) group.fill(0);
}

void TForm1::refreshBreakdown() {
    init_aNBreakdown();
    init_avRest();
    PVBreakdown(false);
}

bool TForm1::getNNominalFromSum(int NAccount, qint64 vSum, bool isRestCount) {
    for (int i = 0; i < denominationRows; ++i) {
        const qint64 available = isRestCount ? avRest[i] : countInRow(i);
        const qint64 value = NominalTable[i].Value;
        const qint64 take = std::min(vSum / value, available);
        if (take > 0) {
            vSum -= take * value;
            if (isRestCount) {
                avRest[i] -= take;
                aNBreakDown.at(NAccount)[i] = take;
            }
        }
        if (vSum == 0) return true;
    }
    return false;
}

bool TForm1::PVBreakdown(bool isPrint) {
    static const char* const unpayable[] = {
        "Нет допустимого кол-ва номинала для введенной суммы Выручки!",
        "Нет допустимого кол-ва номинала для введенной суммы БПА!",
        "Нет допустимого кол-ва номинала для введенной суммы ПА!"};
    // Revenue is served first, then БПА, then ПА, each from the pieces left over.
    QList<qint64> totals;
    for (int g = 0; g < 3; ++g) {
        totals << sumToKop(accountGroups()[g].total.text());
        if (!getNNominalFromSum(g, totals.last(), true) && isPrint) {
            init_avRest();
            throw PVErrInput(QString::fromUtf8(unpayable[g]));
        }
    }
    const auto groupsTotal = checkedTotal(totals);
    markDocumentSum(groupsTotal && *groupsTotal == documentSum());
    init_avRest();
    return true;
}
